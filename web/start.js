// The page's start, run once the page is parsed: loads the game's script
// (the script element's data-game) once the window has painted in its face,
// so that neither loading nor compiling it can hold that paint back: the
// face ready, the frame that draws the text, then one more, whose callback
// runs once the one before is shown. Served, it also names the web app
// manifest and registers the service worker.
//
// Where the page's policy asks for Trusted Types, a script is named only
// through the one policy made here, which takes the game's script and the
// worker and refuses any other.
'use strict';
(() => {
  const game = document.currentScript.dataset.game;
  const scripts = [game, 'worker.js'];
  const checked = (url) => {
    if (!scripts.includes(url)) throw new TypeError(`${url} is not one of the page's scripts`);
    return url;
  };
  const policy = self.trustedTypes
    ? trustedTypes.createPolicy('morveta', { createScriptURL: checked })
    : { createScriptURL: checked };

  const start = () => {
    const script = document.createElement('script');
    script.src = policy.createScriptURL(game);
    document.body.appendChild(script);
    // Opened from the disk, there is nothing to fetch these from.
    if (location.protocol !== 'http:' && location.protocol !== 'https:') return;
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.appendChild(manifest);
    if ('serviceWorker' in navigator)
      navigator.serviceWorker.register(policy.createScriptURL('worker.js')).catch(() => {});
  };
  document.fonts.ready.then(() =>
    requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(start))),
  );
})();
