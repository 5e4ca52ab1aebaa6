# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a real screen reader, Orca, says while a person uses Vantrel with the keyboard.

Orca runs with its speech on but no speech server to reach, so it says nothing aloud and writes
every utterance to its debug log as SPEECH OUTPUT lines; the tests wait for those. Run by
run-suite.sh, which provides the session bus, the X server and the window manager, through
run_suite.py.
Environment: VANTREL_PROGRAM (the executable), VANTREL_ARTIFACTS (a folder for orca.log).
"""

import os
import re
import subprocess
import tempfile
import threading
import tty
import unittest

from accessibility import application_of, press_button, showing_windows, spoken_role
from expected import (ABOUT, ABOUT_TITLE_LINE, CREDIT, GRADES, INVALID_ENTRY, MAIN,
                      MISSING_ENTRY, MIXED_CLASS, MIXED_CLASS_WITH_IC, program_environment,
                      title_pattern, typing_keys)
from polling import wait_until
import x11

PROGRAM = os.environ["VANTREL_PROGRAM"]
ARTIFACTS = os.environ.get("VANTREL_ARTIFACTS") or tempfile.mkdtemp()
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(\{.*\})?$")
SLOW = 60  # seconds for Orca or the program to start on a busy machine
SPOKEN = 30  # seconds for an utterance after the key that causes it

# Speech on, with no speech server, rather than speech off (-d speech): Orca 48 writes the
# messages it presents, announcements among them, only while its speech is on.
NO_SPEECH_SERVER = {"SPEECHD_ADDRESS": "unix_socket:/nonexistent/speechd.sock",
                    "SPEECHD_CMD": "/nonexistent/speech-dispatcher"}
# The last line Orca writes before it starts handling events: Orca 43, then Orca 48.
READY = ("ORCA: Startup complete", "ORCA: Starting Atspi main event loop")
# The result after Calculate, as a notification object says it ("notification GPA is ...", a
# program built with Qt 6.4) or as an announcement ("GPA is ...", Qt 6.8 and later).
RESULT = re.compile(r"^(notification )?(GPA is [0-9.]+, Total Students [0-9]+)\.?$")
# Orca 48 writes where its focus is, and every 2 s that it forgets what it has generated.
FOCUS = re.compile(r"FOCUS MANAGER: Locus of focus is \[([a-z ]+): '(.*)'\]")
CACHE_CLEARED = "GENERATOR: Clearing cache."



def orca_version():
    """The major version of the Orca that is installed."""
    out = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    found = re.search(r"(\d+)\.\d+", out)
    if found is None:
        raise RuntimeError("Orca's version cannot be read from %r" % out)
    return int(found.group(1))


# Orca 48 differs from Orca 43 where a person hears it too (see README, Screen readers): the
# suite allows for each difference with Orca 48 only, and holds Orca 43 to what it says.
ORCA_48 = orca_version() >= 48

EMPTY_WINDOW = MAIN + " dialog " + ", ".join(GRADES) + ". Total Students. GPA is. " + CREDIT + "."


def calculated_window(graded):
    """The main window as Orca reads it when it comes up with a class calculated."""
    shares = ", ".join(grade + " " + share for grade, share in zip(GRADES, graded.shares))
    return "%s dialog %s. Total Students %s. GPA is %s. %s." % (MAIN, shares, graded.total,
                                                               graded.gpa, CREDIT)


def same(said, text):
    """Whether Orca said the text: it ends an utterance with a full stop or not, depending on
    what it speaks next."""
    return said.rstrip(".") == text.rstrip(".")


def window_reading(said):
    """What Orca said as a window came up, with the window's description once. Orca 48 says it
    twice when it comes to the window from a control of another window (here, the About window's
    OK pressed): it takes the description for the window's text, then says it as its description,
    which it leaves out only when it was on the window itself before. Orca 43 says it once."""
    said = said.rstrip(".")
    if not ORCA_48:
        return said
    _, _, description = said.partition(" dialog ")
    half = len(description) // 2
    if description and description[:half].strip() == description[half:].strip():
        return said[:len(said) - half - 1].rstrip()
    return said


def keys(*names):
    x11.keys(*names, delay=60)


class ScreenReader:
    """Orca on a private accessibility bus, and what it has said so far."""

    def __init__(self):
        self._lock = threading.Lock()
        self._utterances = []
        self._focus = []  # (utterances said by then, role, name)
        self._caches_cleared = 0
        self._started = False
        self._log = open(os.path.join(ARTIFACTS, "orca.log"), "wb")
        self._prefs = tempfile.mkdtemp()  # Orca's defaults, not this user's settings
        self.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_until(self._bus_is_up, "the accessibility bus", SLOW)

        # Orca opens its debug file as a Python file: on a terminal each line is written at
        # once, on a plain file only when a buffer fills.
        master, terminal = os.openpty()
        tty.setraw(terminal)
        # Its own process namespace, because --replace kills, and a second Orca refuses to start
        # beside, every Orca of this user on the machine.
        self.orca = subprocess.Popen(
            ["unshare", "--pid", "--mount-proc", "--kill-child", "orca", "--replace",
             "--user-prefs", self._prefs, "--debug-file", os.ttyname(terminal)],
            stdout=self._log, stderr=subprocess.STDOUT, env=dict(os.environ, **NO_SPEECH_SERVER))
        self._reader = threading.Thread(target=self._read, args=(master,), daemon=True)
        self._reader.start()
        try:
            wait_until(lambda: self._started, "Orca to start", SLOW)
        finally:
            os.close(terminal)  # Orca holds it now; its end ends the reading

    def _bus_is_up(self):
        reply = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
             "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
            capture_output=True, text=True)
        return "boolean true" in reply.stdout

    def _read(self, master):
        pending = b""
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:  # the other end closed
                break
            if not chunk:
                break
            pending += chunk
            lines = pending.split(b"\n")
            pending = lines.pop()
            with self._lock:
                self._log.write(chunk)
                self._log.flush()
                for line in lines:
                    text = line.decode("utf-8", "replace")
                    if any(marker in text for marker in READY):
                        self._started = True
                    found = SPEECH.search(text)
                    if found:
                        self._utterances.append(found.group(1))
                    focus = FOCUS.search(text)
                    if focus:
                        self._focus.append((len(self._utterances), focus.group(1),
                                            focus.group(2)))
                    if CACHE_CLEARED in text:
                        self._caches_cleared += 1
        os.close(master)

    def note(self, text):
        """Writes a line of ours into the saved log, for a person reading it."""
        with self._lock:
            self._log.write(("\n===== %s\n" % text).encode())
            self._log.flush()

    def mark(self):
        """A point in what Orca has said, for waiting for what it says after it."""
        with self._lock:
            return len(self._utterances)

    def said_since(self, mark):
        with self._lock:
            return self._utterances[mark:]

    def wait_for(self, mark, wanted, what, timeout=SPOKEN):
        """Waits until Orca says, after mark, an utterance for which wanted is true; returns
        its place and its text."""

        def find():
            for place, text in enumerate(self.said_since(mark), mark):
                if wanted(text):
                    return place, text
            return None

        try:
            return wait_until(find, what, timeout)
        except AssertionError:
            raise AssertionError("Orca did not say %s; it said %r" % (what,
                                                                     self.said_since(mark)))

    def wait_for_text(self, mark, text):
        return self.wait_for(mark, lambda said: same(said, text), repr(text))

    def wait_for_result(self, mark, result):
        """Waits until Orca says, after mark, the result of a calculation."""
        return self.wait_for(mark, lambda said: RESULT.match(said) is not None
                             and RESULT.match(said).group(2) == result, repr(result))

    def results(self, mark, end):
        """The results of calculations that Orca said from mark up to end."""
        return [found.group(2) for found in map(RESULT.match, self.said_since(mark)[:end - mark])
                if found is not None]

    def wait_for_focus(self, mark, role, name):
        """Waits until, after mark, Orca says the control, or, with Orca 48, takes its focus to
        it without a word: Orca 48 does that when a key comes while its focus is still on a
        window."""
        spoken = spoken_role(role)

        def focused():
            with self._lock:
                return ORCA_48 and any(at >= mark and (said_role, said_name) == (spoken, name)
                                       for at, said_role, said_name in self._focus)

        try:
            wait_until(lambda: focused() or any(same(said, "%s %s." % (name, spoken))
                                                 for said in self.said_since(mark)),
                       repr(name), SPOKEN)
        except AssertionError:
            raise AssertionError("Orca did not go to %r; it said %r" % (name,
                                                                       self.said_since(mark)))

    def wait_until_it_forgets(self):
        """Waits until Orca forgets what it generated so far, where it keeps it for a while.
        Orca 48 keeps it by the object's hash, which the next object may take over, and forgets
        it every 2 s from a thread of its own: until then it would read a window as it was; and
        when it forgets in the middle of a reading, it says a window's description twice. So the
        key that makes it read comes just after it forgets."""
        with self._lock:
            cleared = self._caches_cleared
        if cleared:
            wait_until(lambda: self._caches_cleared > cleared, "Orca to forget", SPOKEN)

    def wait_for_texts(self, mark, texts):
        """Waits until Orca says, after mark, these utterances in this order (Orca may echo a key
        between them); returns the place of the last."""

        def find():
            place = mark - 1
            for text in texts:
                place = next((at for at, said in enumerate(self.said_since(place + 1), place + 1)
                              if same(said, text)), None)
                if place is None:
                    return None
            return place

        try:
            return wait_until(find, repr(texts), SPOKEN)
        except AssertionError:
            raise AssertionError("Orca did not say %r; it said %r" % (texts,
                                                                     self.said_since(mark)))

    def end(self):
        self.orca.kill()  # unshare, whose end ends Orca; it passes SIGTERM on to nobody
        self.orca.wait()
        self._reader.join(10)
        self.bus.terminate()
        self.bus.wait()
        self._log.close()


reader = None


def setUpModule():
    global reader
    reader = ScreenReader()


def tearDownModule():
    reader.end()


class OrcaTest(unittest.TestCase):
    def start(self):
        """Starts the program and waits until Orca is with its main window; returns a mark from
        before Orca read the window."""
        reader.note(self.id())
        env = program_environment()
        self.program = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.addCleanup(self.program.wait)
        self.addCleanup(self.program.terminate)
        wait_until(lambda: application_of(self.program.pid),
                   "the program on the accessibility bus", SLOW)
        self.main_window = wait_until(lambda: self.x_window(title_pattern(MAIN)),
                                      "the main window", SLOW)
        # Qt tells of a window coming up only once it is on the accessibility bus, and openbox
        # may have brought the window up before that; so it comes up again, after About.
        x11.activate(self.main_window, SLOW)
        # With Qt 6.8, Orca 48 at times misses a window coming up, told of it through objects
        # that are already gone; this start, which is not what the tests check, tries again.
        attempts = 3 if ORCA_48 else 1
        for attempt in range(attempts):
            reader.wait_until_it_forgets()
            mark = reader.mark()
            keys("F6")
            wait_until(lambda: self.x_window(title_pattern(ABOUT)), "the About window", SLOW)
            try:
                reader.wait_for(mark, lambda said: said.startswith(ABOUT + " dialog"),
                                "the About window", SPOKEN // 3)
                reader.wait_until_it_forgets()
            except AssertionError:
                if attempt == attempts - 1:
                    raise
            closing = reader.mark()
            # OK is pressed through its accessible action, not with Esc: Orca 48 may handle a
            # key after the program, and when Esc has already closed About by then, it keeps its
            # focus on the window that went and says nothing of the main window.
            app = application_of(self.program.pid)
            wait_until(lambda: press_button(app, ABOUT, "OK") is None, "About's OK",
                       SLOW, ignoring=(AssertionError,))
            self.back_to_main_window()
            # Orca is with the main window once it reads the window or reaches the box; with
            # Qt 6.8, Orca 48 may not hear of the box's focus, which the box kept while About
            # was open. Orca 43 reads the window, then the box.
            try:
                if ORCA_48:
                    reader.wait_for(closing, lambda said: said.startswith(MAIN + " dialog")
                                    or same(said, "A+ students text."), "the main window",
                                    SPOKEN // 3)
                else:
                    reader.wait_for_texts(closing, [EMPTY_WINDOW, "A+ students text."])
                return mark
            except AssertionError:
                if attempt == attempts - 1:
                    raise
                reader.note("starting again")

    def x_window(self, title_pattern):
        return x11.window(title_pattern, self.program.pid)

    def wait_for_about(self, mark):
        """Waits until Orca has read the About window and caught up with it; returns what it
        said of the window. Orca 43 then says its OK button. Orca 48 need not: with Qt 6.8, it
        is at times told of the focus on an object that is already gone, and says nothing of
        the button."""
        place, said = reader.wait_for(mark, lambda said: said.startswith(ABOUT + " dialog"),
                                      "the About window")
        if not ORCA_48:
            reader.wait_for_text(place, "OK %s." % spoken_role("push button"))
        reader.wait_until_it_forgets()
        return said

    def back_to_main_window(self):
        """Brings the main window to the front, if closing another window did not."""
        x11.activate(self.main_window, SLOW)

    def assertWarned(self, mark, text):
        """Checks that Orca said, after mark, the warning with its text once, then its button.
        Orca 48 handles the key after the program: when it does so once the warning is up, it
        reads the window the key was pressed in, then the warning again. Each reading of the
        warning must say its text once."""
        place = reader.wait_for_texts(mark, ["alert Warning.", text])
        try:
            reader.wait_for_focus(place, "push button", "OK")
        except AssertionError:
            # Coming back to the warning so, Orca 48 may say nothing of its button.
            if not ORCA_48 or reader.said_since(mark).count("alert Warning.") < 2:
                raise
        said = reader.said_since(mark)
        readings = []
        for utterance in said:
            if utterance == "alert Warning.":
                readings.append([])
            elif readings:
                readings[-1].append(utterance)
        for reading in readings:
            self.assertEqual(sum(same(utterance, text) for utterance in reading), 1, said)

    def assertAnnounced(self, mark, text):
        """Checks what Orca said first, after mark, as the main window came up, and that the
        program gives the window's description once, so that no doubling is of its making."""
        place, said = reader.wait_for(mark, lambda said: said.startswith(MAIN + " dialog"),
                                      "the main window's announcement")
        self.assertEqual(window_reading(said), text.rstrip("."))
        windows = [window for window in showing_windows(application_of(self.program.pid))
                   if window.name == MAIN]
        self.assertEqual(len(windows), 1)
        self.assertEqual(windows[0].description.rstrip("."),
                         text.rstrip(".").partition(" dialog ")[2])
        return place


class ScreenReaderTest(OrcaTest):
    def test_the_window_names_its_captions_and_no_empty_results(self):
        mark = self.start()
        self.assertAnnounced(mark, EMPTY_WINDOW)

    def test_focus_into_a_box_says_what_to_enter(self):
        self.start()
        # Orca 48 keeps what it generated for an object by the object's hash, which the next
        # object may take over: the A box would be read with the A+ box's description.
        reader.wait_until_it_forgets()
        mark = reader.mark()
        keys("Tab")
        place, _ = reader.wait_for_text(mark, "A students text.")
        reader.wait_for_text(place, "Enter the number of A students.")

    def test_a_refused_key_brings_the_warning(self):
        self.start()
        reader.wait_until_it_forgets()
        mark = reader.mark()
        keys("x")
        self.assertWarned(mark, INVALID_ENTRY + ".")
        reader.wait_until_it_forgets()
        mark = reader.mark()
        keys("Return")
        self.back_to_main_window()
        self.assertAnnounced(mark, EMPTY_WINDOW)
        reader.wait_for_focus(mark, "text", "A+ students")

    def test_enter_says_the_gpa_and_total_and_leaves_the_focus_in_the_box(self):
        self.start()
        mark = reader.mark()
        keys(*typing_keys(MIXED_CLASS.counts))
        # As a person would, Enter waits until Orca has caught up with the typing. Orca asks the
        # program about every event, and once more than 50 wait, it drops those not about the
        # focus, the result's notification among them.
        reader.wait_for_text(mark, "F students text.")
        mark = reader.mark()
        keys("Return")
        reader.wait_for_result(mark, MIXED_CLASS.announcement())
        keys("Tab")  # from the F box, where Enter was pressed
        place, _ = reader.wait_for_text(mark, "IC students text.")
        # Said once: not by both a notification and an announcement, nor again in the window's
        # description read as it changes.
        self.assertEqual(reader.results(mark, place), [MIXED_CLASS.announcement()])
        said = reader.said_since(mark)[:place - mark]
        gpa = "GPA is " + MIXED_CLASS.gpa
        self.assertEqual(sum(gpa in utterance for utterance in said), 1, said)

        # Each calculation is announced with its own figures: 5 IC students count in the total
        # only. The box's 0 is selected on entering it, so the 5 replaces it.
        keys(MIXED_CLASS_WITH_IC.counts[-1], "Return")
        reader.wait_for_result(place, MIXED_CLASS_WITH_IC.announcement())

        # The window, when it comes up again, reads the results after their captions.
        reader.wait_until_it_forgets()
        mark = reader.mark()
        keys("F6")
        self.wait_for_about(mark)
        keys("Escape")
        self.back_to_main_window()
        self.assertAnnounced(mark, calculated_window(MIXED_CLASS_WITH_IC))

    def test_a_warning_on_enter_announces_no_result(self):
        self.start()
        reader.wait_until_it_forgets()
        mark = reader.mark()
        keys("Return")  # every box empty
        self.assertWarned(mark, MISSING_ENTRY + ".")
        reader.wait_until_it_forgets()
        keys("Return")
        self.back_to_main_window()
        place = self.assertAnnounced(mark, EMPTY_WINDOW)
        self.assertEqual(reader.results(mark, place), [])

    def test_f6_opens_the_about_window(self):
        self.start()
        reader.wait_until_it_forgets()
        mark = reader.mark()
        keys("F6")
        self.assertIn(ABOUT_TITLE_LINE, self.wait_for_about(mark))

