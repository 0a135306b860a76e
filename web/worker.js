// The served page's service worker, written at build time from this file:
// keeps the page's files so that it opens and plays with the network off.
// Each build names a cache of its own, so that a new build's worker takes
// its files anew and drops the old ones. The page registers it only served.

const CACHE = 'morveta-@MORVETA_PAGE_VERSION@';
const FILES = '@MORVETA_PAGE_FILES@'.split(' ');

// The files from the server itself, not from the browser's cache of an
// older build.
self.addEventListener('install', (event) => {
  event.waitUntil(
    (async () => {
      const fresh = FILES.map((file) => new Request(file, { cache: 'reload' }));
      await (await caches.open(CACHE)).addAll(fresh);
      await self.skipWaiting();
    })(),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    (async () => {
      const old = (await caches.keys()).filter((n) => n.startsWith('morveta-') && n !== CACHE);
      await Promise.all(old.map((name) => caches.delete(name)));
      await self.clients.claim();
    })(),
  );
});

// The kept file where there is one, else the network; offline, a page
// asked for under another name (the folder itself) is the kept page.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  event.respondWith(
    (async () => {
      const cache = await caches.open(CACHE);
      const kept = await cache.match(request, { ignoreSearch: true });
      if (kept) return kept;
      try {
        return await fetch(request);
      } catch (offline) {
        const page = request.mode === 'navigate' && (await cache.match('index.html'));
        if (page) return page;
        throw offline;
      }
    })(),
  );
});
