# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the browser drivers share: input as WebDriver describes it (W3C WebDriver and WebDriver
BiDi alike), a key pressed with its modifiers and a click; a free port on the loopback address
for a driver to listen on; and ending a browser's process."""

import socket
import subprocess

# WebDriver's key values for keys that type no character.
_NAMED_KEYS = {
    "Tab": "\ue004", "Enter": "\ue007", "Escape": "\ue00c", "BackSpace": "\ue003",
    "Delete": "\ue017", "Left": "\ue012", "Up": "\ue013", "Right": "\ue014", "Down": "\ue015",
    "space": " ",
}
_NAMED_KEYS.update({"F%d" % n: chr(0xe031 + n - 1) for n in range(1, 13)})
_MODIFIERS = {"alt": "\ue00a", "ctrl": "\ue009", "shift": "\ue008"}


def key_press(name, modifiers=()):
    """The key source of a key pressed and released ("Tab", "a", "F5"), with modifiers held
    ("alt", "ctrl", "shift")."""
    key = _NAMED_KEYS.get(name, name)
    held = [_MODIFIERS[m] for m in modifiers]
    actions = ([{"type": "keyDown", "value": m} for m in held]
               + [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
               + [{"type": "keyUp", "value": m} for m in reversed(held)])
    return {"type": "key", "id": "keyboard", "actions": actions}


def click(x, y):
    """The pointer source of a left click at the point of the page."""
    return {"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": int(x), "y": int(y)},
                        {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def end(process, timeout=20):
    """Asks the process to end, and makes it end if it has not done so by the timeout."""
    process.terminate()
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
