# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Vantrel as a person uses it: the real program on an X server with a window manager, driven
only from outside with real keys (xdotool), and read the way a screen reader reads it (AT-SPI).

Run by run-suite.sh, which provides the X server, the window manager and the session bus, through
run_suite.py.
Environment: VANTREL_PROGRAM (the executable), VANTREL_ARTIFACTS (a folder for screenshots).

No step sleeps: after each key the suite waits for what a person would see it do. Where a key
must do nothing, a later harmless key whose effect shows proves the program has handled it.
"""

import os
import shutil
import subprocess
import tempfile
import unittest

import pyatspi

from accessibility import captioned_label, role_of, showing_windows, states
from expected import (ABOUT as ABOUT_TITLE, GRADES, INSTRUCTIONS as INSTRUCTIONS_TITLE,
                      INVALID_ENTRY, MAIN, MISSING_ENTRY, MIXED_CLASS, NO_PRINTER,
                      SYSTEM_INFO_UNAVAILABLE, TOP_GRADES, VERSION, WARNING, program_environment,
                      title_pattern, typing_steps)
from polling import wait_for_value, wait_until
from running_program import RunningProgram, start_accessibility_bus
import x11
from x11 import keys

PROGRAM = os.environ["VANTREL_PROGRAM"]
ARTIFACTS = os.environ.get("VANTREL_ARTIFACTS", "")
INSTRUCTIONS = title_pattern(INSTRUCTIONS_TITLE)  # the titles as xdotool patterns
ABOUT = title_pattern(ABOUT_TITLE)
setUpModule = start_accessibility_bus
# The accessibility tree changes under a reader while windows open and close: a read that fails
# then counts as "not yet".
NOT_YET = (Exception,)


def colours(image, region):
    x, y, width, height = region
    return int(subprocess.run(
        ["convert", image, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage",
         "-format", "%k", "info:"], capture_output=True, text=True, check=True).stdout)


class Program(RunningProgram):
    """One run of the program, found on the accessibility bus by its process id."""

    def __init__(self, scale=None, path_prefix=None):
        env = program_environment()
        if scale:
            env["QT_SCALE_FACTOR"] = str(scale)
        if path_prefix:
            env["PATH"] = path_prefix + os.pathsep + env.get("PATH", "")
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        try:
            self.app = wait_until(self._find_app, "the program on the accessibility bus", 15)
            self.main_window = wait_until(lambda: self.x_window(title_pattern(MAIN)),
                                          "the main window")
            self.activate(self.main_window)
            wait_until(lambda: self.focused() == "A+ students", "the focus in the A+ box",
                       ignoring=NOT_YET)
        except BaseException:
            self.end()  # a start that failed leaves nothing running into the next test
            raise

    # Windows, by title
    def x_window(self, title_pattern):
        return x11.window(title_pattern, self.process.pid)

    def x_windows(self, title_pattern):
        return x11.windows(title_pattern, self.process.pid)

    def menu_on_screen(self):
        """True while one of the program's menus is mapped on the X server."""
        for x_window in self.x_windows(""):
            kind = subprocess.run(["xprop", "-id", x_window, "_NET_WM_WINDOW_TYPE"],
                                  capture_output=True, text=True).stdout
            if "_MENU" in kind:
                return True
        return False

    def activate(self, x_window):
        """Brings a window to the front and waits until the program takes it as the active
        window: from then on the keys go to it."""
        x11.activate(x_window)
        self.wait_active(x11.title(x_window))

    def wait_active(self, title, role="dialog"):
        wait_until(lambda: self.is_active(title, role), "the window %r to be active" % title,
                   ignoring=NOT_YET)

    def wait_opened(self, title_pattern, title):
        """Waits for a window to show and to take the focus, as a new window does; keys pressed
        before that could go to the window it takes the focus from."""
        x_window = wait_until(lambda: self.x_window(title_pattern), "a window " + title_pattern)
        self.wait_active(title)
        return x_window

    def wait_closed(self, x_window, title_pattern, title):
        """Waits until a window has gone for the program and for the window manager, which then
        has handed the focus on."""
        wait_until(lambda: ("dialog", title) not in self.windows()
                   and x_window not in self.x_windows(title_pattern)
                   and x11.active_window() != x_window,
                   "the window %r to close" % title, ignoring=NOT_YET)

    def grab(self, x_window, path, title, ink, frame=False):
        """Takes a picture of the window once the object `ink` in it shows drawn (more than one
        colour where it stands): reading its text is no proof that it is painted yet."""
        window = self.top_level(title)
        wx, wy, window_width, _ = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y, width, height = ink.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

        def drawn():
            subprocess.run(["import", "-silent", "-window", x_window, path], check=True)
            image_width = int(subprocess.run(["identify", "-format", "%w", path],
                                             capture_output=True, text=True, check=True).stdout)
            scale = image_width / window_width  # pixels per unit of the accessibility bus
            return colours(path, (round((x - wx) * scale), round((y - wy) * scale),
                                  round(width * scale), round(height * scale))) > 1
        wait_until(drawn, "%r to be drawn" % ink.name)
        if frame:
            subprocess.run(["import", "-silent", "-frame", "-window", x_window, path],
                           check=True)

    def screenshot(self, x_window, name, title, ink):
        if ARTIFACTS:
            self.grab(x_window, os.path.join(ARTIFACTS, name + ".png"), title, ink, frame=True)

    # What a screen reader sees
    def top_level(self, title, role="dialog"):
        return next((window for window in showing_windows(self.app)
                     if window.name == title and role_of(window) == role), None)

    def is_active(self, title, role="dialog"):
        window = self.top_level(title, role)
        return window is not None and pyatspi.STATE_ACTIVE in states(window)

    def has(self, name, role=None):
        try:
            self.find(name, role)
        except AssertionError:
            return False
        return True

    def showing(self, name, role):
        return pyatspi.STATE_SHOWING in states(self.find(name, role))

    def buttons_down(self):
        down = []
        for window in showing_windows(self.app):
            down += [button.name for button in pyatspi.findAllDescendants(
                window, lambda a: role_of(a) == "push button"
                and pyatspi.STATE_PRESSED in states(a))]
        return down

    def button(self, name):
        return self.find(name, "push button")


class DesktopTest(unittest.TestCase):
    def start(self, **kwargs):
        program = Program(**kwargs)
        self.addCleanup(program.end)
        return program

    def assertShows(self, read, expected):
        """Waits until read() gives the expected value, then asserts it, so that a miss shows
        what was there."""
        self.assertEqual(wait_for_value(read, expected, ignoring=NOT_YET), expected)

    def assertFocus(self, program, name):
        self.assertShows(program.focused, name)

    def type_class(self, program, counts):
        """Types counts box by box from the A+ box, moving on with Tab."""
        program.activate(program.main_window)
        for step, grade in typing_steps(counts):
            keys(*step)
            if step == ["Tab"]:
                self.assertFocus(program, grade + " students")
            else:
                self.assertShows(lambda: program.text(grade + " students"), "".join(step))

    def open_from_main(self, program, key, title_pattern, title):
        """Presses a key in the main window and returns the window it opens (or brings to the
        front), once that window has the focus."""
        program.activate(program.main_window)
        keys(key)
        return program.wait_opened(title_pattern, title)

    def dismiss_alert(self, program, expected, back_to=MAIN):
        """Reads the message box, closes it with Enter and waits until the window it came from
        is active again."""
        wait_until(program.alert_active, "a message box with the focus", ignoring=NOT_YET)
        self.assertEqual(program.alert(), expected)
        keys("Return")
        wait_until(lambda: program.alert() is None, "the message box to close",
                   ignoring=NOT_YET)
        program.wait_active(back_to)

    def close_menu(self, program, item):
        """Esc closes the open menu and leaves the keys with the menu bar; a second Esc gives
        them back to the box. One at a time: while the menu is on the screen it holds the
        keyboard, and a second Esc sent too soon would go to the menu."""
        keys("Escape")
        wait_until(lambda: not program.showing(item, "menu item")
                   and not program.menu_on_screen(), "the menu to close", ignoring=NOT_YET)
        keys("Escape")
        self.assertFocus(program, "A+ students")

    def after_a_later_key(self, program, key, focus_moves_to):
        """Presses a harmless key and waits until the focus moves where it sends it: by then
        the program has handled every key before it, so what those did not do, they will not."""
        keys(key)
        self.assertFocus(program, focus_moves_to)


class MainWindowTest(DesktopTest):
    def test_typical_use_end_to_end(self):
        program = self.start()
        self.assertEqual(program.windows(), [("dialog", MAIN)])
        self.assertEqual(program.boxes(), [""] * 10)
        self.assertEqual(program.results(), ("", "", [""] * 10))

        self.type_class(program, MIXED_CLASS.counts)
        keys("Return")
        self.assertShows(program.results,
                         (MIXED_CLASS.gpa, MIXED_CLASS.total, MIXED_CLASS.shares))
        self.assertShows(program.boxes, MIXED_CLASS.boxes_after())
        self.assertShows(lambda: program.has("Calculated", "push button"), True)
        program.screenshot(program.main_window, "main-window-calculated", MAIN,
                           captioned_label(program.app, "GPA is"))

        keys("Escape")
        self.assertShows(program.boxes, [""] * 10)
        self.assertShows(program.results, ("", "", [""] * 10))
        self.assertShows(lambda: program.has("Calculate", "push button"), True)
        self.assertFocus(program, "A+ students")

    def test_tab_order_runs_through_the_boxes_then_the_buttons(self):
        program = self.start()
        order = [g + " students" for g in GRADES] + ["Calculate", "Clear", "Exit"]
        for name in order[1:] + order[:1]:
            keys("Tab")
            self.assertFocus(program, name)
        for name in reversed(order):
            keys("shift+Tab")
            self.assertFocus(program, name)

    def test_enter_and_esc_from_boxes_and_buttons(self):
        program = self.start()
        keys("Tab", "5", "Return")  # Enter in a box calculates
        self.assertShows(lambda: program.result("GPA is"), "3.75")
        keys("Escape")  # Esc in a box clears
        self.assertShows(lambda: program.result("GPA is"), "")

        keys("7")
        self.assertShows(lambda: program.boxes()[0], "7")
        keys(*["Tab"] * 10)  # Calculate
        self.assertFocus(program, "Calculate")
        keys("Return")
        self.assertShows(lambda: program.result("GPA is"), "4")
        keys("Escape")  # Esc on a button clears
        self.assertShows(lambda: program.result("Total Students"), "")
        self.assertFocus(program, "A+ students")

        keys("6", "Return")
        self.assertShows(lambda: program.result("Total Students"), "6")
        keys(*["Tab"] * 11)  # Clear
        self.assertFocus(program, "Clear")
        keys("Return")  # Enter on Clear presses Clear, not Calculate
        self.assertShows(lambda: program.result("Total Students"), "")
        self.assertShows(program.boxes, [""] * 10)

        keys("2", "Return")
        self.assertShows(lambda: program.result("Total Students"), "2")
        keys(*["Tab"] * 12)  # Exit
        self.assertFocus(program, "Exit")
        keys("Escape")  # Esc on Exit still clears
        self.assertShows(lambda: program.result("Total Students"), "")
        self.assertFocus(program, "A+ students")
        keys(*["Tab"] * 12)  # back on Exit: the program handled the Esc and runs on
        self.assertFocus(program, "Exit")
        self.assertTrue(program.running())
        keys("Return")  # Enter on Exit exits
        program.wait_for_exit()

    def test_access_keys(self):
        program = self.start()
        keys("3", "alt+a")
        self.assertShows(lambda: program.result("GPA is"), "4")
        keys("Tab", "1", "alt+a")  # the caption lost its access key: nothing happens
        self.after_a_later_key(program, "Tab", "B+ students")
        # An access key holds its button down at once and clicks it a moment later: no button
        # may be down now, nor may the click have come.
        self.assertEqual(program.buttons_down(), [])
        self.assertEqual(program.result("Total Students"), "3")
        self.assertEqual(program.boxes()[:2], ["3", "1"])
        keys("alt+c")
        self.assertShows(program.boxes, [""] * 10)
        self.assertFocus(program, "A+ students")

        keys("alt+f")
        wait_until(lambda: (("popup menu", "") in program.windows() or
                            program.showing("New", "menu item")) and program.menu_on_screen(),
                   "the File menu", ignoring=NOT_YET)
        self.close_menu(program, "New")
        keys("alt+h")
        wait_until(lambda: program.showing("About", "menu item") and program.menu_on_screen(),
                   "the Help menu", ignoring=NOT_YET)
        self.close_menu(program, "About")
        self.after_a_later_key(program, "Tab", "A students")
        self.assertTrue(program.running())
        keys("alt+x")
        program.wait_for_exit()

    def test_menu_shortcuts(self):
        program = self.start()
        keys("8", "Tab", "Tab", "Tab", "2", "Return")
        self.assertShows(lambda: program.result("Total Students"), "10")
        keys("F1")  # New: empties all but the total
        self.assertShows(program.boxes, [""] * 10)
        self.assertShows(program.results, ("", "10", [""] * 10))
        keys("F2")  # Print, with no printer here
        self.dismiss_alert(program, (MAIN, NO_PRINTER))
        keys("F5")
        program.wait_opened(INSTRUCTIONS, INSTRUCTIONS_TITLE)
        program.activate(program.main_window)
        keys("F6")
        program.wait_opened(ABOUT, ABOUT_TITLE)
        program.activate(program.main_window)
        keys("F9")
        program.wait_for_exit()

    def test_warnings_appear_and_go_with_enter(self):
        program = self.start()
        keys("x")
        self.dismiss_alert(program, (WARNING, INVALID_ENTRY))
        self.assertFocus(program, "A+ students")
        self.assertEqual(program.boxes()[0], "")
        keys("Return")
        self.dismiss_alert(program, (WARNING, MISSING_ENTRY))
        self.after_a_later_key(program, "Tab", "A students")
        self.assertEqual(program.result("GPA is"), "")
        program.button("Calculate")


class HelpWindowsTest(DesktopTest):
    def test_each_help_window_opens_once_and_closes_as_it_should(self):
        program = self.start()
        instructions = self.open_from_main(program, "F5", INSTRUCTIONS, INSTRUCTIONS_TITLE)
        # Again: the window comes to the front, and by then a second one would show.
        self.assertEqual(self.open_from_main(program, "F5", INSTRUCTIONS, INSTRUCTIONS_TITLE),
                         instructions)
        self.assertEqual(program.x_windows(INSTRUCTIONS), [instructions])
        text = program.find(INSTRUCTIONS_TITLE, "dialog")
        lines = [text.getChildAtIndex(i) for i in range(text.childCount)]
        self.assertTrue(any(line.name.startswith("1. Fill in the number of students")
                            for line in lines))
        program.screenshot(instructions, "instructions-window", INSTRUCTIONS_TITLE, next(
            line for line in lines if line.name.startswith("1. Fill in the number")))

        about = self.open_from_main(program, "F6", ABOUT, ABOUT_TITLE)
        self.assertEqual(self.open_from_main(program, "F6", ABOUT, ABOUT_TITLE), about)
        self.assertEqual(program.x_windows(ABOUT), [about])
        version = program.find(VERSION, "label")
        program.screenshot(about, "about-window", ABOUT_TITLE, version)

        # Both are off the taskbar; the main window is on it.
        for window, skips in ((instructions, True), (about, True), (program.main_window, False)):
            state = subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"],
                                   capture_output=True, text=True).stdout
            self.assertEqual("SKIP_TASKBAR" in state, skips)

        program.activate(about)
        keys("Escape")
        program.wait_closed(about, ABOUT, ABOUT_TITLE)  # Esc closes it
        about = self.open_from_main(program, "F6", ABOUT, ABOUT_TITLE)
        program.activate(about)
        keys("Return")
        program.wait_closed(about, ABOUT, ABOUT_TITLE)  # so does Enter

        program.activate(instructions)
        keys("Escape")  # the window has no cancel button: it stays
        # The main window taking the focus comes after the Esc; the program has handled it then.
        program.activate(program.main_window)
        self.assertIn(("dialog", INSTRUCTIONS_TITLE), program.windows())
        program.activate(instructions)
        keys("Return")
        program.wait_closed(instructions, INSTRUCTIONS, INSTRUCTIONS_TITLE)  # OK closes it
        program.activate(program.main_window)
        self.after_a_later_key(program, "Tab", "A students")
        self.assertTrue(program.running())

    def test_closing_the_main_window_leaves_a_help_window_and_the_program_running(self):
        program = self.start()
        instructions = self.open_from_main(program, "F5", INSTRUCTIONS, INSTRUCTIONS_TITLE)
        program.activate(program.main_window)
        keys("alt+F4")
        wait_until(lambda: program.x_window(title_pattern(MAIN)) is None,
                   "the main window to close")
        # The help window taking the focus comes after the close; the program has handled it.
        program.activate(instructions)
        self.assertTrue(program.running())
        self.assertEqual(program.windows(), [("dialog", INSTRUCTIONS_TITLE)])
        keys("Return")
        program.wait_for_exit()

    def test_exit_closes_every_window(self):
        program = self.start()
        self.open_from_main(program, "F5", INSTRUCTIONS, INSTRUCTIONS_TITLE)
        self.open_from_main(program, "F6", ABOUT, ABOUT_TITLE)
        program.activate(program.main_window)
        keys("alt+x")
        program.wait_for_exit()

    def test_system_info_starts_the_program_found_on_path(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        marker = os.path.join(folder, "started")
        tool = os.path.join(folder, "hardinfo")
        with open(tool, "w") as script:
            script.write("#!/bin/sh\ntouch '%s'\n" % marker)
        os.chmod(tool, 0o755)

        program = self.start(path_prefix=folder)
        program.activate(self.open_from_main(program, "F6", ABOUT, ABOUT_TITLE))
        keys("alt+s")
        wait_until(lambda: os.path.exists(marker), "System Info to start the program")
        self.after_a_later_key(program, "Tab", "System Info...")
        self.assertIn(("dialog", ABOUT_TITLE), program.windows())

    def test_system_info_without_a_tool_says_so(self):
        program = self.start()
        program.activate(self.open_from_main(program, "F6", ABOUT, ABOUT_TITLE))
        keys("Tab")
        self.assertFocus(program, "System Info...")
        keys("Return")  # Enter on System Info presses it
        self.dismiss_alert(program, (MAIN, SYSTEM_INFO_UNAVAILABLE), back_to=ABOUT_TITLE)
        self.after_a_later_key(program, "shift+Tab", "OK")
        self.assertIn(("dialog", ABOUT_TITLE), program.windows())


class HighResolutionTest(DesktopTest):
    def window_geometry(self, x_window):
        return x11.geometry(x_window)[2:]

    def test_scale_factor_two_doubles_the_window_and_keeps_its_layout(self):
        normal = self.start()
        self.type_class(normal, TOP_GRADES.counts)
        keys("Return")
        self.assertShows(lambda: normal.result("GPA is"), TOP_GRADES.gpa)
        normal_size = self.window_geometry(normal.main_window)
        normal_shot = os.path.join(tempfile.gettempdir(), "vantrel-scale1-%d.png" % os.getpid())
        normal.grab(normal.main_window, normal_shot, MAIN, captioned_label(normal.app, "GPA is"))
        normal.end()

        large = self.start(scale=2)
        self.type_class(large, TOP_GRADES.counts)
        keys("Return")
        self.assertShows(lambda: large.result("GPA is"), TOP_GRADES.gpa)
        large_size = self.window_geometry(large.main_window)
        self.assertEqual(large_size, (2 * normal_size[0], 2 * normal_size[1]))
        large_shot = os.path.join(ARTIFACTS or tempfile.gettempdir(), "main-window-scale-2.png")
        large.grab(large.main_window, large_shot, MAIN, captioned_label(large.app, "GPA is"))
        # Halved, the large window looks like the normal one: same layout, nothing cut off.
        compared = subprocess.run(
            ["compare", "-metric", "RMSE", "(", large_shot, "-resize", "50%", "-resize", "25%",
             ")", "(", normal_shot, "-resize", "25%", ")", "null:"],
            capture_output=True, text=True)
        difference = float(compared.stderr.split("(")[1].split(")")[0])
        os.remove(normal_shot)
        self.assertLess(difference, 0.07)

