# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The X server as the suites that drive a program on it use it, through xdotool: real keys,
windows found by their titles, one brought to the front, where one stands."""

import subprocess

from polling import wait_until


def _run(*command, check=False, timeout=None):
    return subprocess.run(command, capture_output=True, text=True, check=check, timeout=timeout)


def keys(*names, delay=None):
    """Presses keys in the window that has the keyboard; the caller waits for what they do. A
    delay (in ms) between keys gives a slower program its time."""
    pace = ["--delay", str(delay)] if delay is not None else []
    _run("xdotool", "key", *pace, *names, check=True)


def windows(title_pattern, pid=None):
    """The visible windows whose title matches the pattern (of one process, given its id)."""
    of_process = ["--all", "--pid", str(pid)] if pid is not None else []
    return _run("xdotool", "search", *of_process, "--onlyvisible", "--name",
                title_pattern).stdout.split()


def window(title_pattern, pid=None):
    found = windows(title_pattern, pid)
    return found[0] if found else None


def title(x_window):
    return _run("xdotool", "getwindowname", x_window, check=True).stdout.strip()


def active_window():
    return _run("xdotool", "getactivewindow").stdout.strip()


def activate(x_window, timeout=10.0):
    """Has the window manager bring the window to the front with the keyboard, asking again
    until it does, and waits until the X server has it as the active window."""
    wait_until(lambda: _run("xdotool", "windowactivate", "--sync", x_window,
                            timeout=30).returncode == 0,
               "the window manager to activate the window", timeout,
               ignoring=(subprocess.TimeoutExpired,))
    wait_until(lambda: active_window() == x_window, "the window to be active", timeout)


def geometry(x_window):
    """(x, y, width, height) of the window."""
    shell = _run("xdotool", "getwindowgeometry", "--shell", x_window, check=True).stdout
    values = dict(line.split("=", 1) for line in shell.split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])
