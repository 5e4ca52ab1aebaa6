# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""WebKitGTK's MiniBrowser (WebKit, the engine of Safari) on the X display, driven through
WebKitWebDriver (W3C WebDriver over HTTP): key and pointer actions, the page's script and
screenshots. WebDriver has no accessibility tree: roles and names are read from the elements
that Qt mirrors the windows with."""

import base64
import json
import os
import subprocess
import urllib.error
import urllib.request

from polling import wait_until
from driving import click, end, free_port, key_press

_BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

# The elements of the page and of the windows' shadow trees with an accessible role and name as
# the mirror gives them: buttons by their text, text boxes by their label.
_NAMED_JS = """const [role, name] = arguments;
const tags = { button: "BUTTON", textbox: "INPUT" };
return [document, ...[...document.querySelectorAll('*')].filter((e) => e.shadowRoot)
    .map((e) => e.shadowRoot)].flatMap((root) => [...root.querySelectorAll(tags[role])])
    .filter((e) => (e.getAttribute('aria-label') || e.textContent) === name);"""
# A page's print() has no one to answer its dialog here: it is counted instead.
_PRINT_DIALOG = """window.vantrelPrintRequests = 0;
window.print = () => { window.vantrelPrintRequests += 1; };"""


class WebKit:
    def __init__(self, artifacts, width=900, height=700):
        port = free_port()
        self.base = "http://127.0.0.1:%d" % port
        self.process = subprocess.Popen(
            ["WebKitWebDriver", "--port=%d" % port], stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(artifacts, "webkit.log"), "w"))
        wait_until(lambda: self._request("GET", "/status")["ready"], "WebKitWebDriver",
                   timeout=60, ignoring=(OSError,))
        capabilities = {"browserName": "MiniBrowser", "webkitgtk:browserOptions": {
            "binary": _BROWSER, "args": ["--automation", "--geometry=%dx%d" % (width, height)]}}
        self.session = self._request("POST", "/session", {
            "capabilities": {"alwaysMatch": capabilities}})["sessionId"]

    def _request(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request(self.base + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=120) as reply:
                return json.load(reply)["value"]
        except urllib.error.HTTPError as error:
            raise RuntimeError("%s %s: %s" % (method, path, error.read().decode())) from None

    def call(self, method, path, body=None):
        return self._request(method, "/session/%s%s" % (self.session, path), body)

    def open(self, url):
        self.call("POST", "/url", {"url": url})
        self.run(_PRINT_DIALOG)

    def reload(self):
        self.call("POST", "/refresh", {})
        self.run(_PRINT_DIALOG)

    def run(self, script, *arguments):
        """Runs a function body in the page and returns what it returns (a promise awaited)."""
        return self.call("POST", "/execute/sync", {"script": script, "args": list(arguments)})

    def evaluate(self, expression):
        return self.run("return (%s);" % expression)

    def _actions(self, source):
        self.call("POST", "/actions", {"actions": [source]})
        self.call("DELETE", "/actions")

    def press(self, name, modifiers=()):
        self._actions(key_press(name, modifiers))

    def type(self, keys):
        for name in keys:
            self.press(name)

    def click(self, x, y):
        self._actions(click(x, y))

    def screenshot(self, path=None):
        png = base64.b64decode(self.call("GET", "/screenshot"))
        if path:
            with open(path, "wb") as out:
                out.write(png)
        return png

    def printed(self):
        """WebKitWebDriver cannot print a page: None, once the page has asked to print."""
        wait_until(lambda: self.evaluate("window.vantrelPrintRequests"), "the page's print()")
        return None

    def named(self, role, name):
        return len(self.run(_NAMED_JS, role, name))

    def activate_named(self, role, name):
        found = self.run(_NAMED_JS, role, name)
        if not found:
            raise AssertionError("no %s named %r in the page" % (role, name))
        self.run("arguments[0].click();", found[0])

    def close(self):
        try:
            self.call("DELETE", "")
        except (OSError, RuntimeError):
            pass
        end(self.process)
