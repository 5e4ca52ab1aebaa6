# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Debian's headless Chromium driven over its own remote protocol (the DevTools protocol): real
key events, the accessibility tree a screen reader reads, screenshots, the page's text."""

import base64
import json
import os
import shutil
import subprocess
import tempfile

import websocket

from driving import end
from polling import wait_until

# Keys by name, as (key, code, Windows virtual-key code, text typed).
_NAMED_KEYS = {
    "Tab": ("Tab", "Tab", 9, None),
    "Enter": ("Enter", "Enter", 13, "\r"),
    "Escape": ("Escape", "Escape", 27, None),
    "BackSpace": ("Backspace", "Backspace", 8, None),
    "Delete": ("Delete", "Delete", 46, None),
    "Left": ("ArrowLeft", "ArrowLeft", 37, None),
    "Right": ("ArrowRight", "ArrowRight", 39, None),
    "Up": ("ArrowUp", "ArrowUp", 38, None),
    "Down": ("ArrowDown", "ArrowDown", 40, None),
    "space": (" ", "Space", 32, " "),
}
_NAMED_KEYS.update({"F%d" % n: ("F%d" % n, "F%d" % n, 111 + n, None) for n in range(1, 13)})
_MODIFIERS = {"alt": 1, "ctrl": 2, "shift": 8}
_PUNCTUATION = {".": ("Period", 190), "-": ("Minus", 189), "+": ("Equal", 187),
                ",": ("Comma", 188), "e": ("KeyE", 69)}


def _key(name):
    """(key, code, virtual-key code, text) for a key name as xdotool spells it ("Tab", "a", "5")."""
    if name in _NAMED_KEYS:
        return _NAMED_KEYS[name]
    if len(name) == 1 and name.isdigit():
        return name, "Digit" + name, ord(name), name
    if len(name) == 1 and name.isalpha():
        return name, "Key" + name.upper(), ord(name.upper()), name
    if name in _PUNCTUATION:
        code, virtual = _PUNCTUATION[name]
        return name, code, virtual, name
    raise ValueError("no key named " + name)

# Headless Chromium has no print dialog to show, and Debian 13's Chromium 156 leaves a page whose
# print() it was asked for "being printed" for good, refusing any other print of it. The dialog
# is stood in for: a page's print() is counted, and printed() prints the page as it would.
_PRINT_DIALOG = """window.vantrelPrintRequests = 0;
window.print = () => { window.vantrelPrintRequests += 1; };"""


class Chromium:
    def __init__(self, artifacts, width=900, height=700, device=None):
        """device: (width, height) of a phone or tablet, emulated as one (a touch screen that
        lays pages out as a mobile browser does, at three device pixels to a CSS pixel)."""
        self.profile = tempfile.mkdtemp(prefix="vantrel-chromium-")
        self.events = []
        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--no-first-run",
             "--disable-gpu", "--remote-debugging-port=0", "--user-data-dir=" + self.profile,
             "--window-size=%d,%d" % (width, height), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(artifacts, "chromium.log"), "w"))
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        wait_until(lambda: os.path.exists(port_file) and open(port_file).read().count("\n") >= 1,
                   "Chromium's remote debugging port", timeout=60)
        port, browser_path = open(port_file).read().split("\n")[:2]
        self.socket = websocket.create_connection("ws://127.0.0.1:%s%s" % (port, browser_path),
                                                  timeout=60)
        self.next_id = 0
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.call("Target.attachToTarget", targetId=target,
                                 flatten=True)["sessionId"]
        for domain in ("Page", "Runtime", "Accessibility", "DOM"):
            self.call(domain + ".enable")
        self.call("Page.addScriptToEvaluateOnNewDocument", source=_PRINT_DIALOG)
        if device:
            self.call("Emulation.setDeviceMetricsOverride", width=device[0], height=device[1],
                      deviceScaleFactor=3, mobile=True)
            self.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)

    def call(self, method, **params):
        """Sends a command to the page (or, before there is one, the browser) and returns its result."""
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if getattr(self, "session", None):
            message["sessionId"] = self.session
        self.socket.send(json.dumps(message))
        while True:
            reply = json.loads(self.socket.recv())
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"]))
                return reply.get("result", {})
            if "method" in reply:
                self.events.append(reply)

    def open(self, url):
        self.call("Page.navigate", url=url)

    def reload(self):
        self.call("Page.reload")

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        return result["result"].get("value")

    def press(self, name, modifiers=()):
        """A key pressed and released, as a keyboard sends it: "Tab", "a", "F5", or with
        modifiers ("alt", "ctrl", "shift")."""
        key, code, virtual, text = _key(name)
        flags = sum(_MODIFIERS[m] for m in modifiers)
        if modifiers and set(modifiers) != {"shift"}:
            text = None
        down = dict(type="keyDown" if text else "rawKeyDown", key=key, code=code,
                    windowsVirtualKeyCode=virtual, modifiers=flags)
        if text:
            down["text"] = down["unmodifiedText"] = text
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=virtual, modifiers=flags)

    def type(self, keys):
        for name in keys:
            self.press(name)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def tap(self, x, y):
        """A finger's tap at the point of the page, in CSS pixels."""
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def insert_text(self, text):
        """Text as an on-screen keyboard gives it: input to the focused element, no key."""
        self.call("Input.insertText", text=text)

    def screenshot(self, path=None, clip=None):
        """The page as shown (or a part of it: x, y, width, height), as PNG bytes (also written
        to path)."""
        area = {}
        if clip:
            area["clip"] = dict(zip(("x", "y", "width", "height"), clip), scale=1)
        png = base64.b64decode(self.call("Page.captureScreenshot", format="png", **area)["data"])
        if path:
            with open(path, "wb") as out:
                out.write(png)
        return png

    def printed(self):
        """The page as the browser prints it, as PDF bytes, once the page has called print().
        Headless Chromium shows no print dialog, so the page is printed here as that dialog
        would print it."""
        wait_until(lambda: self.evaluate("window.vantrelPrintRequests"), "the page's print()")
        return base64.b64decode(self.call("Page.printToPDF", printBackground=True)["data"])

    def accessibility_tree(self):
        """The page's accessibility tree as (role, name, value) of every node that is not
        ignored, in tree order."""
        nodes = self.call("Accessibility.getFullAXTree")["nodes"]
        return [(n.get("role", {}).get("value"), n.get("name", {}).get("value", ""),
                 n.get("value", {}).get("value", "")) for n in nodes if not n.get("ignored")]

    def _nodes(self):
        """The accessibility tree's nodes that are not ignored, each with its properties."""
        nodes = [n for n in self.call("Accessibility.getFullAXTree")["nodes"]
                 if not n.get("ignored")]
        for node in nodes:
            node["props"] = {p["name"]: p["value"].get("value")
                             for p in node.get("properties", [])}
        return nodes

    def focused(self):
        """(role, name, value) of the node that has the focus in the accessibility tree (the
        innermost one: the page itself has it too)."""
        focused = [n for n in self._nodes() if n["props"].get("focused")]
        if not focused:
            return None
        node = focused[-1]
        return (node.get("role", {}).get("value"), node.get("name", {}).get("value", ""),
                node.get("value", {}).get("value", ""))

    def live_regions(self):
        """How each live region of the page has what it is told said ("assertive", "polite")."""
        nodes = self._nodes()
        live = {n["nodeId"] for n in nodes if n["props"].get("live")}
        return [n["props"]["live"] for n in nodes
                if n["nodeId"] in live and n.get("parentId") not in live]

    def _node_named(self, role, name):
        for node in self.call("Accessibility.getFullAXTree")["nodes"]:
            if (node.get("role", {}).get("value") == role
                    and node.get("name", {}).get("value") == name and "backendDOMNodeId" in node):
                return node["backendDOMNodeId"]
        raise AssertionError("no %s named %r in the page" % (role, name))

    def activate_named(self, role, name):
        """Activates the element that the accessibility tree has with this role and name, as a
        screen reader does (its default action, a click)."""
        element = self.call("DOM.resolveNode", backendNodeId=self._node_named(role, name))
        self.call("Runtime.callFunctionOn", objectId=element["object"]["objectId"],
                  functionDeclaration="function () { this.click(); }")

    def close(self):
        end(self.process, 10)
        shutil.rmtree(self.profile, ignore_errors=True)
