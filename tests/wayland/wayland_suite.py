# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Vantrel on a Wayland desktop: the real program under sway, driven only with keys from a
virtual keyboard (wtype), read the way a screen reader reads it (AT-SPI, which runs on D-Bus and
so does not care which display protocol draws the windows), with sway's own window list telling
which windows are open and which one has the keyboard.

Run by run-wayland-suite.sh and sway-session.sh, which provide sway, the session bus and
WAYLAND_DISPLAY and SWAYSOCK, through run_suite.py. Environment: VANTREL_PROGRAM, VANTREL_ARTIFACTS.
"""

import json
import os
import subprocess
import unittest

from expected import (ABOUT, FOUR_GRADES, INSTRUCTIONS, INVALID_ENTRY, MAIN, MISSING_ENTRY,
                      TWO_AND_ONE, VERSION, WARNING, program_environment, typing_keys)
from polling import wait_until as poll
from running_program import RunningProgram, start_accessibility_bus

PROGRAM = os.environ["VANTREL_PROGRAM"]
ARTIFACTS = os.environ.get("VANTREL_ARTIFACTS", "")
setUpModule = start_accessibility_bus


def wait_until(condition, what, timeout=30.0):
    # Other builds share these two cores: a window can take seconds to come.
    return poll(condition, what, timeout)


def keys(*names):
    """Sends keys through one virtual keyboard: one character is typed as text, a longer name
    is a key ("Tab", "F5"), "alt+x" holds Alt around a key."""
    # wtype sends a fresh keymap with each call and the first key after it can be lost, so
    # every call begins with a key that changes nothing.
    command = ["wtype", "-d", "40", "-k", "Shift_L"]
    for name in names:
        if name.startswith("alt+"):
            command += ["-M", "alt", "-k", name[4:], "-m", "alt"]
        elif len(name) == 1:
            command += [name]
        else:
            command += ["-k", name]
    subprocess.run(command, check=True, timeout=60)


def sway(*args):
    return subprocess.run(["swaymsg", *args], capture_output=True, text=True, check=True,
                          timeout=60).stdout


def sway_windows():
    """Every window on the desktop, from sway's tree, as dicts with pid, name, focused, rect."""
    found = []

    def walk(node):
        if node.get("pid") is not None:
            found.append(node)
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            walk(child)

    walk(json.loads(sway("-t", "get_tree")))
    return found


class Program(RunningProgram):
    """One run of the program, found by its process id on the accessibility bus and in sway."""

    end_timeout = 10

    def __init__(self):
        env = program_environment(QT_QPA_PLATFORM="wayland")
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.app = wait_until(self._find_app, "the program on the accessibility bus")
        wait_until(lambda: self.has_keyboard(MAIN), "the main window to have the keyboard")
        wait_until(lambda: self.focused() == "A+ students", "the focus in the A+ box")

    # Windows as sway sees them
    def sway_windows(self, title=None):
        return [w for w in sway_windows()
                if w["pid"] == self.process.pid and (title is None or w["name"] == title)]

    def has_keyboard(self, title):
        return any(w["focused"] for w in self.sway_windows(title))

    def give_keyboard(self, title):
        """Focuses a window as a click on it would."""
        sway('[pid=%d title="^%s$"] focus' % (self.process.pid, title.replace(".", "\\.")))
        wait_until(lambda: self.has_keyboard(title), "%s to have the keyboard" % title)

    def screenshot(self, title, name):
        """Saves the window as it is on the screen."""
        if not ARTIFACTS:
            return
        rect = self.sway_windows(title)[0]["rect"]
        subprocess.run(["grim", "-g", "%(x)d,%(y)d %(width)dx%(height)d" % rect,
                        os.path.join(ARTIFACTS, name + ".png")], check=True, timeout=60)

    # What a screen reader sees
    def has_button(self, name):
        try:
            return self.find(name, "push button") is not None
        except AssertionError:
            return False


class WaylandTest(unittest.TestCase):
    def start(self):
        program = Program()
        self.addCleanup(program.end)
        return program

    def type_class(self, counts):
        """Types counts box by box from the A+ box, moving on with Tab, then Enter."""
        keys(*typing_keys(counts), "Return")

    def dismiss_warning(self, program, expected):
        wait_until(program.alert, "a message box")
        self.assertEqual(program.alert(), expected)
        # Enter must reach the message box, not the main window behind it.
        wait_until(lambda: program.has_keyboard(WARNING), "the message box to have the keyboard")
        keys("Return")
        wait_until(lambda: program.alert() is None, "the message box to close")
        wait_until(lambda: not program.sway_windows(WARNING), "the message box to leave sway")
        wait_until(lambda: program.has_keyboard(MAIN), "the keyboard back in the main window")

    def assert_focus(self, program, name):
        # The program learns that its window has the keyboard a moment after sway gives it: the
        # focus is waited for, not read once.
        try:
            wait_until(lambda: program.focused() == name, "the focus in " + name)
        except AssertionError:
            self.assertEqual(program.focused(), name)
            raise

    def assert_on_screen(self, program, title):
        output = json.loads(sway("-t", "get_outputs"))[0]["rect"]
        rect = program.sway_windows(title)[0]["rect"]
        self.assertGreaterEqual(rect["x"], output["x"])
        self.assertGreaterEqual(rect["y"], output["y"])
        self.assertLessEqual(rect["x"] + rect["width"], output["x"] + output["width"])
        self.assertLessEqual(rect["y"] + rect["height"], output["y"] + output["height"])


class MainWindowTest(WaylandTest):
    def test_typical_use(self):
        program = self.start()
        self.assertEqual(program.windows(), [("dialog", MAIN)])
        self.assertEqual([w["name"] for w in program.sway_windows()], [MAIN])
        self.assert_on_screen(program, MAIN)
        self.assertEqual(program.boxes(), [""] * 10)
        self.assertEqual(program.results(), ("", "", [""] * 10))

        self.type_class(FOUR_GRADES.counts)
        wait_until(lambda: program.has_button("Calculated"), "Enter to calculate")
        self.assertEqual(program.results(),
                         (FOUR_GRADES.gpa, FOUR_GRADES.total, FOUR_GRADES.shares))
        self.assertEqual(program.boxes(), FOUR_GRADES.boxes_after())
        program.screenshot(MAIN, "wayland-main-window-calculated")

    def test_esc_clears_everything(self):
        program = self.start()
        self.type_class(TWO_AND_ONE.counts)
        wait_until(lambda: program.has_button("Calculated"), "Enter to calculate")
        self.assertEqual(program.result("GPA is"), TWO_AND_ONE.gpa)
        self.assertEqual(program.result("Total Students"), TWO_AND_ONE.total)
        self.assert_focus(program, "C students")

        keys("Escape")
        wait_until(lambda: program.has_button("Calculate"), "Esc to clear")
        self.assertEqual(program.boxes(), [""] * 10)
        self.assertEqual(program.results(), ("", "", [""] * 10))
        self.assert_focus(program, "A+ students")

    def test_missing_entry_warning(self):
        program = self.start()
        keys("Return")
        self.dismiss_warning(program, (WARNING, MISSING_ENTRY))
        self.assertEqual(program.results(), ("", "", [""] * 10))
        self.assertEqual(program.boxes(), [""] * 10)
        self.assertTrue(program.has_button("Calculate"))

    def test_invalid_entry_warning_on_a_refused_key(self):
        program = self.start()
        keys("7", "x")
        self.dismiss_warning(program, (WARNING, INVALID_ENTRY))
        self.assert_focus(program, "A+ students")
        # The next digit lands after the 7: the refused key left nothing behind.
        keys("8")
        wait_until(lambda: program.boxes()[0] != "7", "the next digit in the A+ box")
        self.assertEqual(program.boxes()[0], "78")


class HelpWindowsTest(WaylandTest):
    def count(self, program, title):
        """Copies of a window, as the accessibility bus and as sway see them."""
        return (program.windows().count(("dialog", title)), len(program.sway_windows(title)))

    def test_f5_and_f6_open_each_window_once(self):
        program = self.start()
        keys("F5")
        wait_until(lambda: program.has_keyboard(INSTRUCTIONS), "the instructions")
        self.assertEqual(self.count(program, INSTRUCTIONS), (1, 1))
        instructions = program.find(INSTRUCTIONS, "dialog")
        self.assertTrue(any(
            instructions.getChildAtIndex(i).name.startswith("1. Fill in the number of students")
            for i in range(instructions.childCount)))
        self.assert_on_screen(program, INSTRUCTIONS)
        program.screenshot(INSTRUCTIONS, "wayland-instructions-window")

        program.give_keyboard(MAIN)
        keys("F5")
        # Keys reach the program in order: once F6 has opened About, a second copy of the
        # instructions from the F5 before it would be there too. The second F5 asks for the
        # open window to come forward, and sway may take the keyboard there.
        program.give_keyboard(MAIN)
        keys("F6")
        wait_until(lambda: program.has_keyboard(ABOUT), "the About window")
        self.assertEqual(self.count(program, INSTRUCTIONS), (1, 1))
        self.assertEqual(self.count(program, ABOUT), (1, 1))
        program.find(VERSION, "label")
        self.assert_on_screen(program, ABOUT)
        program.screenshot(ABOUT, "wayland-about-window")

        program.give_keyboard(MAIN)
        keys("F6")
        program.give_keyboard(MAIN)
        keys("5")  # the digit comes after F6: once it is in, F6 has been handled
        wait_until(lambda: program.boxes()[0] == "5", "the digit after F6")
        self.assertEqual(self.count(program, ABOUT), (1, 1))
        self.assertEqual(self.count(program, INSTRUCTIONS), (1, 1))
        self.assertEqual(sorted(w["name"] for w in program.sway_windows()),
                         sorted([MAIN, INSTRUCTIONS, ABOUT]))


class ExitTest(WaylandTest):
    def open_both_help_windows(self, program):
        keys("F5")
        wait_until(lambda: program.sway_windows(INSTRUCTIONS), "the instructions")
        program.give_keyboard(MAIN)
        keys("F6")
        wait_until(lambda: program.sway_windows(ABOUT), "the About window")
        program.give_keyboard(MAIN)

    def assert_exits_with(self, key):
        program = self.start()
        self.open_both_help_windows(program)
        keys(key)
        program.wait_for_exit()
        wait_until(lambda: not program.sway_windows(), "every window to leave the screen")

    def test_f9_ends_the_program_with_every_window(self):
        self.assert_exits_with("F9")

    def test_alt_x_ends_the_program_with_every_window(self):
        self.assert_exits_with("alt+x")

