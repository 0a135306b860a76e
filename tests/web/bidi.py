"""A WebDriver BiDi client for Firefox's own remote agent, which Debian's
firefox-esr has and which needs no geckodriver: the few commands the page's
tests use, over one WebSocket (python3-websocket)."""
import itertools
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

import websocket  # python3-websocket

# Keys as WebDriver numbers them (selenium's Keys hold the same characters).
SHIFT, CONTROL = "\ue008", "\ue009"


def _value(remote):
    """A script's result, from BiDi's serialisation to Python's own."""
    kind = remote["type"]
    if kind in ("undefined", "null"):
        return None
    if kind in ("string", "boolean"):
        return remote["value"]
    if kind == "number":
        value = remote["value"]
        return value if isinstance(value, (int, float)) else float(value)
    if kind == "array":
        return [_value(item) for item in remote.get("value", [])]
    if kind == "object":
        return {key: _value(item) for key, item in remote.get("value", [])}
    return remote.get("value")


class Firefox:
    """A headless Firefox with a profile of its own, one tab, driven over BiDi."""

    def __init__(self, binary, prefs=(), env=None):
        self.profile = tempfile.mkdtemp(prefix="morveta-firefox-")
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as user:
            for name, value in (("browser.shell.checkDefaultBrowser", False),
                                ("datareporting.policy.dataSubmissionEnabled", False),
                                ("intl.accept_languages", "bg"), *prefs):
                user.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        self.process = subprocess.Popen(
            [binary, "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port=0"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
            env=dict(os.environ, **(env or {}), MOZ_CRASHREPORTER_DISABLE="1"))
        address = None
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                address = found.group(1)
                break
        if not address:
            self.quit()
            raise RuntimeError("Firefox started no remote agent")
        self.ids = itertools.count(1)
        self.socket = websocket.create_connection(
            address + "/session", timeout=30, suppress_origin=True)  # the agent refuses origins
        self.send("session.new", capabilities={})
        # A tab of its own, as the first one never has the focus headless:
        # keys would have no default actions (Space would press no button).
        self.context = self.send("browsingContext.create", type="tab")["context"]

    def send(self, method, **params):
        number = next(self.ids)
        self.socket.send(json.dumps({"id": number, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") != number:
                continue  # an event
            if message.get("type") == "error":
                raise RuntimeError("%s: %s %s" % (method, message["error"],
                                                  message.get("message", "")))
            return message["result"]

    def get(self, url):
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def set_size(self, width, height):
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=1)

    def js(self, body, *args):
        """Runs body as a function's, arguments[i] being args[i] (strings or numbers)."""
        result = self.send(
            "script.callFunction", functionDeclaration="function () {" + body + "}",
            arguments=[{"type": "string" if isinstance(a, str) else "number", "value": a}
                       for a in args],
            target={"context": self.context}, awaitPromise=True, resultOwnership="none")
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return _value(result["result"])

    def screenshot_png(self):
        import base64
        return base64.b64decode(
            self.send("browsingContext.captureScreenshot", context=self.context)["data"])

    def click_at(self, x, y):
        self.send("input.performActions", context=self.context, actions=[{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": int(x), "y": int(y)},
                        {"type": "pointerDown", "button": 0},
                        {"type": "pointerUp", "button": 0}]}])

    def keys(self, keys, held=()):
        """Types each key of keys, with the held keys down throughout."""
        actions = [{"type": "keyDown", "value": k} for k in held]
        for key in keys:
            actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        actions += [{"type": "keyUp", "value": k} for k in reversed(held)]
        self.send("input.performActions", context=self.context,
                  actions=[{"type": "key", "id": "keyboard", "actions": actions}])

    def quit(self):
        try:
            if getattr(self, "socket", None):
                with_timeout = time.monotonic() + 5
                try:
                    self.send("browser.close")
                except (RuntimeError, OSError, websocket.WebSocketException):
                    pass
                self.socket.close()
                self.process.wait(max(0.1, with_timeout - time.monotonic()))
        except subprocess.TimeoutExpired:
            pass
        finally:
            if self.process.poll() is None:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)
