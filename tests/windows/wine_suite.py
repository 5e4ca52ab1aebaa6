# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Vantrel for Windows as a person uses it: the real vantrel.exe and its installer under Wine, on
an X server with a window manager, driven only with real keys (xdotool) and read from the screen
as a person reads it: screenshots of the labels, read with tesseract.

Run by run-wine-suite.sh, which provides the X server, the window manager and a fresh Wine
prefix, through run_suite.py. Environment: VANTREL_EXE, VANTREL_MSI, VANTREL_ARTIFACTS,
VANTREL_DESIGN, WINEPREFIX.
"""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

import x11
from expected import (ABOUT, AUTHOR, INSTRUCTIONS, INVALID_ENTRY, MAIN, MISSING_ENTRY,
                      MIXED_CLASS, NO_PRINTER, SYSTEM_INFO_UNAVAILABLE, VERSION, VERSION_NUMBER,
                      WARNING, design, title_pattern, typing_steps)
from polling import wait_until

WINE = "/usr/lib/wine/wine64"
EXE = os.environ["VANTREL_EXE"]
MSI = os.environ["VANTREL_MSI"]
ARTIFACTS = os.environ.get("VANTREL_ARTIFACTS", "")
PREFIX = os.environ["WINEPREFIX"]
DRIVE_C = os.path.join(PREFIX, "drive_c")

# Window titles, as xdotool patterns
MAIN_WINDOW = title_pattern(MAIN)
INSTRUCTIONS_WINDOW = title_pattern(INSTRUCTIONS)
ABOUT_WINDOW = title_pattern(ABOUT)
WARNING_WINDOW = title_pattern(WARNING)
SYSTEM_INFORMATION_WINDOW = title_pattern("About System Information")  # Wine's msinfo32

# Wine is slower to start and draw than a native program: seconds to wait for what it does.
SLOW = 30

# The prefix runs at 192 dots per inch, a 200 % display: the windows are twice their design
# size, and their text is large enough to be read back without mistakes.
SCALE = 2

# The main window's client area below the menu bar, and where its labels and boxes stand, in
# pixels at 96 dots per inch, as (left, top, width, height): the design's own.
DESIGN = design()
CLIENT_WIDTH, CLIENT_HEIGHT = DESIGN["client"]
TOTAL_CAPTION = DESIGN["total_caption"]
GPA = DESIGN["gpa"]
TOTAL = DESIGN["total"]


def share(index):
    return DESIGN["shares"][index]


def box(index):
    # Inside the sunken border.
    left, top, width, height = DESIGN["boxes"][index]
    return (left + 3, top + 3, width - 6, height - 6)


def box_body(index):
    # Right of where the caret stands in an empty box.
    left, top, width, height = DESIGN["boxes"][index]
    return (left + 8, top + 3, width - 11, height - 6)


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def keys(*names):
    x11.keys(*names, delay=40)


def window_manager_running():
    check = run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout.split()
    return bool(check) and run("xprop", "-id", check[-1], "_NET_WM_NAME").returncode == 0


def activate(x_window):
    try:
        x11.activate(x_window, SLOW)
    except AssertionError:
        if not window_manager_running():
            raise AssertionError("the window manager has stopped")
        raise


def stacked_above(upper, lower):
    """True when the window manager stacks one window above the other."""
    listed = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING").stdout.split("#")[-1]
    order = [int(w.strip(), 16) for w in listed.split(",") if w.strip()]  # bottom to top
    return (int(upper) in order and int(lower) in order
            and order.index(int(upper)) > order.index(int(lower)))


class Screen:
    """One screenshot of a window, and what can be read off it."""

    def __init__(self, x_window):
        self.folder = tempfile.mkdtemp()
        self.path = os.path.join(self.folder, "window.png")
        run("import", "-silent", "-window", x_window, self.path, check=True)
        # The client area below the menu bar has the design's height.
        _, _, self.width, self.height = x11.geometry(x_window)
        self.client_top = self.height - CLIENT_HEIGHT * SCALE

    def __del__(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def crop(self, area):
        left, top, width, height = (value * SCALE for value in area)
        out = os.path.join(self.folder, "crop-%d-%d.png" % (left, top))
        run("convert", self.path, "-crop",
            "%dx%d+%d+%d" % (width, height, left, top + self.client_top), "+repage",
            "-colorspace", "Gray", "-bordercolor", "white", "-border", "40", out, check=True)
        return out

    def number(self, area):
        """The figure shown in an area: digits, "." and "%" only."""
        text = run("tesseract", self.crop(area), "stdout", "--psm", "7", "-c",
                   "tessedit_char_whitelist=0123456789.%", check=True).stdout
        return text.strip()

    def blank(self, area):
        """True when nothing is drawn in the area: no pixel darker than mid grey."""
        darkest = run("convert", self.crop(area), "-format", "%[fx:minima]", "info:",
                      check=True).stdout
        return float(darkest) > 0.5

    def text(self):
        """All the words of the window, in one line."""
        out = os.path.join(self.folder, "all.png")
        run("convert", self.path, "-colorspace", "Gray", out, check=True)
        return " ".join(run("tesseract", out, "stdout", check=True).stdout.split())

    def icon(self):
        """The message box's icon, told by its colours as a person tells them apart: Wine draws
        the exclamation mark on an orange triangle, the information sign on a blue disc and the
        error sign on a red one; the rest of a box is black, white and grey."""
        pixels = subprocess.run(["convert", self.path, "-depth", "8", "rgb:-"],
                                capture_output=True, check=True).stdout
        kinds = {"exclamation": 0, "information": 0, "error": 0}
        for i in range(0, len(pixels) - 2, 3):
            red, green, blue = pixels[i], pixels[i + 1], pixels[i + 2]
            if max(red, green, blue) - min(red, green, blue) < 96:
                continue  # a grey
            if red >= green >= blue and green >= 0.4 * red:
                kinds["exclamation"] += 1  # orange, as the triangle
            elif red >= green >= blue:
                kinds["error"] += 1  # red, as the error sign's disc
            elif blue >= max(red, green):
                kinds["information"] += 1
        shown = [kind for kind, count in kinds.items() if count >= 50]
        if not shown:
            return "none"
        return shown[0] if len(shown) == 1 else "unclear %r" % kinds

    def keep(self, name):
        if ARTIFACTS:
            shutil.copy(self.path, os.path.join(ARTIFACTS, "wine-" + name + ".png"))


class Program:
    """One run of vantrel.exe under Wine."""

    def __init__(self, exe=EXE, environment=None):
        self.process = subprocess.Popen([WINE, exe], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, env=environment)
        # Wine may replace the first X window it maps; the one that shows its text stays.
        self.main_window = wait_until(
            lambda: next((w for w in x11.windows(MAIN_WINDOW) if self.drawn(w)), None),
            "the main window drawn", 60)
        activate(self.main_window)

    @staticmethod
    def drawn(x_window):
        try:
            return not Screen(x_window).blank(TOTAL_CAPTION)
        except subprocess.CalledProcessError:  # the window went away meanwhile
            return False

    def running(self):
        return self.process.poll() is None

    def end(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        run(WINE, "taskkill", "/f", "/im", "vantrel.exe")
        wait_until(lambda: x11.window(MAIN_WINDOW) is None, "the main window to go", SLOW)

    def screen(self):
        return Screen(self.main_window)

    def results(self):
        screen = self.screen()
        return (screen.number(GPA), screen.number(TOTAL),
                [screen.number(share(i)) for i in range(10)])

    def boxes(self, but=None):
        """The counts in the boxes; the one with the focus (and its caret) is read as None."""
        screen = self.screen()
        return [None if i == but else screen.number(box(i)) for i in range(10)]

    def window_is_empty(self):
        """No figure on the window; the focus is in the A+ box."""
        screen = self.screen()
        areas = ([GPA, TOTAL, box_body(0)] + [share(i) for i in range(10)]
                 + [box(i) for i in range(1, 10)])
        return all(screen.blank(area) for area in areas)

    def message(self, pattern):
        """Waits for a message box (not the main window) and returns its words."""
        box_window = wait_until(
            lambda: next((w for w in x11.windows(pattern) if w != self.main_window), None),
            "a message box " + pattern, SLOW)
        # Wine draws the box's text a moment after mapping it.
        return box_window, wait_until(lambda: Screen(box_window).text(), "the message's text",
                                      SLOW)

    def dismiss(self, box_window):
        activate(box_window)
        keys("Return")
        wait_until(lambda: box_window not in x11.windows("."), "the message box to close", SLOW)


class WineTest(unittest.TestCase):
    def start(self, exe=EXE, environment=None):
        program = Program(exe, environment)
        self.addCleanup(program.end)
        return program

    def type_class(self, counts):
        for step, _ in typing_steps(counts):
            keys(*step)

    def assertMessage(self, program, pattern, expected, icon):
        """Checks the message box's text and its icon ("exclamation" or "none")."""
        box_window, words = program.message(pattern)
        self.assertIn(expected, words)
        self.assertEqual(Screen(box_window).icon(), icon, expected)
        return box_window


class MainWindowTest(WineTest):
    def test_a_class_typed_and_calculated_then_cleared_with_esc(self):
        program = self.start()
        self.assertTrue(program.window_is_empty())
        screen = program.screen()
        self.assertEqual(screen.width, CLIENT_WIDTH * SCALE)

        self.type_class(MIXED_CLASS.counts)
        keys("Return")
        wait_until(lambda: program.screen().number(GPA) == MIXED_CLASS.gpa, "the GPA", SLOW)
        self.assertEqual(program.results(),
                         (MIXED_CLASS.gpa, MIXED_CLASS.total, MIXED_CLASS.shares))
        # The F box, where Enter was pressed, holds the caret.
        boxes = MIXED_CLASS.boxes_after()
        boxes[8] = None
        self.assertEqual(program.boxes(but=8), boxes)
        program.screen().keep("main-window-calculated")

        keys("Escape")
        wait_until(program.window_is_empty, "Esc to clear the window", SLOW)

    def test_refused_keys_warn_and_leave_the_box_as_it_was(self):
        program = self.start()
        keys("7")
        for key in ("x", "period", "minus", "space", "ctrl+v"):
            with self.subTest(key=key):
                keys(key)
                box_window = self.assertMessage(program, WARNING_WINDOW, INVALID_ENTRY, "none")
                if key == "x":
                    Screen(box_window).keep("invalid-entry")
                program.dismiss(box_window)
        # Only the digits went in: the box counts 78 students.
        keys("8", "Return")
        wait_until(lambda: program.screen().number(TOTAL) == "78", "the total of 78", SLOW)

    def test_calculate_with_nothing_entered_warns_and_changes_nothing(self):
        program = self.start()
        keys("Tab", "0", "Return")
        box_window = self.assertMessage(program, WARNING_WINDOW, MISSING_ENTRY, "exclamation")
        Screen(box_window).keep("missing-entry")
        program.dismiss(box_window)
        screen = program.screen()
        self.assertTrue(all(screen.blank(area) for area in [GPA, TOTAL, box(0)]))

    def test_print_without_a_printer_says_so(self):
        program = self.start()
        keys("F2")
        box_window = self.assertMessage(program, MAIN_WINDOW, NO_PRINTER, "exclamation")
        program.dismiss(box_window)


class HelpWindowsTest(WineTest):
    def open_from_main(self, program, key, pattern):
        """Presses a key in the main window; the window it opens or brings forward comes to
        stand above the main window. (Under Wine with openbox a window brought forward this
        way is raised but does not take the focus.)"""
        activate(program.main_window)
        keys(key)
        found = wait_until(lambda: x11.window(pattern), "a window " + pattern, SLOW)
        wait_until(lambda: stacked_above(found, program.main_window),
                   "the window to come forward", SLOW)
        return found

    def test_f5_and_f6_open_each_help_window_once(self):
        program = self.start()
        for key, title, name in (("F5", INSTRUCTIONS_WINDOW, "instructions"),
                                 ("F6", ABOUT_WINDOW, "about")):
            first = self.open_from_main(program, key, title)
            Screen(first).keep(name)
            again = self.open_from_main(program, key, title)
            self.assertEqual(again, first)
            self.assertEqual(x11.windows(title), [first])
        words = Screen(x11.window(ABOUT_WINDOW)).text()
        self.assertIn(VERSION, words)

    def test_system_info_starts_the_tool_named_in_the_registry(self):
        program = self.start()
        key = "HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"
        run(WINE, "reg", "add", key, "/v", "PATH", "/t", "REG_SZ", "/d",
            "C:\\windows\\system32\\msinfo32.exe", "/f", "/reg:64", check=True)
        self.addCleanup(run, WINE, "reg", "delete", key, "/f", "/reg:64")
        self.addCleanup(run, WINE, "taskkill", "/f", "/im", "msinfo32.exe")
        about = self.open_from_main(program, "F6", ABOUT_WINDOW)
        keys("alt+s")
        wait_until(lambda: x11.window(SYSTEM_INFORMATION_WINDOW), "the system-information tool",
                   SLOW)
        self.assertEqual(x11.windows(ABOUT_WINDOW), [about])

    def test_system_info_without_registry_entries_says_it_is_unavailable(self):
        program = self.start()
        self.open_from_main(program, "F6", ABOUT_WINDOW)
        keys("alt+s")
        box_window = self.assertMessage(program, MAIN_WINDOW, SYSTEM_INFO_UNAVAILABLE, "none")
        program.dismiss(box_window)
        self.assertIsNotNone(x11.window(ABOUT_WINDOW))

    def test_a_help_window_outlives_the_main_window_and_the_program_ends_with_it(self):
        program = self.start()
        about = self.open_from_main(program, "F6", ABOUT_WINDOW)
        activate(program.main_window)
        keys("alt+F4")
        wait_until(lambda: x11.window(MAIN_WINDOW) is None, "the main window to close", SLOW)
        # The program still answers: the About window's System Info gives its message.
        activate(about)
        keys("alt+s")
        box_window = self.assertMessage(program, MAIN_WINDOW, SYSTEM_INFO_UNAVAILABLE, "none")
        program.dismiss(box_window)
        activate(about)
        keys("Escape")
        wait_until(lambda: not program.running(), "the program to end with its last window", SLOW)

    def test_exit_ends_the_program_and_every_window(self):
        for key in ("alt+x", "F9"):
            with self.subTest(key=key):
                program = self.start()
                self.open_from_main(program, "F5", INSTRUCTIONS_WINDOW)
                self.open_from_main(program, "F6", ABOUT_WINDOW)
                activate(program.main_window)
                keys(key)
                wait_until(lambda: not program.running(), "the program to end", SLOW)
                for title in (MAIN_WINDOW, INSTRUCTIONS_WINDOW, ABOUT_WINDOW):
                    self.assertEqual(x11.windows(title), [])


class ScreenReaderTest(WineTest):
    """What the program tells a Windows screen reader by itself. No Wine passes a UI Automation
    notification on to a reader, so the program is started with the stand-in UI Automation core
    that run-wine-suite.sh puts in the prefix, which writes down every call made to it."""

    def start_with_reader(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        self.record = os.path.join(folder, "ui-automation.txt")
        environment = dict(os.environ,
                           VANTREL_UIA_RECORD="Z:" + self.record.replace("/", "\\"),
                           WINEDLLOVERRIDES=os.environ["WINEDLLOVERRIDES"] + ";uiautomationcore=n")
        program = self.start(environment=environment)
        # A screen reader asks the window for its UI Automation root when it meets it.
        asked = run(WINE, os.environ["VANTREL_UIA_ASK"], MAIN)
        self.assertEqual(asked.returncode, 0, "no window answered")
        self.assertIn(["UiaReturnRawElementProvider", "-25"], self.calls())
        return program

    def calls(self):
        try:
            with open(self.record, encoding="utf-8") as record:
                return [line.rstrip("\n").split("\t") for line in record]
        except FileNotFoundError:
            return []

    def notifications(self):
        """Each notification raised: kind, processing, text, activity id, and the raising
        element's name and control type."""
        return [call[1:] for call in self.calls() if call[0] == "UiaRaiseNotificationEvent"]

    def test_a_calculated_class_is_announced_once_and_nothing_else_is(self):
        program = self.start_with_reader()
        # Warnings speak for themselves, and an emptied window has no result to say.
        keys("Return")
        program.dismiss(self.assertMessage(program, WARNING_WINDOW, MISSING_ENTRY, "exclamation"))
        keys("x")
        program.dismiss(self.assertMessage(program, WARNING_WINDOW, INVALID_ENTRY, "none"))
        keys("3", "Escape", "Tab", "5", "F1")
        wait_until(program.window_is_empty, "Esc and New to clear the window", SLOW)
        self.assertEqual(self.notifications(), [])

        self.type_class(MIXED_CLASS.counts)
        keys("Return")
        wait_until(lambda: program.screen().number(GPA) == MIXED_CLASS.gpa, "the GPA", SLOW)
        # Raised as the result is set, before it is drawn; one for the one Calculate.
        heard = self.notifications()
        self.assertEqual(len(heard), 1, heard)
        kind, processing, text, activity, name, control_type = heard[0]
        self.assertEqual((kind, text, activity), ("Other", MIXED_CLASS.announcement(), ""))
        # Said at once, over what the reader was saying about the typing.
        self.assertIn(processing, ("ImportantAll", "ImportantMostRecent"))
        # Raised by the main window (UIA_WindowControlTypeId), so that a reader takes it for the
        # application in the foreground's.
        self.assertEqual((name, control_type), (MAIN, "50032"))


def msi_property(name, msi=MSI):
    table = run("msiinfo", "export", msi, "Property", check=True).stdout
    for line in table.splitlines():
        if line.startswith(name + "\t"):
            return line.split("\t", 1)[1].strip()
    raise AssertionError("the installer has no property " + name)


class InstallerTest(unittest.TestCase):
    folder = os.path.join(DRIVE_C, "Program Files", "Vantrel")

    def shortcuts(self):
        """The Start menu's shortcuts to Vantrel, for all users or this one (Wine's choice)."""
        found = []
        for folder, _, files in os.walk(DRIVE_C):
            if folder.endswith(os.path.join("Start Menu", "Programs")) and "Vantrel.lnk" in files:
                found.append(os.path.join(folder, "Vantrel.lnk"))
        return found

    def msiexec(self, *arguments):
        result = run(WINE, "msiexec", *arguments, timeout=300)
        self.assertEqual(result.returncode, 0, result.stderr)

    def uninstall_entry(self):
        key = ("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
               + msi_property("ProductCode"))
        result = run(WINE, "reg", "query", key, "/reg:64")
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.splitlines():
            parts = re.split(r"\s{4}", line.strip())
            if len(parts) == 3:
                values[parts[0]] = parts[2]
        return values

    def test_installs_starts_and_uninstalls_silently(self):
        msi = "Z:" + os.path.abspath(MSI).replace("/", "\\")
        self.msiexec("/i", msi, "/qn")
        self.assertTrue(os.path.isfile(os.path.join(self.folder, "vantrel.exe")))
        # The licence and the third-party notices beside the program, as built.
        for name in ("LICENSE.txt", "THIRD-PARTY-NOTICES.txt"):
            with open(os.path.join(self.folder, name), "rb") as installed, \
                    open(os.path.join(os.path.dirname(EXE), name), "rb") as built:
                self.assertEqual(installed.read(), built.read(), name)
        self.assertEqual(len(self.shortcuts()), 1)
        entry = self.uninstall_entry()
        self.assertIsNotNone(entry)
        self.assertEqual((entry.get("DisplayName"), entry.get("DisplayVersion"),
                          entry.get("Publisher")), (MAIN, VERSION_NUMBER, AUTHOR))

        # Installing the same version again keeps what is there.
        self.msiexec("/i", msi, "/qn")
        self.assertTrue(os.path.isfile(os.path.join(self.folder, "vantrel.exe")))
        self.assertIsNotNone(self.uninstall_entry())

        program = Program("C:\\Program Files\\Vantrel\\vantrel.exe")
        activate(program.main_window)
        keys("alt+x")
        wait_until(lambda: not program.running(), "the installed program to end", SLOW)

        self.msiexec("/x", msi, "/qn")
        self.assertFalse(os.path.exists(self.folder))
        self.assertEqual(self.shortcuts(), [])
        self.assertIsNone(self.uninstall_entry())

    def installed_versions(self):
        """DisplayVersion of every uninstall entry named Vantrel."""
        listing = run(WINE, "reg", "query",
                      "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", "/s",
                      "/reg:64").stdout.replace("\r", "")
        versions = []
        for block in listing.split("\n\n"):
            values = {}
            for line in block.splitlines():
                parts = re.split(r"\s{4}", line.strip())  # name, type, value
                if line.startswith("    ") and len(parts) == 3:
                    values[parts[0]] = parts[2]
            if values.get("DisplayName") == MAIN:
                versions.append(values.get("DisplayVersion"))
        return versions

    def test_a_later_version_replaces_this_one(self):
        # The same installer as version 1.0.2, with its own product code.
        folder = tempfile.mkdtemp(dir=os.path.dirname(os.path.abspath(MSI)))
        self.addCleanup(shutil.rmtree, folder)
        built = os.path.dirname(os.path.abspath(MSI))
        with open(os.path.join(built, "vantrel.wxs")) as source:
            wxs = source.read()
        wxs = re.sub(r'Product Id="[^"]+"', 'Product Id="6A0C1D2E-3F40-5162-7384-95A6B7C8D9E0"',
                     wxs).replace('Version="%s"' % VERSION_NUMBER, 'Version="1.0.2"')
        wxs = wxs.replace('Source="', 'Source="../').replace('SourceFile="', 'SourceFile="../')
        with open(os.path.join(folder, "later.wxs"), "w") as out:
            out.write(wxs)
        later = os.path.join(folder, "later.msi")
        run("wixl", "-a", "x64", "-o", later, os.path.join(folder, "later.wxs"), check=True)
        self.assertEqual(msi_property("UpgradeCode", later), msi_property("UpgradeCode"))

        self.msiexec("/i", "Z:" + os.path.abspath(MSI).replace("/", "\\"), "/qn")
        self.assertEqual(self.installed_versions(), [VERSION_NUMBER])
        self.msiexec("/i", "Z:" + later.replace("/", "\\"), "/qn")
        self.assertEqual(self.installed_versions(), ["1.0.2"])
        self.assertTrue(os.path.isfile(os.path.join(self.folder, "vantrel.exe")))
        self.msiexec("/x", "Z:" + later.replace("/", "\\"), "/qn")
        self.assertEqual(self.installed_versions(), [])
        self.assertFalse(os.path.exists(self.folder))

