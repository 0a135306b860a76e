#!/usr/bin/python3
"""The page in headless Chromium, played with real clicks and keys: each
case on a page of its own, in a browser of its own.

usage: test_page.py CASE PAGE_FOLDER LAYOUT_COMMAND...
CASE is one of CASES below; LAYOUT_COMMAND prints the layout table as JSON. Exits 77 (skipped) where
Chromium, its driver, selenium or PIL is missing.
"""
import base64
import contextlib
import functools
import http.server
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

try:
    from PIL import Image
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError as missing:
    print(f"skipped: {missing}")
    sys.exit(77)

# The layout table, as main() reads it.
LAYOUT, ROWS, WINDOW = {}, [], ()
# The design's colours, from the tests' own table (expected_colours.h).
IDLE, PICK, PRESSED = (), (), ()
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED:", what)


def row_of(name, index=0):
    return next(r for r in ROWS if r["name"] == name and r["index"] == index)


def element_id(name, index=0):
    return "c%d" % row_of(name, index)["row"]


def luminance(c):
    def linear(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    return 0.2126 * linear(c[0]) + 0.7152 * linear(c[1]) + 0.0722 * linear(c[2])


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


DESKTOP = {"width": 600, "height": 400, "deviceScaleFactor": 1, "mobile": False}
PHONE = {"width": 360, "height": 740, "deviceScaleFactor": 3, "mobile": True}


class Page:
    def __init__(self, driver, url, screen=DESKTOP):
        self.driver = driver
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", screen)
        driver.get(url)
        self.wait(lambda: self.js("return !!(window.MorvetaPage && MorvetaPage.history)"),
                  "the game starts")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what, seconds=10):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if condition():
                return True
            time.sleep(0.05)
        check(False, what)
        return False

    def element(self, name, index=0):
        return self.driver.find_element(By.ID, element_id(name, index))

    def click(self, name, index=0):
        ActionChains(self.driver).move_to_element(self.element(name, index)).click().perform()

    def keys(self, *keys, times=1):
        """Presses each key in turn, times over."""
        for _ in range(times):
            for key in keys:
                ActionChains(self.driver).send_keys(key).perform()

    def chord(self, modifier, key, times=1):
        for _ in range(times):
            ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def focused(self):
        return self.js("return document.activeElement.id || "
                       "document.activeElement.parentNode.id")

    def scores(self):
        return [self.element("Rezul", i).get_property("value") for i in (0, 1)]

    def checked(self, name, index):
        return self.js("return document.querySelector('#%s input').checked"
                       % element_id(name, index))

    def history(self):
        """The lines as they show, no-break spaces read as blanks, and the selected one."""
        lines, selected = self.js("const s = document.querySelector('select');"
                                  "return [Array.from(s.options, o => o.text), s.selectedIndex];")
        return [[line.replace("\xa0", " ") for line in lines], selected]

    def said(self):
        return self.js("return document.getElementById('say').textContent")

    def shot(self):
        png = self.driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]
        return Image.open(io.BytesIO(base64.b64decode(png))).convert("RGB")

    def face(self, image, name, index=0):
        """The colour where the control shows only its face: inside any
        border and focus mark, clear of text and the option's mark."""
        x, y = row_of(name, index)["rect"][:2]
        return image.getpixel((x + 2, y + 2))


def rectangles(page):
    for r in ROWS:
        got = page.js("const w = document.getElementById('w').getBoundingClientRect();"
                      "const c = document.getElementById(arguments[0]).getBoundingClientRect();"
                      "return [c.left - w.left, c.top - w.top, c.width, c.height];",
                      "c%d" % r["row"])
        check([round(v) for v in got] == r["rect"] and all(v == round(v) for v in got),
              f"{r['name']}({r['index']}) at {got}, not {r['rect']}")
    size = page.js("const w = document.getElementById('w').getBoundingClientRect();"
                   "return [w.left, w.top, w.width, w.height];")
    check(size == [0, 0, LAYOUT["width"], LAYOUT["height"]], f"the window is {size}")
    # Nothing, hidden or not, lies past the window: a browser window of the
    # window's size (an installed app's) would scroll.
    past = page.js("return Array.from(document.querySelectorAll('body *'),"
                   " e => e.getBoundingClientRect())"
                   ".filter(r => r.right > arguments[0] || r.bottom > arguments[1]).length",
                   LAYOUT["width"], LAYOUT["height"])
    check(past == 0, f"{past} elements lie past the window")
    check(page.driver.title == " ".join(LAYOUT["title"].split()),
          f"the title is {page.driver.title!r}")


def faces_at_start(page):
    image = page.shot()
    check(image.getpixel((2, 2)) == WINDOW, "the window's colour")
    for r in ROWS:
        if r["name"] in ("Radio", "Frame1", "Frame2", "Rezultat", "Text1"):
            continue
        want = tuple(r["face"]) if r["face"] else tuple(row_of("Igrach", 0)["face"])
        got = page.face(image, r["name"], r["index"])
        check(got == want, f"{r['name']}({r['index']}) shows {got}, not {want}")
    radios = [page.face(image, "Radio", i) for i in range(3)]
    check(sorted(radios) == sorted([PICK, IDLE, IDLE]), f"the computer's marks show {radios}")


def a_round_by_mouse(page):
    page.click("Buton", 0)
    page.wait(lambda: page.history()[0], "a line in the history")
    lines, selected = page.history()
    check(len(lines) == 1 and selected == 0 and lines[0].startswith("Компютър: Хартия"),
          f"the history after Камък: {lines}, {selected}")
    check(page.scores() == ["0", "2"], "the scores 0 and 2")
    check(page.checked("Radio", 2) and not page.checked("Radio", 0),
          "the computer's Хартия marked")
    image = page.shot()
    check(page.face(image, "Buton", 0) == PRESSED, "Камък pressed")
    check(page.face(image, "Radio", 2) == PICK, "the pick's face")
    # The round is over: the timer has stopped, another move records nothing.
    page.click("Buton", 1)
    check(len(page.history()[0]) == 1, "a move after the round records nothing")
    # A computer's option takes no click.
    page.click("Radio", 1)
    check(not page.checked("Radio", 1), "a click on the computer's option changes nothing")
    page.click("Nachalo", 0)
    check(page.face(page.shot(), "Buton", 0) == IDLE, "Нова repaints the move buttons")
    page.wait(lambda: not page.checked("Radio", 2), "the computer's pick moves again")


def many_rounds_keep_the_newest_line_in_view(page):
    page.click("Buton", 0)
    for _ in range(12):
        page.click("Nachalo", 0)
        page.click("Buton", 2)
    lines, selected = page.history()
    check(len(lines) == 13 and selected == 12, f"13 lines, the last selected: {selected}")
    shown = page.js("const s = document.querySelector('select');"
                    "const box = s.getBoundingClientRect();"
                    "const seen = (o) => { const r = o.getBoundingClientRect();"
                    "  return r.height > 0 && r.top >= box.top && r.bottom <= box.bottom; };"
                    "return [seen(s.options[0]), seen(s.options[s.selectedIndex])];")
    check(shown == [False, True], f"the newest line in view, the first scrolled away: {shown}")
    # Every blank of the line shows: a list box would show a run of blanks as one.
    check(page.history()[0][0] == "Компютър: Хартия      : Играч: Камък    ",
          f"the first line: {page.history()[0][0]!r}")
    page.click("Nachalo", 1)
    check(page.history() == [[], -1], "Изчисти empties the history")
    check(page.scores() == ["0", "0"], "Изчисти zeroes")


def typed_scores(page):
    page.click("Rezul", 0)
    page.chord(Keys.CONTROL, "a")
    page.keys(" 1 2abc")
    # Any text of any length in any script, entered as the browser enters a paste.
    page.keys(Keys.TAB)
    page.chord(Keys.CONTROL, "a")
    page.driver.execute_cdp_cmd("Input.insertText", {"text": "Ж" * 200000 + "\U0001F600"})
    page.click("Nachalo", 0)
    page.click("Buton", 0)
    scores = page.scores()
    check(scores == ["12", "2"], f"typed scores read: {scores[0]!r}, {scores[1][:20]!r}")


def keyboard_alone(page):
    check(page.focused() == element_id("Buton", 0), "Камък has the focus at start")
    stops = [r for r in sorted(ROWS, key=lambda r: r["tab"])
             if r["name"] in ("Buton", "Nachalo", "Rezultat", "Rezul", "Text1")
             or (r["name"] == "Igrach" and r["index"] == 0)]
    visited = [page.focused()]
    for _ in stops[1:]:
        page.keys(Keys.TAB)
        visited.append(page.focused())
    check(visited == ["c%d" % r["row"] for r in stops], f"Tab visits {visited}")
    page.chord(Keys.SHIFT, Keys.TAB, times=len(stops) - 1)
    check(page.focused() == element_id("Buton", 0), "Shift+Tab goes back to Камък")
    ring = ring_contrast(page, "Buton", 0)
    page.keys(Keys.SPACE)
    check(len(page.history()[0]) == 1, "Space plays Камък")
    page.keys(Keys.ENTER, Keys.ESCAPE)
    check(page.said().startswith("Играч: Камък"), "Enter and Escape do nothing")
    page.keys(Keys.TAB, times=3)
    check(page.focused() == element_id("Nachalo", 0), "three Tabs reach Нова")
    ring = min(ring, ring_contrast(page, "Nachalo", 0))
    page.keys(Keys.ENTER)
    check(page.face(page.shot(), "Buton", 0) == PRESSED, "Enter on Нова does nothing")
    page.keys(Keys.SPACE)
    check(page.said() == "Нов рунд. Изберете ход.", "Space on Нова starts a round")
    page.keys(Keys.TAB, Keys.TAB, Keys.ARROW_DOWN)
    check(page.focused() == element_id("Igrach", 1) and page.checked("Igrach", 1),
          "Down in the group selects the computer first")
    check(page.said().startswith("Компютърът играе първи"), "the switch is announced")
    check(page.face(page.shot(), "Rezul", 0) == tuple(row_of("Igrach", 1)["face"]),
          "the score boxes take the computer's colour")
    ring = min(ring, ring_contrast(page, "Igrach", 1))
    check(ring >= 3, f"the focus mark stands out at {ring:.2f}:1 only")


def ring_contrast(page, name, index):
    """How far the focus mark on the control's top edge stands out from its face."""
    x, y, w, h = row_of(name, index)["rect"]
    image = page.shot()
    mark, face = image.getpixel((x + w // 2, y + 4)), page.face(image, name, index)
    check(mark != face, f"{name}({index}) shows no focus mark")
    return contrast(mark, face)


def reader_tree(page):
    nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]

    def named(role, name):
        return [n for n in nodes if n.get("role", {}).get("value") == role
                and n.get("name", {}).get("value") == name]

    for r in ROWS:
        role = {"Buton": "button", "Nachalo": "button", "Igrach": "radio", "Radio": "radio",
                "Rezul": "textbox", "Rezultat": "listbox", "Text1": "textbox",
                "Frame1": "radiogroup", "Frame2": "radiogroup"}.get(r["name"])
        if not role:
            continue
        found = named(role, r["spoken"])
        check(len(found) == 1, f"a {role} named {r['spoken']!r}")
        if found and r["description"]:
            got = found[0].get("description", {}).get("value")
            check(got == r["description"], f"{r['spoken']!r} is described as {got!r}")
    page.click("Nachalo", 0)
    page.click("Buton", 1)
    nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    live = [n for n in nodes if any(p["name"] == "live" and p["value"]["value"] == "polite"
                                    for p in n.get("properties", []))]
    text = [n.get("name", {}).get("value") for n in nodes
            if n.get("role", {}).get("value") == "StaticText"
            and n.get("name", {}).get("value", "").startswith("Играч: Ножица")]
    check(live and text == ["Играч: Ножица, компютър: Камък. Загуба. Играч 0, компютър 2."],
          f"the live region holds {text}")


def schemes(page):
    for feature, value in (("prefers-color-scheme", "dark"), ("forced-colors", "active")):
        page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                    {"features": [{"name": feature, "value": value}]})
        image = page.shot()
        for name, index in (("Label2", 0), ("Nachalo", 1), ("Igrach", 1), ("Buton", 2)):
            got, want = page.face(image, name, index), tuple(row_of(name, index)["face"])
            check(got == want, f"{feature}: {name}({index}) shows {got}, not {want}")
        check(image.getpixel((2, 2)) == WINDOW, f"{feature}: the window's colour")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


def a_phone(driver, folder):
    """A phone's screen, 360 CSS pixels wide, shows the whole window's width
    and plays by taps."""
    url = "file://" + folder + "/index.html"
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                           {"enabled": True, "maxTouchPoints": 5})
    page = Page(driver, url, PHONE)
    seen = page.js("return [visualViewport.pageLeft, visualViewport.width]")
    check(seen == [0, LAYOUT["width"]], f"the phone shows {seen}, not the window's width")
    x, y, w, h = page.js("const r = document.getElementById(arguments[0])"
                         ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height];",
                         element_id("Buton", 0))
    # A tap: the touch's points are the page's own CSS pixels.
    for kind, points in (("touchStart", [{"x": x + w / 2, "y": y + h / 2}]), ("touchEnd", [])):
        driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
    page.wait(lambda: len(page.history()[0]) == 1, "a tap on Камък plays")
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})


class Network:
    """Whether the server answers: off, it drops every connection unanswered."""
    on = True


# A host's strict policy, as web security guides recommend one: nothing
# inline, no eval, scripts named only through Trusted Types.
HOST_POLICY = ("default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
               "img-src 'self' data:; font-src 'self' data:; connect-src 'self'; "
               "worker-src 'self'; manifest-src 'self'; base-uri 'none'; form-action 'none'; "
               "frame-ancestors 'none'; require-trusted-types-for 'script'")


@contextlib.contextmanager
def served(folder, network=Network, policy=None):
    """The folder served on loopback, every answer under policy where given."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def handle_one_request(self):
            if network.on:
                super().handle_one_request()
            else:
                self.close_connection = True

        def end_headers(self):
            if policy:
                self.send_header("Content-Security-Policy", policy)
            super().end_headers()

        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield "http://127.0.0.1:%d/index.html" % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


def installed_and_offline(driver, folder):
    """Served, the page is installable, plays with the network off once
    visited, and a new build's page replaces the kept one."""
    with tempfile.TemporaryDirectory() as copy:
        shutil.copytree(folder, copy, dirs_exist_ok=True)

        class network(Network):
            pass

        with served(copy, network, HOST_POLICY) as url:
            page = Page(driver, url)
            page.wait(lambda: page.js("return !!navigator.serviceWorker.controller"),
                      "the service worker takes the page")
            errors = driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
            check(errors["installabilityErrors"] == [], f"not installable: {errors}")
            manifest = driver.execute_cdp_cmd("Page.getAppManifest", {})
            check(manifest["errors"] == [], f"the manifest: {manifest['errors']}")
            # The install dialog's pictures as the manifest declares them: one
            # for desktops and one for phones, each of its stated size.
            shots = json.loads(manifest["data"])["screenshots"]
            check(sorted(s["form_factor"] for s in shots) == ["narrow", "wide"],
                  f"the screenshots' kinds: {shots}")
            for shot in shots:
                with Image.open(os.path.join(copy, shot["src"])) as image:
                    size = "%dx%d" % image.size
                check(size == shot["sizes"], f"{shot['src']} is {size}, not {shot['sizes']}")
            network.on = False
            page = Page(driver, url)
            page.click("Buton", 0)
            check(len(page.history()[0]) == 1, "offline, the page plays")
            check(page.js("return fetch('index.html?new').then(() => 0, () => 1)") == 0,
                  "offline, the kept page answers")
            # A new build: another page and another worker.
            for name, old, new in (("index.html", "<title>", "<title>new "),
                                   ("worker.js", "'morveta-", "'morveta-new")):
                path = os.path.join(copy, name)
                with open(path, encoding="utf-8") as file:
                    text = file.read().replace(old, new, 1)
                with open(path, "w", encoding="utf-8") as file:
                    file.write(text)
            network.on = True
            page = Page(driver, url)
            page.wait(lambda: [name[:11] for name in page.js("return caches.keys()")] ==
                      ["morveta-new"], "the new build's worker takes its files, drops the old",
                      seconds=20)
            driver.get(url)
            check(driver.title.startswith("new "), "the new build's page replaces the kept one")


def browser():
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    driver_path = shutil.which("chromedriver")
    if not chromium or not driver_path:
        print("skipped: chromium or chromedriver is missing")
        sys.exit(77)
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--force-device-scale-factor=1",
                "--font-render-hinting=none", "--lang=bg"):
        options.add_argument(arg)
    return webdriver.Chrome(service=Service(driver_path), options=options)


def load_layout(command):
    """Reads the layout table and the design's colours from what command prints."""
    global LAYOUT, ROWS, WINDOW, IDLE, PICK, PRESSED
    LAYOUT = json.loads(subprocess.run(command, check=True, capture_output=True,
                                       text=True).stdout)
    ROWS, WINDOW = LAYOUT["controls"], tuple(LAYOUT["window"])
    IDLE, PICK, PRESSED = (tuple(LAYOUT[k]) for k in ("idle", "pick", "pressed"))


def opened_from_the_disk(driver, folder):
    page = Page(driver, "file://" + folder + "/index.html")
    page.keys(Keys.SPACE)
    check(len(page.history()[0]) == 1, "the page from file:// plays")
    check(page.js("return navigator.serviceWorker.getRegistrations()"
                  ".then(r => r.length, () => 0)") == 0 and
          page.js("return !document.querySelector('link[rel=manifest]')"),
          "from file://, no worker and no manifest")


def served_page(test):
    """A case on a page of its own, served under a host's strict policy."""
    def case(driver, folder):
        with served(folder, policy=HOST_POLICY) as url:
            test(Page(driver, url))
    case.__name__ = test.__name__
    return case


CASES = {case.__name__: case for case in (
    *(served_page(test) for test in (
        rectangles, faces_at_start, a_round_by_mouse, many_rounds_keep_the_newest_line_in_view,
        typed_scores, reader_tree, schemes, keyboard_alone)),
    opened_from_the_disk, installed_and_offline, a_phone)}


def main():
    case, folder = sys.argv[1], os.path.abspath(sys.argv[2])
    load_layout(sys.argv[3:])
    driver = browser()
    try:
        print("--", case)
        CASES[case](driver, folder)
    finally:
        driver.quit()
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
