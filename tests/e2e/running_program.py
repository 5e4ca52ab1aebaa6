# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""One run of the program under test in a suite, found on the accessibility bus by its pid and
read there as a screen reader reads it."""

import signal
import subprocess

import pyatspi

from accessibility import application_of, captioned_result, role_of, showing_windows, states
from expected import GRADES
from polling import wait_until


class RunningProgram:
    """A started program: `process` is its Popen, `app` its application on the bus."""

    end_timeout = 5  # seconds it is given to end on SIGTERM before it is killed

    def _find_app(self):
        return application_of(self.process.pid)

    def running(self):
        return self.process.poll() is None

    def wait_for_exit(self):
        """Waits for the program to end by itself, as it does on Exit, and checks that it ended
        well: a sanitized program that finds a leak or another fault on the way out ends with 1."""
        wait_until(lambda: not self.running(), "the program to end")
        if self.process.returncode != 0:
            raise AssertionError(f"the program ended with status {self.process.returncode}")

    def end(self):
        if self.running():
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(self.end_timeout)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    # What a screen reader finds in the showing windows

    def windows(self):
        """The program's showing top-level windows as (role, name)."""
        return [(role_of(window), window.name) for window in showing_windows(self.app)]

    def find(self, name, role=None, with_text=False):
        for window in showing_windows(self.app):
            found = pyatspi.findDescendant(
                window, lambda a: a.name == name and (role is None or role_of(a) == role)
                and (not with_text or "Text" in pyatspi.listInterfaces(a)))
            if found is not None:
                return found
        raise AssertionError("nothing named %r on screen" % name)

    def text(self, name):
        text = self.find(name, with_text=True).queryText()
        return text.getText(0, text.characterCount)

    def result(self, caption):
        return captioned_result(self.app, caption)

    def focused(self):
        self.app.clear_cache()
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is None:
                continue
            found = pyatspi.findDescendant(window,
                                           lambda a: pyatspi.STATE_FOCUSED in states(a))
            if found is not None:
                return found.name
        return None

    def alert(self):
        """The open message box as (title, text), or None."""
        window = self._alert_window()
        if window is None:
            return None
        label = pyatspi.findDescendant(
            window, lambda a: role_of(a) == "label" and a.name not in ("", None))
        return window.name, label.name if label is not None else ""

    def alert_active(self):
        window = self._alert_window()
        return window is not None and pyatspi.STATE_ACTIVE in states(window)

    def _alert_window(self):
        return next((window for window in showing_windows(self.app)
                     if role_of(window) == "alert"), None)

    def boxes(self):
        return [self.text(grade + " students") for grade in GRADES]

    def shares(self):
        return [self.result(grade) for grade in GRADES]

    def results(self):
        return self.result("GPA is"), self.result("Total Students"), self.shares()



def start_accessibility_bus():
    """Starts the accessibility bus before any program, as a desktop does: a suite's
    setUpModule."""
    pyatspi.Registry.getDesktop(0)
