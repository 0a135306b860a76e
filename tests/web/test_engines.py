#!/usr/bin/python3
"""What differs between browser engines, checked in one: the page's face
whatever fonts the system has, the selected round seen, the window's
colours, the keyboard, by real clicks and keys, and the page's security
policy. Each case runs served under a host's strict policy, then from the disk.

usage: test_engines.py ENGINE CASE PAGE_FOLDER LAYOUT_COMMAND...
ENGINE is chromium, firefox or webkitgtk; CASE one of CASES below. Exits 77
(skipped) where the engine, its driver or a module is missing.
"""
import contextlib
import glob
import inspect
import io
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    from PIL import Image
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.webkitgtk.service import Service as WebKitService
    import bidi
    import test_page
    from test_page import check, contrast, row_of
except ImportError as missing:
    print(f"skipped: {missing}")
    sys.exit(77)

# A fontconfig set-up with DejaVu as the only fonts, as many systems have:
# the system's own settings, every font file refused but DejaVu's.
DEJAVU_ONLY = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont>
    <acceptfont><glob>*/dejavu/*</glob></acceptfont>
    <rejectfont><glob>*.*</glob></rejectfont>
  </selectfont>
</fontconfig>
"""


@contextlib.contextmanager
def environment(env):
    """The variables set for the processes started meanwhile (selenium's
    drivers take them from this process, whatever version it is)."""
    saved = dict(os.environ)
    os.environ.update(env)
    try:
        yield
    finally:
        os.environ.clear()
        os.environ.update(saved)


def skip(why):
    print("skipped:", why)
    sys.exit(77)


class Engine:
    """One browser showing the page at 1 CSS pixel a pixel."""

    def open(self, url):
        self.get(url)
        end = time.monotonic() + 10
        while not self.js("return !!(window.MorvetaPage && MorvetaPage.history)"):
            if time.monotonic() > end:
                raise RuntimeError("the game did not start")
            time.sleep(0.05)

    def rect(self, name, index=0):
        return self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height];",
                       test_page.element_id(name, index))

    def click(self, name, index=0):
        x, y, w, h = self.rect(name, index)
        self.click_at(x + w / 2, y + h / 2)

    def focused(self):
        return self.js("return document.activeElement.id || "
                       "document.activeElement.parentNode.id")

    def shot(self):
        return Image.open(io.BytesIO(self.screenshot_png())).convert("RGB")


class Selenium(Engine):
    def get(self, url):
        self.driver.get(url)

    def js(self, body, *args):
        return self.driver.execute_script(body, *args)

    def screenshot_png(self):
        return self.driver.get_screenshot_as_png()

    def click_at(self, x, y):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(x), int(y))
        actions.pointer_action.click()
        actions.perform()

    def keys(self, keys, held=()):
        chain = ActionChains(self.driver)
        for key in held:
            chain.key_down(key)
        chain.send_keys(*keys)
        for key in reversed(held):
            chain.key_up(key)
        chain.perform()

    def quit(self):
        self.driver.quit()


class Chromium(Selenium):
    def __init__(self, env, scheme="light"):
        chromium = shutil.which("chromium") or shutil.which("chromium-browser")
        driver_path = shutil.which("chromedriver")
        if not chromium or not driver_path:
            skip("chromium or chromedriver is missing")
        options = webdriver.ChromeOptions()
        options.binary_location = chromium
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu",
                    "--force-device-scale-factor=1", "--lang=bg"):
            options.add_argument(arg)
        with environment(env):
            self.driver = webdriver.Chrome(service=Service(driver_path), options=options)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": 600, "height": 400, "deviceScaleFactor": 1,
                                     "mobile": False})
        feature = {"light": ("prefers-color-scheme", "light"),
                   "dark": ("prefers-color-scheme", "dark"),
                   "forced": ("forced-colors", "active")}[scheme]
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": feature[0], "value": feature[1]}]})


class WebKitGTK(Selenium):
    """MiniBrowser under WebKitWebDriver, on an X display of its own; dark,
    the dark Adwaita GTK theme, which WebKitGTK's dark scheme follows.
    WebKitGTK has no forced colours."""

    def __init__(self, env, scheme="light"):
        if scheme == "dark":
            env = dict(env, GTK_THEME="Adwaita:dark")
        browsers = sorted(glob.glob("/usr/lib/*/webkit*gtk-*/MiniBrowser"))
        driver_path = shutil.which("WebKitWebDriver")
        if not browsers or not driver_path or not shutil.which("Xvfb"):
            skip("MiniBrowser, WebKitWebDriver or Xvfb is missing")
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                      "1024x768x24", "-nolisten", "tcp"],
                                     pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        options = webdriver.WebKitGTKOptions()
        options.binary_location = browsers[-1]
        options.add_argument("--automation")
        try:
            with environment(dict(env, DISPLAY=":" + number)):
                # selenium 4.8 takes the driver's path, later ones a service
                if "service" in inspect.signature(webdriver.WebKitGTK.__init__).parameters:
                    self.driver = webdriver.WebKitGTK(
                        options=options, service=WebKitService(driver_path))
                else:
                    self.driver = webdriver.WebKitGTK(executable_path=driver_path, options=options)
            self.driver.set_window_size(800, 600)
        except Exception:
            self.xvfb.kill()
            raise

    def quit(self):
        try:
            super().quit()
        finally:
            self.xvfb.kill()
            self.xvfb.wait()


class Firefox(bidi.Firefox, Engine):
    """Debian's firefox-esr over its own WebDriver BiDi agent."""

    def __init__(self, env, scheme="light"):
        binary = shutil.which("firefox-esr") or shutil.which("firefox")
        if not binary:
            skip("firefox is missing")
        # The pages' scheme: 0 dark, 1 light; forced colours are the user's
        # colours always overriding the page's.
        prefs = [("layout.css.prefers-color-scheme.content-override",
                  0 if scheme == "dark" else 1)]
        if scheme == "forced":
            prefs.append(("browser.display.document_color_use", 2))
        super().__init__(binary, prefs=prefs, env=env)
        self.set_size(600, 400)


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkitgtk": WebKitGTK}


@contextlib.contextmanager
def engine(name, env=None, scheme="light"):
    browser = ENGINES[name](env or {}, scheme)
    try:
        yield browser
    finally:
        browser.quit()


def selected_line(image):
    """How far the history's first line stands out from the list under it:
    by its fill, right of its text and left of any scroll bar, or by a frame
    along its top edge."""
    x, y, w, h = row_of("Rezultat")["rect"]
    under = image.getpixel((x + w * 3 // 4, y + h - 6))
    return max(contrast(image.getpixel((x + w * 3 // 4, y + 8)), under),
               contrast(image.getpixel((x + w * 3 // 4, y + 2)), under))


def eventually(browser, measure, ok, seconds=5):
    """measure(screenshot) once ok(it) holds, or as it stands after seconds:
    an engine may hand over a screenshot taken before its last change shows."""
    end = time.monotonic() + seconds
    while True:
        value = measure(browser.shot())
        if ok(value) or time.monotonic() > end:
            return value
        time.sleep(0.05)


def stands_out(value):
    return value >= 3


def the_window(image):
    """The window's pixels as its face draws them: the computer's moving marks
    blanked out, and where a scroll bar may stand inside the rules box and the
    history (the rightmost 18 pixels within their borders), which an engine
    draws in its own colours and state: WebKitGTK shows an overlay bar as the
    page loads and fades it out a second later."""
    window = image.crop((0, 0, test_page.LAYOUT["width"], test_page.LAYOUT["height"]))
    for r in test_page.ROWS:
        x, y, w, h = r["rect"]
        if r["name"] == "Radio":
            window.paste((0, 0, 0), (x, y, x + w, y + h))
        elif r["name"] in ("Text1", "Rezultat"):
            window.paste((0, 0, 0), (x + w - 2 - 18, y + 2, x + w - 2, y + h - 2))
    return window


def spills(image):
    """Where a caption's ink stands outside every control, on the window's colour."""
    spots = []
    for r in test_page.ROWS:
        if r["name"] not in ("Label2", "Buton", "Nachalo"):
            continue
        x, y, w, h = r["rect"]
        for px in list(range(max(0, x - 30), x)) + list(range(x + w, x + w + 30)):
            for py in range(y, y + h):
                inside = any(c["rect"][0] <= px < c["rect"][0] + c["rect"][2] and
                             c["rect"][1] <= py < c["rect"][1] + c["rect"][3]
                             for c in test_page.ROWS)
                if not inside and px < image.width and image.getpixel((px, py)) != \
                        test_page.WINDOW:
                    spots.append((r["name"], r["index"], px, py))
                    break
    return spots


def the_face_is_the_same_whatever_fonts_the_system_has(name, url):
    with tempfile.TemporaryDirectory() as folder:
        config = os.path.join(folder, "fonts.conf")
        with open(config, "w", encoding="utf-8") as out:
            out.write(DEJAVU_ONLY)
        shots = []
        for env in ({}, {"FONTCONFIG_FILE": config}):
            with engine(name, env) as browser:
                browser.open(url)
                shots.append(the_window(browser.shot()))
    check(not spills(shots[1]), f"with DejaVu only, captions spill at {spills(shots[1])[:4]}")
    # WebKit's antialiasing varies a level or two from run to run, and the odd
    # corner pixel where two borders meet more; another face moves thousands.
    changed = sum(1 for a, b in zip(shots[0].getdata(), shots[1].getdata())
                  if max(abs(p - q) for p, q in zip(a, b)) > 2)
    same = changed < 20
    if not same:
        shots[0].save(os.path.join(tempfile.gettempdir(), f"morveta-{name}-fonts.png"))
        shots[1].save(os.path.join(tempfile.gettempdir(), f"morveta-{name}-dejavu.png"))
    check(same, f"with DejaVu only, {changed} pixels differ from the system's fonts")


def the_selected_round_stands_out(name, url):
    for scheme in ("light", "dark", "forced"):
        if name == "webkitgtk" and scheme == "forced":
            continue  # WebKitGTK has no forced colours
        with engine(name, scheme=scheme) as browser:
            browser.open(url)
            x, y, w, h = row_of("Rezultat")["rect"]
            under = browser.shot().getpixel((x + w // 2, y + h // 2))
            if scheme == "forced":
                check(browser.js("return matchMedia('(forced-colors: active)').matches"),
                      "forced colours are on")
            else:
                check((sum(under) < 150) == (scheme == "dark"), f"{scheme}: the list shows {under}")
            browser.click("Buton", 0)
            check(browser.focused() == test_page.element_id("Buton", 0), "Камък keeps the focus")
            seen = eventually(browser, selected_line, stands_out)
            check(seen >= 3, f"{scheme}: the selected round stands out at {seen:.2f}:1, "
                  "not focused")
            browser.click("Rezultat")
            seen = eventually(browser, selected_line, stands_out)
            check(seen >= 3, f"{scheme}: the selected round stands out at {seen:.2f}:1, focused")


def the_window_shows_its_colours(name, url):
    with engine(name) as browser:
        browser.open(url)
        image = browser.shot()
        check(image.getpixel((2, 2)) == test_page.WINDOW, "the window's colour")
        for r in test_page.ROWS:
            if r["face"] and r["name"] not in ("Radio", "Frame1", "Frame2"):
                x, y = r["rect"][:2]
                got = image.getpixel((x + 2, y + 2))
                check(got == tuple(r["face"]), f"{r['name']}({r['index']}) shows {got}")
        browser.click("Buton", 2)
        x, y = row_of("Buton", 2)["rect"][:2]
        got = eventually(browser, lambda image: image.getpixel((x + 2, y + 2)),
                         lambda face: face == test_page.PRESSED)
        check(got == test_page.PRESSED, f"Хартия pressed shows {got}")


def the_keyboard_alone_plays(name, url):
    with engine(name) as browser:
        browser.open(url)
        check(browser.focused() == test_page.element_id("Buton", 0), "Камък has the focus")
        before = selected_line(browser.shot())
        browser.keys([Keys.SPACE])
        after = eventually(browser, selected_line, stands_out)
        check(before < 1.1 and after >= 3, f"Space plays Камък: the list {before:.2f}, {after:.2f}")
        browser.keys([Keys.TAB])
        check(browser.focused() == test_page.element_id("Buton", 1), "Tab reaches Ножица")
        browser.keys([Keys.TAB], held=[Keys.SHIFT])
        check(browser.focused() == test_page.element_id("Buton", 0), "Shift+Tab goes back")
        browser.keys([Keys.TAB] * 4)
        check(browser.focused() == test_page.element_id("Rezultat"), "four Tabs reach the history")
        x, y, w, h = row_of("Rezultat")["rect"]

        def focus_marks(image):
            """The list's focus mark, 3 pixels inside its edge, and the
            selected line's dotted one along the line's own edge."""
            line = image.getpixel((x + w * 3 // 4, y + 8))
            return min(contrast(image.getpixel((x + w // 2, y + h - 4)),
                                          image.getpixel((x + w // 2, y + h - 8))),
                       max(contrast(image.getpixel((x + 10 + i, y + 2)), line)
                           for i in range(8)))
        seen = eventually(browser, focus_marks, stands_out)
        check(seen >= 3, f"the history's focus marks stand out at {seen:.2f}:1 only")


# Heard from the page's first element on: each violation of a content
# security policy, as its directive and what it blocked.
LISTENER = """window.heard = [];
document.addEventListener('securitypolicyviolation',
                          (e) => heard.push(e.effectiveDirective + ' ' + e.blockedURI));
"""


@contextlib.contextmanager
def listening(folder):
    """A copy of the page's folder whose page loads LISTENER before anything."""
    with tempfile.TemporaryDirectory() as copy:
        shutil.copytree(folder, copy, dirs_exist_ok=True)
        with open(os.path.join(copy, "heard.js"), "w", encoding="utf-8") as out:
            out.write(LISTENER)
        with open(os.path.join(copy, "index.html"), "r+", encoding="utf-8") as page:
            markup = page.read().replace('<meta charset="utf-8">',
                                         '<meta charset="utf-8"><script src="heard.js"></script>', 1)
            page.seek(0)
            page.write(markup)
        yield copy


def until(browser, script, seconds=10):
    """What script returns once it is true, or as it stands after seconds."""
    end = time.monotonic() + seconds
    while not (value := browser.js(script)) and time.monotonic() < end:
        time.sleep(0.05)
    return value


def the_page_keeps_to_its_policy(name, url):
    """Served under a host's strict policy, and from the disk under its own,
    the page plays with no violation; one made on purpose is heard, after
    any the page made. Its own policy is as strict as a page can set."""
    with engine(name) as browser:
        browser.open(url)
        browser.click("Buton", 0)
        check(until(browser, "return document.querySelector('select').length") == 1,
              "under the policy a click on Камък plays")
        browser.js("document.body.appendChild(Object.assign(document.createElement('img'),"
                   "{src: 'http://127.0.0.2/on-purpose.png'}))")
        # Once from each policy in force: served, the host's and the page's.
        heard = until(browser, "return heard.length && heard")
        check(heard and set(heard) == {"img-src http://127.0.0.2/on-purpose.png"},
              f"violations other than the one made on purpose: {heard}")
        own = browser.js("const m = document.querySelector("
                         "'meta[http-equiv=\"Content-Security-Policy\"]'); return m && m.content")
    policy = {d.split()[0]: d.split()[1:] for d in (own or "").split(";") if d.strip()}
    closed = {"default-src": ["'none'"], "base-uri": ["'none'"], "form-action": ["'none'"],
              "require-trusted-types-for": ["'script'"]}
    check(all(policy.get(d) == v for d, v in closed.items()) and
          len(policy.get("trusted-types", [])) == 1 and
          not {"'unsafe-inline'", "'unsafe-eval'", "*"} & {s for v in policy.values() for s in v},
          f"the page's own policy is not as strict as a page can set: {own}")


CASES = {case.__name__: case for case in (
    the_face_is_the_same_whatever_fonts_the_system_has, the_selected_round_stands_out,
    the_window_shows_its_colours, the_keyboard_alone_plays, the_page_keeps_to_its_policy)}


def main():
    name, case, folder = sys.argv[1], sys.argv[2], os.path.abspath(sys.argv[3])
    test_page.load_layout(sys.argv[4:])
    with contextlib.ExitStack() as stack:
        if case == the_page_keeps_to_its_policy.__name__:
            folder = stack.enter_context(listening(folder))
        with test_page.served(folder, policy=test_page.HOST_POLICY) as url:
            print("--", name, case, "served under a host's strict policy")
            CASES[case](name, url)
        print("--", name, case, "from the disk")
        CASES[case](name, "file://" + folder + "/index.html")
    print("%d failures" % len(test_page.failures))
    return 1 if test_page.failures else 0


if __name__ == "__main__":
    sys.exit(main())
