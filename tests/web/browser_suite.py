# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser build as a person uses it: served from this machine, opened in a real browser
(VANTREL_BROWSER: chromium or firefox), driven with real key events through the browser's own
remote protocol, read back from its accessibility tree (Chromium's whole tree; in Firefox, the
elements its accessibility locator finds, with the texts of the windows' mirror in the page) and
from screenshots.

A screen reader turns on Qt's mirror of the windows in the page with its "Enable Screen Reader"
button; every test does so first, as such a person would."""

import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from expected import (ABOUT, GRADES, INSTRUCTIONS, INVALID_ENTRY, MAIN, MISSING_ENTRY,
                      MIXED_CLASS_WITH_IC, SYSTEM_INFO_UNAVAILABLE, WARNING, typing_keys)
from polling import wait_for_value, wait_until
from site_server import SiteServer

BROWSER = os.environ.get("VANTREL_BROWSER", "chromium")
SITE = os.environ["VANTREL_SITE"]
ARTIFACTS = os.environ.get("VANTREL_ARTIFACTS") or tempfile.mkdtemp(prefix="vantrel-web-")
os.makedirs(ARTIFACTS, exist_ok=True)
ENDED = MAIN + " has ended. Reload the page to start it again."

# The windows Qt shows in the page, as a person sees them: title and place on the page.
WINDOWS_JS = """[document, ...[...document.querySelectorAll('*')].filter((e) => e.shadowRoot)
    .map((e) => e.shadowRoot)]
    .flatMap((root) => [...root.querySelectorAll('.qt-window')])
    .filter((w) => w.checkVisibility())
    .map((w) => { const r = w.getBoundingClientRect();
                  const name = w.querySelector('.window-name');
                  return [name ? name.textContent : '', r.x, r.y, r.width, r.height]; })"""
# What the page's live region was told, once per message, since the page was opened.
HEARD_JS = """(() => {
    if (!window.vantrelHeard) {
        window.vantrelHeard = [];
        new MutationObserver((changes) => changes.forEach((change) => change.addedNodes
            .forEach((node) => { if (node.nodeType === Node.TEXT_NODE
                && node.parentNode && node.parentNode.id === 'vantrel-announcement')
                window.vantrelHeard.push(node.textContent); })))
            .observe(document.body, { childList: true, subtree: true });
    }
    return window.vantrelHeard;
})()"""
# The texts of the windows' mirror that a reader reads as a value (labels), in page order.
MIRROR_TEXTS_JS = """[...document.querySelectorAll('*')].filter((e) => e.shadowRoot)
    .flatMap((e) => [...e.shadowRoot.querySelectorAll('.qt-window-a11y-container textarea')])
    .filter((t) => t.checkVisibility()).map((t) => t.value)"""


def read_text(png):
    """The text a picture shows, as OCR reads it."""
    return subprocess.run(["tesseract", png, "-"], check=True, capture_output=True,
                          text=True).stdout


def open_browser():
    if BROWSER == "firefox":
        from firefox import Firefox
        return Firefox(ARTIFACTS)
    from chromium import Chromium
    return Chromium(ARTIFACTS)


class BrowserProgram:
    def __init__(self, browser, url):
        """Opens the page at url (or takes the page as loaded) and turns the mirror on."""
        self.browser = browser
        if url:
            browser.open(url)
        wait_until(lambda: self.windows() and self.windows()[0][0] == MAIN, "the main window",
                   timeout=60)
        self.browser.evaluate(HEARD_JS)
        wait_until(lambda: self.has("button", "Enable Screen Reader"), "Qt's reader button")
        browser.activate_named("button", "Enable Screen Reader")
        wait_until(lambda: self.has("textbox", "A+ students"), "the boxes in the mirror")

    def windows(self):
        return [tuple(w) for w in self.browser.evaluate(WINDOWS_JS) or []]

    def titles(self):
        return [w[0] for w in self.windows()]

    def has(self, role, name):
        if BROWSER == "firefox":
            return self.browser.named(role, name) > 0
        return any(r == role and n == name for r, n, _ in self.browser.accessibility_tree())

    def texts(self):
        """The labels' texts, in order, as a reader reads them."""
        if BROWSER == "firefox":
            return self.browser.evaluate(MIRROR_TEXTS_JS)
        return [value for role, name, value in self.browser.accessibility_tree()
                if role == "textbox" and not name]

    def results(self):
        """(GPA, total, the ten shares), as the labels show them."""
        texts = self.texts()
        after = lambda label: texts[texts.index(label) + 1] if label in texts else None
        return after("GPA is"), after("Total Students"), [after(g) for g in GRADES]

    def heard(self):
        return self.browser.evaluate(HEARD_JS)

    def status(self):
        return self.browser.evaluate(
            "(() => { const s = document.getElementById('status');"
            " return s.style.display === 'none' ? '' : s.textContent; })()")

    def click_title(self, title):
        _, x, y, width, _ = next(w for w in self.windows() if w[0] == title)
        self.browser.click(x + width / 2, y + 10)


class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = SiteServer(SITE)

    @classmethod
    def tearDownClass(cls):
        cls.server.close()

    def setUp(self):
        self.browser = open_browser()
        self.addCleanup(self.browser.close)
        self.program = BrowserProgram(self.browser, self.server.url())

    def shot(self, name):
        """Keeps a screenshot for a person to look at, and returns the text read from it."""
        path = os.path.join(ARTIFACTS, "%s-%s.png" % (BROWSER, name))
        self.browser.screenshot(path)
        return read_text(path)

    def assertShows(self, read, expected, timeout=10):
        self.assertEqual(wait_for_value(read, expected, timeout=timeout), expected)

    def dismiss(self, title, text):
        """A warning comes up over the main window, holds the keys, and goes with Enter."""
        self.assertShows(self.program.titles, [MAIN, title])
        self.assertIn(text, self.program.texts())
        self.browser.press("Tab")  # held by the box: the focus stays on its OK
        self.browser.press("Enter")
        self.assertShows(self.program.titles, [MAIN])


class MainWindowTest(BrowserTest):
    def test_a_class_typed_box_by_box_then_enter(self):
        self.assertEqual(self.program.results(), ("", "", [""] * 10))
        for grade in GRADES:
            self.assertTrue(self.program.has("textbox", grade + " students"), grade)
        self.browser.type(typing_keys(MIXED_CLASS_WITH_IC.counts))
        self.browser.press("Enter")
        expected = MIXED_CLASS_WITH_IC
        self.assertShows(self.program.results, (expected.gpa, expected.total, expected.shares))
        self.assertTrue(self.program.has("button", "Calculated"))
        self.assertShows(self.program.heard, [expected.announcement()])
        on_screen = self.shot("calculated")
        self.assertIn("GPA is " + expected.gpa, on_screen)
        self.assertIn("Total Students " + expected.total, on_screen)
        self.browser.press("Escape")  # Esc clears
        self.assertShows(self.program.results, ("", "", [""] * 10))
        self.assertTrue(self.program.has("button", "Calculate"))
        self.browser.type(["2", "Enter"])  # the A+ box has the focus again
        self.assertShows(lambda: self.program.results()[:2], ("4", "2"))
        self.assertEqual(self.program.heard(), [expected.announcement(), "GPA is 4, Total Students 2"])

    def test_the_key_filter_and_the_missing_entry(self):
        self.browser.press("x")
        self.dismiss(WARNING, INVALID_ENTRY)
        self.browser.press("Enter")
        self.dismiss(WARNING, MISSING_ENTRY)
        self.assertEqual(self.program.results(), ("", "", [""] * 10))
        self.browser.type(["3", "Enter"])  # back in the A+ box, which the x never reached
        self.assertShows(lambda: self.program.results()[:2], ("4", "3"))
        self.assertEqual(self.program.heard(), ["GPA is 4, Total Students 3"])

    def test_access_keys_and_function_keys(self):
        self.browser.type(["8", "Tab", "2"])
        self.browser.press("a", ["alt"])  # Calculate
        self.assertShows(lambda: self.program.results()[:2], ("3.95", "10"))
        self.browser.press("F1")  # New empties all but the total
        self.assertShows(self.program.results, ("", "10", [""] * 10))
        self.browser.press("c", ["alt"])  # Clear
        self.assertShows(self.program.results, ("", "", [""] * 10))
        self.assertEqual(self.program.titles(), [MAIN])


class HelpWindowsTest(BrowserTest):
    def test_each_help_window_opens_once(self):
        self.browser.press("F5")
        self.assertShows(self.program.titles, [MAIN, INSTRUCTIONS])
        self.program.click_title(MAIN)
        self.browser.press("F5")  # the one open comes to the front
        self.browser.press("F6")
        self.program.click_title(MAIN)
        self.browser.press("F6")
        wait_until(lambda: ABOUT in self.program.titles(), "the About window")
        self.assertEqual(sorted(self.program.titles()), sorted([MAIN, INSTRUCTIONS, ABOUT]))
        self.shot("help-windows")

    def test_system_info_says_it_is_unavailable(self):
        self.browser.press("F6")
        self.assertShows(self.program.titles, [MAIN, ABOUT])
        self.browser.press("s", ["alt"])
        wait_until(lambda: SYSTEM_INFO_UNAVAILABLE in self.program.texts(), "the message")
        self.browser.press("Enter")
        wait_until(lambda: SYSTEM_INFO_UNAVAILABLE not in self.program.texts(), "it to go")
        self.assertIn(ABOUT, self.program.titles())


class PrintAndExitTest(BrowserTest):
    def test_print_hands_the_window_image_to_the_page(self):
        self.browser.type(["4", "Enter"])
        self.assertShows(lambda: self.program.results()[1], "4")
        self.browser.press("F2")
        image = wait_until(lambda: self.browser.evaluate(
            "(() => { const i = document.querySelector('#vantrel-print img');"
            " return i && i.complete && i.naturalWidth ? [i.naturalWidth, i.naturalHeight,"
            " parseInt(i.style.width), parseInt(i.style.height)] : null; })()"),
            "the print page's image")
        _, _, _, width, height = self.program.windows()[0]
        # The window's image without the page's frame, set at the window's size (drawn finer
        # than the screen, as on the desktop).
        natural_width, natural_height, shown_width, shown_height = image
        self.assertEqual(natural_width * shown_height, natural_height * shown_width)
        self.assertGreaterEqual(natural_width, shown_width)
        self.assertLessEqual(shown_width, width)
        self.assertGreater(shown_width, width - 20)
        self.assertLess(shown_height, height)
        self.assertEqual(self.program.titles(), [MAIN])

        # On paper: that image alone, at the window's size, showing the result.
        pdf = os.path.join(ARTIFACTS, "%s-printed-page.pdf" % BROWSER)
        with open(pdf, "wb") as out:
            out.write(self.browser.printed())
        images = subprocess.run(["pdfimages", "-list", pdf], check=True, capture_output=True,
                                text=True).stdout.splitlines()[2:]
        self.assertEqual(len(images), 1, images)
        columns = images[0].split()
        paper_width = int(columns[3]) / int(columns[12]) * 96  # pixels over dots per inch
        self.assertAlmostEqual(paper_width, shown_width, delta=1)
        page = os.path.join(ARTIFACTS, "%s-printed-page" % BROWSER)
        subprocess.run(["pdftoppm", "-r", "192", "-png", "-singlefile", "-f", "1", pdf, page],
                       check=True)
        self.assertIn("Total Students 4", read_text(page + ".png"))

    def test_exit_ends_the_program_and_says_so(self):
        self.browser.press("F9")
        self.assertShows(self.program.status, ENDED)
        self.assertEqual(self.program.windows(), [])


class OfflineAndInstallTest(BrowserTest):
    def test_it_starts_offline_after_the_first_visit(self):
        wait_until(lambda: self.browser.evaluate(
            "navigator.serviceWorker.controller !== null || "
            "navigator.serviceWorker.ready.then(() => true)"), "the service worker")
        if BROWSER == "chromium":
            # Installable as an app: the manifest read without error, nothing missing.
            self.assertEqual(self.browser.call("Page.getInstallabilityErrors")
                             ["installabilityErrors"], [])
            self.assertEqual(self.browser.call("Page.getAppManifest")["errors"], [])
        self.server.close()  # no network from here on
        self.browser.reload()
        self.program = BrowserProgram(self.browser, None)
        self.browser.type(["3", "Enter"])
        self.assertShows(lambda: self.program.results()[:2], ("4", "3"))

    @classmethod
    def tearDownClass(cls):
        pass  # its server is closed by the test
