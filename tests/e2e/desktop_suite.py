"""Vantrel as a person uses it: the real program on an X server with a window manager, driven
only from outside with real keys (xdotool), and read the way a screen reader reads it (AT-SPI).

Run by run-suite.sh, which provides the X server, the window manager and the session bus.
Environment: VANTREL_PROGRAM (the executable), VANTREL_ARTIFACTS (a folder for screenshots).
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi

from polling import wait_until

PROGRAM = os.environ["VANTREL_PROGRAM"]
ARTIFACTS = os.environ.get("VANTREL_ARTIFACTS", "")
GRADES = ["A+", "A", "B+", "B", "C+", "C", "D+", "D", "F", "IC"]
INSTRUCTIONS = "^How to use\\.\\.\\.$"  # window titles, as xdotool patterns
ABOUT = "^About Vantrel$"
MISSING_ENTRY = "Please enter the number of students according to their grades"


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    time.sleep(0.3)


def states(accessible):
    try:
        return accessible.getState().getStates()
    except Exception:  # the object went away
        return []


class Program:
    """One run of the program, found on the accessibility bus by its process id."""

    def __init__(self, scale=None, path_prefix=None):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   CUPS_SERVER="/nonexistent/cups.sock")  # no printer
        if scale:
            env["QT_SCALE_FACTOR"] = str(scale)
        if path_prefix:
            env["PATH"] = path_prefix + os.pathsep + env.get("PATH", "")
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.app = wait_until(self._find_app, "the program on the accessibility bus", 15)
        self.main_window = wait_until(lambda: self.x_window("^Vantrel$"), "the main window")
        self.activate(self.main_window)
        wait_until(lambda: self.focused() == "A+ students", "the focus in the A+ box")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue
        return None

    def running(self):
        return self.process.poll() is None

    def wait_for_exit(self):
        wait_until(lambda: not self.running(), "the program to end")

    def end(self):
        if self.running():
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    # Windows, by title
    def x_window(self, title_pattern):
        found = subprocess.run(["xdotool", "search", "--all", "--pid", str(self.process.pid),
                                "--onlyvisible", "--name", title_pattern],
                               capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def x_windows(self, title_pattern):
        return subprocess.run(["xdotool", "search", "--all", "--pid", str(self.process.pid),
                               "--onlyvisible", "--name", title_pattern],
                              capture_output=True, text=True).stdout.split()

    def activate(self, x_window):
        subprocess.run(["xdotool", "windowactivate", "--sync", x_window], check=True)
        time.sleep(0.2)

    def screenshot(self, x_window, name):
        if ARTIFACTS:
            subprocess.run(["import", "-silent", "-frame", "-window", x_window,
                            os.path.join(ARTIFACTS, name + ".png")], check=True)

    # What a screen reader sees
    def windows(self):
        """The program's showing top-level windows as (role, name)."""
        self.app.clear_cache()
        shown = []
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is not None and pyatspi.STATE_SHOWING in states(window):
                shown.append((window.getRoleName(), window.name))
        return shown

    def find(self, name, role=None, with_text=False):
        self.app.clear_cache()
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is None or pyatspi.STATE_SHOWING not in states(window):
                continue
            found = pyatspi.findDescendant(
                window, lambda a: a.name == name and (role is None or a.getRoleName() == role)
                and (not with_text or "Text" in pyatspi.listInterfaces(a)))
            if found is not None:
                return found
        raise AssertionError("nothing named %r on screen" % name)

    def text(self, name):
        text = self.find(name, with_text=True).queryText()
        return text.getText(0, text.characterCount)

    def button(self, name):
        return self.find(name, "push button")

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
        self.app.clear_cache()
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is None or window.getRoleName() != "alert":
                continue
            if pyatspi.STATE_SHOWING not in states(window):
                continue
            label = pyatspi.findDescendant(
                window, lambda a: a.getRoleName() == "label" and a.name not in ("", None))
            return window.name, label.name if label is not None else ""
        return None

    # Reading the main window
    def boxes(self):
        return [self.text(grade + " students") for grade in GRADES]

    def shares(self):
        return [self.text("Share of %s students" % grade) for grade in GRADES]

    def results(self):
        return self.text("GPA"), self.text("Total Students"), self.shares()


class DesktopTest(unittest.TestCase):
    def start(self, **kwargs):
        program = Program(**kwargs)
        self.addCleanup(program.end)
        return program

    def type_class(self, program, counts):
        """Types counts box by box from the A+ box, moving on with Tab."""
        program.activate(program.main_window)
        for index, count in enumerate(counts):
            if count:
                keys(*list(count))
            if index < len(counts) - 1:
                keys("Tab")

    def open_from_main(self, program, key, title_pattern):
        """Presses a key in the main window and returns the window it opens."""
        program.activate(program.main_window)
        keys(key)
        return wait_until(lambda: program.x_window(title_pattern), "a window " + title_pattern)

    def dismiss_alert(self, program, expected):
        wait_until(program.alert, "a message box")
        self.assertEqual(program.alert(), expected)
        keys("Return")
        wait_until(lambda: program.alert() is None, "the message box to close")


class MainWindowTest(DesktopTest):
    def test_typical_use_end_to_end(self):
        program = self.start()
        self.assertEqual(program.windows(), [("dialog", "Vantrel")])
        self.assertEqual(program.boxes(), [""] * 10)
        self.assertEqual(program.results(), ("", "", [""] * 10))

        # A+ 4, B+ 3, D 1, F 2, empty elsewhere: (16 + 10.5 + 1) / 10 = 2.75.
        self.type_class(program, ["4", "", "3", "", "", "", "", "1", "2"])
        keys("Return")
        self.assertEqual(program.results(), ("2.75", "10", [
            "40.00%", "0.00%", "30.00%", "0.00%", "0.00%", "0.00%", "0.00%", "10.00%",
            "20.00%", "0.00%"]))
        self.assertEqual(program.boxes(), ["4", "0", "3", "0", "0", "0", "0", "1", "2", "0"])
        program.button("Calculated")
        program.screenshot(program.main_window, "main-window-calculated")

        keys("Escape")
        self.assertEqual(program.boxes(), [""] * 10)
        self.assertEqual(program.results(), ("", "", [""] * 10))
        program.button("Calculate")
        self.assertEqual(program.focused(), "A+ students")

    def test_tab_order_runs_through_the_boxes_then_the_buttons(self):
        program = self.start()
        order = [g + " students" for g in GRADES] + ["Calculate", "Clear", "Exit"]
        for name in order[1:] + order[:1]:
            keys("Tab")
            self.assertEqual(program.focused(), name)
        for name in reversed(order):
            keys("shift+Tab")
            self.assertEqual(program.focused(), name)

    def test_enter_and_esc_from_boxes_and_buttons(self):
        program = self.start()
        keys("Tab", "5", "Return")  # Enter in a box calculates
        self.assertEqual(program.text("GPA"), "3.75")
        keys("Escape")  # Esc in a box clears
        self.assertEqual(program.text("GPA"), "")

        keys("7")
        keys(*["Tab"] * 10)  # Calculate
        self.assertEqual(program.focused(), "Calculate")
        keys("Return")
        self.assertEqual(program.text("GPA"), "4")
        keys("Escape")  # Esc on a button clears
        self.assertEqual(program.text("Total Students"), "")
        self.assertEqual(program.focused(), "A+ students")

        keys("6", "Return")
        keys(*["Tab"] * 11)  # Clear
        self.assertEqual(program.focused(), "Clear")
        keys("Return")  # Enter on Clear presses Clear, not Calculate
        self.assertEqual(program.text("Total Students"), "")
        self.assertEqual(program.boxes(), [""] * 10)

        keys("2", "Return")
        keys(*["Tab"] * 12)  # Exit
        self.assertEqual(program.focused(), "Exit")
        keys("Escape")  # Esc on Exit still clears
        self.assertEqual(program.text("Total Students"), "")
        self.assertTrue(program.running())
        keys(*["Tab"] * 12, "Return")  # Enter on Exit exits
        program.wait_for_exit()

    def test_access_keys(self):
        program = self.start()
        keys("3", "alt+a")
        wait_until(lambda: program.text("GPA") == "4", "Alt+A to calculate")
        keys("Tab", "1", "alt+a")  # the caption lost its access key: nothing happens
        time.sleep(0.3)
        self.assertEqual(program.text("Total Students"), "3")
        self.assertEqual(program.boxes()[:2], ["3", "1"])
        keys("alt+c")
        wait_until(lambda: program.boxes() == [""] * 10, "Alt+C to clear")
        self.assertEqual(program.focused(), "A+ students")

        keys("alt+f")
        wait_until(lambda: ("popup menu", "") in program.windows() or
                   pyatspi.STATE_SHOWING in states(program.find("New", "menu item")),
                   "the File menu")
        keys("Escape", "Escape")
        keys("alt+h")
        wait_until(lambda: pyatspi.STATE_SHOWING in states(program.find("About", "menu item")),
                   "the Help menu")
        keys("Escape", "Escape")
        self.assertTrue(program.running())
        keys("alt+x")
        program.wait_for_exit()

    def test_menu_shortcuts(self):
        program = self.start()
        keys("8", "Tab", "Tab", "Tab", "2", "Return")
        self.assertEqual(program.text("Total Students"), "10")
        keys("F1")  # New: empties all but the total
        self.assertEqual(program.boxes(), [""] * 10)
        self.assertEqual(program.results(), ("", "10", [""] * 10))
        keys("F2")  # Print, with no printer here
        self.dismiss_alert(program, (
            "Vantrel", "The window could not be printed because no printer is available."))
        keys("F5")
        wait_until(lambda: ("dialog", "How to use...") in program.windows(), "the instructions")
        program.activate(program.main_window)
        keys("F6")
        wait_until(lambda: ("dialog", "About Vantrel") in program.windows(), "the About window")
        program.activate(program.main_window)
        keys("F9")
        program.wait_for_exit()

    def test_warnings_appear_and_go_with_enter(self):
        program = self.start()
        keys("x")
        self.dismiss_alert(program, ("Warning", "Invalid Entry"))
        self.assertEqual(program.focused(), "A+ students")
        self.assertEqual(program.boxes()[0], "")
        keys("Return")
        self.dismiss_alert(program, ("Warning", MISSING_ENTRY))
        self.assertEqual(program.text("GPA"), "")
        program.button("Calculate")


class HelpWindowsTest(DesktopTest):
    def test_each_help_window_opens_once_and_closes_as_it_should(self):
        program = self.start()
        instructions = self.open_from_main(program, "F5", INSTRUCTIONS)
        self.assertEqual(self.open_from_main(program, "F5", INSTRUCTIONS), instructions)
        self.assertEqual(program.x_windows(INSTRUCTIONS), [instructions])
        text = program.find("How to use...", "dialog")
        self.assertTrue(any(
            text.getChildAtIndex(i).name.startswith("1. Fill in the number of students")
            for i in range(text.childCount)))
        program.screenshot(instructions, "instructions-window")

        about = self.open_from_main(program, "F6", ABOUT)
        self.assertEqual(self.open_from_main(program, "F6", ABOUT), about)
        self.assertEqual(program.x_windows(ABOUT), [about])
        program.find("Version 1.0.1", "label")
        program.screenshot(about, "about-window")

        # Both are off the taskbar; the main window is on it.
        for window, skips in ((instructions, True), (about, True), (program.main_window, False)):
            state = subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"],
                                   capture_output=True, text=True).stdout
            self.assertEqual("SKIP_TASKBAR" in state, skips)

        program.activate(about)
        keys("Escape")
        wait_until(lambda: ("dialog", "About Vantrel") not in program.windows(), "Esc to close")
        program.activate(self.open_from_main(program, "F6", ABOUT))
        keys("Return")
        wait_until(lambda: ("dialog", "About Vantrel") not in program.windows(), "Enter to close")

        program.activate(instructions)
        keys("Escape")
        time.sleep(0.3)
        self.assertIn(("dialog", "How to use..."), program.windows())
        keys("Return")
        wait_until(lambda: ("dialog", "How to use...") not in program.windows(), "OK to close")
        self.assertTrue(program.running())

    def test_closing_the_main_window_leaves_a_help_window_and_the_program_running(self):
        program = self.start()
        instructions = self.open_from_main(program, "F5", INSTRUCTIONS)
        program.activate(program.main_window)
        keys("alt+F4")
        wait_until(lambda: program.x_window("^Vantrel$") is None, "the main window to close")
        time.sleep(0.3)
        self.assertTrue(program.running())
        self.assertEqual(program.windows(), [("dialog", "How to use...")])
        program.activate(instructions)
        keys("Return")
        program.wait_for_exit()

    def test_exit_closes_every_window(self):
        program = self.start()
        self.open_from_main(program, "F5", INSTRUCTIONS)
        self.open_from_main(program, "F6", ABOUT)
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
        program.activate(self.open_from_main(program, "F6", ABOUT))
        keys("alt+s")
        wait_until(lambda: os.path.exists(marker), "System Info to start the program")
        self.assertIn(("dialog", "About Vantrel"), program.windows())

    def test_system_info_without_a_tool_says_so(self):
        program = self.start()
        program.activate(self.open_from_main(program, "F6", ABOUT))
        keys("Tab", "Return")  # Enter on System Info presses it
        self.dismiss_alert(program, ("Vantrel", "System Information Is Unavailable At This Time"))
        self.assertIn(("dialog", "About Vantrel"), program.windows())


class HighResolutionTest(DesktopTest):
    def window_geometry(self, x_window):
        out = subprocess.run(["xdotool", "getwindowgeometry", x_window], capture_output=True,
                             text=True).stdout
        size = out.split("Geometry:")[1].split()[0]
        return tuple(int(v) for v in size.split("x"))

    def test_scale_factor_two_doubles_the_window_and_keeps_its_layout(self):
        normal = self.start()
        self.type_class(normal, ["4", "", "3"])
        keys("Return")
        normal_size = self.window_geometry(normal.main_window)
        normal_shot = os.path.join(tempfile.gettempdir(), "vantrel-scale1-%d.png" % os.getpid())
        subprocess.run(["import", "-silent", "-window", normal.main_window, normal_shot],
                       check=True)
        normal.end()

        large = self.start(scale=2)
        self.type_class(large, ["4", "", "3"])
        keys("Return")
        self.assertEqual(large.text("GPA"), "3.79")
        large_size = self.window_geometry(large.main_window)
        self.assertEqual(large_size, (2 * normal_size[0], 2 * normal_size[1]))
        large_shot = os.path.join(ARTIFACTS or tempfile.gettempdir(), "main-window-scale-2.png")
        subprocess.run(["import", "-silent", "-window", large.main_window, large_shot],
                       check=True)
        # Halved, the large window looks like the normal one: same layout, nothing cut off.
        compared = subprocess.run(
            ["compare", "-metric", "RMSE", "(", large_shot, "-resize", "50%", "-resize", "25%",
             ")", "(", normal_shot, "-resize", "25%", ")", "null:"],
            capture_output=True, text=True)
        difference = float(compared.stderr.split("(")[1].split(")")[0])
        os.remove(normal_shot)
        self.assertLess(difference, 0.07)


if __name__ == "__main__":
    pyatspi.Registry.getDesktop(0)  # starts the accessibility bus before any program
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print("%d passed, %d failed" % (result.testsRun - failed, failed))
    sys.exit(1 if failed else 0)
