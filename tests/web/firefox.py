# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Debian's Firefox ESR, headless, driven over its own remote protocol (WebDriver BiDi, which
Firefox speaks itself): real key events, elements found by their accessible role and name,
screenshots, the page's text."""

import base64
import json
import os
import shutil
import subprocess
import tempfile

import websocket

from polling import wait_until
from driving import click, end, free_port, key_press

_PREFERENCES = {
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "app.update.disabledForTesting": True,
    "browser.aboutwelcome.enabled": False,
    # A page's print() goes straight to a PDF file, as no one is there to answer the dialog.
    "print.always_print_silent": True,
    "print.show_print_progress": False,
    "print_printer": "Mozilla Save to PDF",
    "print.printer_Mozilla_Save_to_PDF.print_to_file": True,
}


class Firefox:
    def __init__(self, artifacts, width=900, height=700):
        self.profile = tempfile.mkdtemp(prefix="vantrel-firefox-")
        self.printed_file = os.path.join(artifacts, "firefox-printed.pdf")
        if os.path.exists(self.printed_file):
            os.remove(self.printed_file)
        preferences = dict(_PREFERENCES, **{
            "print.printer_Mozilla_Save_to_PDF.print_to_filename": self.printed_file})
        with open(os.path.join(self.profile, "user.js"), "w") as prefs:
            for name, value in preferences.items():
                prefs.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        port = free_port()
        self.log = os.path.join(artifacts, "firefox.log")
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port", str(port), "--width", str(width),
             "--height", str(height), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=open(self.log, "w"),
            env=dict(os.environ, MOZ_DISABLE_CONTENT_SANDBOX="1"))
        self.socket = wait_until(
            lambda: websocket.create_connection("ws://127.0.0.1:%d/session" % port, timeout=60,
                                               suppress_origin=True),
            "Firefox's remote protocol", timeout=60, ignoring=(OSError, websocket.WebSocketException))
        self.next_id = 0
        self.events = []
        self.call("session.new", capabilities={})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.call("session.subscribe", events=["log.entryAdded"])

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            reply = json.loads(self.socket.recv())
            if reply.get("id") == self.next_id:
                if reply.get("type") == "error":
                    raise RuntimeError("%s: %s %s" % (method, reply.get("error"),
                                                      reply.get("message")))
                return reply.get("result", {})
            if reply.get("type") == "event":
                self.events.append(reply)

    def open(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def reload(self):
        self.call("browsingContext.reload", context=self.context, wait="complete")

    def evaluate(self, expression):
        result = self.call("script.evaluate", expression=expression, awaitPromise=True,
                           target={"context": self.context})
        if result.get("type") == "exception":
            raise RuntimeError(result["exceptionDetails"].get("text"))
        return _value(result["result"])

    def press(self, name, modifiers=()):
        self.call("input.performActions", context=self.context,
                  actions=[key_press(name, modifiers)])

    def type(self, keys):
        for name in keys:
            self.press(name)

    def click(self, x, y):
        self.call("input.performActions", context=self.context, actions=[click(x, y)])

    def screenshot(self, path=None):
        png = base64.b64decode(self.call("browsingContext.captureScreenshot",
                                         context=self.context)["data"])
        if path:
            with open(path, "wb") as out:
                out.write(png)
        return png

    def printed(self):
        """The PDF that the page's last print() wrote, as bytes."""
        def written():
            if not os.path.exists(self.printed_file):
                return None
            with open(self.printed_file, "rb") as pdf:
                data = pdf.read()
            return data if data.rstrip().endswith(b"%%EOF") else None
        return wait_until(written, "the printed PDF", timeout=30)

    def _located(self, role, name):
        """The elements the accessibility tree has with this role and name, in the page and in
        the shadow trees the program's windows live in (which a locator does not enter alone)."""
        roots = self.evaluate("[document, ...[...document.querySelectorAll('*')]"
                              ".filter((e) => e.shadowRoot).map((e) => e.shadowRoot)]")
        starts = [{"sharedId": root["sharedId"]} for root in roots[1:]]
        locator = {"type": "accessibility", "value": {"role": role, "name": name}}
        nodes = self.call("browsingContext.locateNodes", context=self.context,
                          locator=locator)["nodes"]
        if starts:
            nodes += self.call("browsingContext.locateNodes", context=self.context,
                               locator=locator, startNodes=starts)["nodes"]
        return nodes

    def named(self, role, name):
        """How many elements the accessibility tree has with this role and name."""
        return len(self._located(role, name))

    def activate_named(self, role, name):
        """Activates the element the accessibility tree has with this role and name, as a screen
        reader does (its default action, a click)."""
        nodes = self._located(role, name)
        if not nodes:
            raise AssertionError("no %s named %r in the page" % (role, name))
        self.call("script.callFunction", functionDeclaration="(element) => element.click()",
                  arguments=[{"sharedId": nodes[0]["sharedId"]}], awaitPromise=False,
                  target={"context": self.context})

    def close(self):
        try:
            self.call("session.end")
        except Exception:
            pass
        end(self.process)
        shutil.rmtree(self.profile, ignore_errors=True)


def _value(remote):
    """A BiDi remote value as a Python value (strings, numbers, booleans, null, arrays)."""
    kind = remote.get("type")
    if kind in ("string", "number", "boolean"):
        return remote["value"]
    if kind in ("null", "undefined"):
        return None
    if kind == "array":
        return [_value(item) for item in remote.get("value", [])]
    return remote
