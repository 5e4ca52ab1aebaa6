# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser build as a person uses it: served from this machine (VANTREL_SERVER: Python's
server, or nginx with the project's configuration file), opened in a real browser
(VANTREL_BROWSER: chromium, firefox or webkit), driven with real key events through the
browser's own remote protocol, read back from its accessibility tree (Chromium's whole tree; in
Firefox, the elements its accessibility locator finds; in WebKit, which WebDriver gives no tree,
the elements Qt mirrors the windows with; in both, the texts of that mirror) and from
screenshots.

A screen reader turns on Qt's mirror of the windows in the page with its "Enable Screen Reader"
button; every test does so first, as such a person would."""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from expected import (ABOUT, GRADES, INSTRUCTIONS, INVALID_ENTRY, MAIN, MISSING_ENTRY,
                      MIXED_CLASS_WITH_IC, SYSTEM_INFO_UNAVAILABLE, WARNING, typing_keys)
from polling import wait_for_value, wait_until
from site_server import NginxServer, SiteServer

BROWSER = os.environ.get("VANTREL_BROWSER", "chromium")
SERVER = os.environ.get("VANTREL_SERVER", "python")
SITE = os.environ["VANTREL_SITE"]
NGINX_CONF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                          "vantrel-nginx.conf")
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
# What holds the page's focus, as (role, name, value), where no accessibility tree is at hand.
FOCUSED_JS = """(() => {
    let element = document.activeElement;
    while (element && element.shadowRoot && element.shadowRoot.activeElement)
        element = element.shadowRoot.activeElement;
    return element && element.tagName === 'INPUT'
        ? ['textbox', element.getAttribute('aria-label') || '', element.value] : null; })()"""
# The politeness of each live region of the page, where no accessibility tree is at hand.
LIVE_REGIONS_JS = """[...document.querySelectorAll('[aria-live]')]
    .map((region) => region.getAttribute('aria-live'))"""
# Elements of the windows' mirror (which Qt lays under the controls they stand for).
MIRROR_JS = """[...document.querySelectorAll('*')].filter((e) => e.shadowRoot)
    .flatMap((e) => [...e.shadowRoot.querySelectorAll('.qt-window-a11y-container *')])"""
# The mirror's boxes, as (name, text).
BOXES_JS = "%s.filter((e) => e.tagName === 'INPUT')" \
    ".map((e) => [e.getAttribute('aria-label'), e.value])" % MIRROR_JS
# Where the control of this name is on the page: the middle of its mirror element.
CENTRE_JS = """((name) => { const element = %s.find((e) =>
    (e.getAttribute('aria-label') || e.textContent) === name);
    const r = element.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2];
    })(%%s)""" % MIRROR_JS
# The site's caches; another app's cache on the same site, made with one file, and that file.
CACHES_JS = "caches.keys()"
ANOTHER_APP = "another-app"
ANOTHER_APP_JS = """caches.open('%s')
    .then((cache) => cache.put('its-file', new Response('kept'))).then(() => true)""" % ANOTHER_APP
ANOTHER_APP_KEPT_JS = """caches.open('%s').then((cache) => cache.match('its-file'))
    .then((kept) => kept ? kept.text() : null)""" % ANOTHER_APP
# The texts of the windows' mirror that a reader reads as a value (labels), in page order.
MIRROR_TEXTS_JS = """[...document.querySelectorAll('*')].filter((e) => e.shadowRoot)
    .flatMap((e) => [...e.shadowRoot.querySelectorAll('.qt-window-a11y-container textarea')])
    .filter((t) => t.checkVisibility()).map((t) => t.value)"""


def read_text(png, *options):
    """The text a picture shows, as OCR reads it."""
    return subprocess.run(["tesseract", png, "-", *options], check=True, capture_output=True,
                          text=True).stdout


def open_browser():
    if BROWSER == "firefox":
        from firefox import Firefox
        return Firefox(ARTIFACTS)
    if BROWSER == "webkit":
        from webkit import WebKit
        return WebKit(ARTIFACTS)
    from chromium import Chromium
    return Chromium(ARTIFACTS)


def serve(folder):
    if SERVER == "nginx":
        return NginxServer(folder, NGINX_CONF)
    return SiteServer(folder)


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
        if BROWSER != "chromium":
            return self.browser.named(role, name) > 0
        return any(r == role and n == name for r, n, _ in self.browser.accessibility_tree())

    def focused(self):
        """What a reader that follows the focus hears: (role, name, value)."""
        if BROWSER == "chromium":
            return self.browser.focused()
        found = self.browser.evaluate(FOCUSED_JS)
        return tuple(found) if found else None

    def live_regions(self):
        """How each live region of the page has a reader say what it is told."""
        if BROWSER == "chromium":
            return self.browser.live_regions()
        return self.browser.evaluate(LIVE_REGIONS_JS)

    def boxes(self):
        """The ten boxes' texts, as the mirror's boxes hold them."""
        texts = dict(self.browser.evaluate(BOXES_JS))
        return [texts.get(grade + " students") for grade in GRADES]

    def centre_of(self, name):
        """The point on the page of the control with this name (a box's or a button's)."""
        return self.browser.evaluate(CENTRE_JS % json.dumps(name))

    def texts(self):
        """The labels' texts, in order, as a reader reads them."""
        if BROWSER != "chromium":
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
        cls.server = serve(SITE)

    @classmethod
    def tearDownClass(cls):
        cls.server.close()

    def setUp(self):
        self.browser = open_browser()
        self.addCleanup(self.browser.close)
        self.program = BrowserProgram(self.browser, self.server.url())

    def shot(self, name, clip=None):
        """Keeps a screenshot for a person to look at, and returns the text read from it. Of a
        part of the page (x, y, width, height), its words are read one by one, wherever they
        stand."""
        path = os.path.join(ARTIFACTS, "%s-%s.png" % (BROWSER, name))
        if clip:
            self.browser.screenshot(path, clip)  # only Chromium's protocol takes a part
            return read_text(path, "--psm", "11")
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
        # The result is said at once, as on the desktop, by a region that is there before the
        # first result, so that the first is heard like every later one.
        self.assertEqual(self.program.live_regions(), ["assertive"])
        for grade in GRADES:
            self.assertTrue(self.program.has("textbox", grade + " students"), grade)
        self.browser.type(typing_keys(MIXED_CLASS_WITH_IC.counts))
        self.browser.press("Enter")
        expected = MIXED_CLASS_WITH_IC
        self.assertShows(self.program.results, (expected.gpa, expected.total, expected.shares))
        self.assertTrue(self.program.has("button", "Calculated"))
        self.assertShows(self.program.heard, [expected.announcement()])
        # On screen too, once the browser has drawn it (WebKit's screenshots lag behind).
        shown = ["GPA is " + expected.gpa, "Total Students " + expected.total]
        wait_until(lambda: all(text in self.shot("calculated") for text in shown),
                   "the result on screen", timeout=20)
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

    def test_a_reader_following_the_focus_hears_the_box(self):
        self.assertShows(self.program.focused, ("textbox", "A+ students", ""))
        self.browser.type(["2", "5", "BackSpace"])
        self.assertShows(self.program.focused, ("textbox", "A+ students", "2"))
        self.browser.press("Tab")
        self.assertShows(self.program.focused, ("textbox", "A students", ""))
        self.browser.click(*self.program.centre_of("B students"))
        self.assertShows(self.program.focused, ("textbox", "B students", ""))
        self.browser.type(["7"])
        self.assertShows(self.program.focused, ("textbox", "B students", "7"))
        self.assertEqual(self.program.boxes(), ["2", "", "", "7"] + [""] * 6)

    def test_a_warning_holds_the_window_until_ok(self):
        self.browser.press("x")
        self.assertShows(self.program.titles, [MAIN, WARNING])
        # Clicks where the main window's farthest box from the warning and its Calculate stand,
        # a count typed after each: none reaches the window.
        _, x, _, width, _ = self.program.windows()[1]
        box = max((self.program.centre_of(grade + " students") for grade in GRADES),
                  key=lambda point: abs(point[0] - (x + width / 2)))
        for point in (box, self.program.centre_of("Calculate")):
            self.browser.click(*point)
            self.browser.type(["7"])
        self.dismiss(WARNING, INVALID_ENTRY)
        self.assertEqual(self.program.boxes(), [""] * 10)
        self.assertEqual(self.program.results(), ("", "", [""] * 10))
        self.browser.type(["3", "Enter"])  # the focus is back in the A+ box
        self.assertShows(lambda: self.program.results()[:2], ("4", "3"))

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

        # On paper: that image alone, at the window's size, showing the result. WebKit's
        # WebDriver cannot print a page: there the print page is as far as the test reaches.
        printed = self.browser.printed()
        if printed is None:
            return
        pdf = os.path.join(ARTIFACTS, "%s-printed-page.pdf" % BROWSER)
        with open(pdf, "wb") as out:
            out.write(printed)
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


class SiteUpdateTest(unittest.TestCase):
    """The site on a host that serves another app beside it, then a new build of it."""

    def setUp(self):
        self.site = tempfile.mkdtemp(prefix="vantrel-site-")
        self.addCleanup(shutil.rmtree, self.site, True)
        shutil.copytree(SITE, self.site, dirs_exist_ok=True)
        self.server = serve(self.site)
        self.addCleanup(self.server.close)
        self.browser = open_browser()
        self.addCleanup(self.browser.close)
        self.browser.open(self.server.url("LICENSE.txt"))
        self.assertTrue(self.browser.evaluate(ANOTHER_APP_JS))

    def own_caches(self):
        return sorted(set(self.browser.evaluate(CACHES_JS)) - {ANOTHER_APP})

    def new_build(self):
        """The site as the next build writes it: its service worker names a new cache."""
        worker = os.path.join(self.site, "service-worker.js")
        with open(worker, encoding="utf-8") as old:
            text = old.read()
        text, count = re.subn(r'(cacheName = cachePrefix \+ ")([0-9a-f]+)"', r'\1\2new"', text)
        self.assertEqual(count, 1)
        with open(worker, "w", encoding="utf-8") as new:
            new.write(text)

    def test_a_new_build_replaces_its_own_cache_and_no_other(self):
        BrowserProgram(self.browser, self.server.url())
        first = wait_until(self.own_caches, "the site's cache", timeout=30)
        self.assertEqual(len(first), 1)
        self.assertEqual(self.browser.evaluate(ANOTHER_APP_KEPT_JS), "kept")

        self.new_build()
        self.browser.reload()
        BrowserProgram(self.browser, None)
        now = wait_for_value(self.own_caches, [first[0] + "new"], timeout=60)
        self.assertEqual(now, [first[0] + "new"])
        self.assertEqual(self.browser.evaluate(ANOTHER_APP_KEPT_JS), "kept")


@unittest.skipUnless(BROWSER == "chromium", "only Chromium emulates phones and tablets")
class SmallScreenTest(BrowserTest):
    """Phones and a tablet, emulated: a touch screen, a page laid out as a mobile browser does."""

    def setUp(self):
        pass  # each test opens the page on the screens it needs

    def open(self, width, height):
        from chromium import Chromium
        self.browser = Chromium(ARTIFACTS, device=(width, height))
        self.addCleanup(self.browser.close)
        self.program = BrowserProgram(self.browser, self.server.url())

    def placed_window(self):
        """The main window once it stands within the page (which may follow the page's fitting
        to the screen)."""
        return wait_until(lambda: next(w for w in self.program.windows() if w[1] >= 0),
                          "the window within the page", ignoring=(StopIteration,))

    def test_the_whole_window_on_every_screen(self):
        for width, height in [(360, 740), (390, 844), (820, 1180)]:
            with self.subTest(screen=(width, height)):
                self.open(width, height)
                page_width, scale = self.browser.evaluate(
                    "[document.documentElement.clientWidth, visualViewport.scale]")
                _, x, y, shown_width, shown_height = self.placed_window()
                self.assertLessEqual(x + shown_width, page_width)
                self.assertLessEqual((y + shown_height) * scale, height)
                if width >= 820:
                    self.assertEqual(scale, 1)  # where it fits, at its design size
                on_screen = self.shot("screen-%dx%d" % (width, height),
                                      clip=(x, y, shown_width, shown_height)).split()
                # tesseract reads the italic caption IC as often as "Ic".
                self.assertIn("IC", [word.upper() for word in on_screen])
                self.assertIn("Clear", on_screen)
                self.assertIn("Exit", on_screen)

    def test_a_tap_and_an_on_screen_keyboard(self):
        self.open(390, 844)
        self.placed_window()
        tap = lambda name: self.browser.tap(*self.program.centre_of(name))
        tap("B students")
        self.assertShows(self.program.focused, ("textbox", "B students", ""))
        self.browser.insert_text("3")
        self.browser.insert_text("x")  # refused by the key filter, as a typed x is
        self.assertShows(self.program.titles, [MAIN, WARNING])
        self.browser.press("Enter")
        self.assertShows(self.program.titles, [MAIN])
        self.assertEqual(self.program.boxes(), ["", "", "", "3"] + [""] * 6)
        tap("Calculate")
        self.assertShows(lambda: self.program.results()[:2], ("3", "3"))


@unittest.skipUnless(SERVER == "nginx", "the headers are the web server's")
class HostHeadersTest(unittest.TestCase):
    def test_what_the_configuration_file_has_nginx_send(self):
        server = serve(SITE)
        self.addCleanup(server.close)
        for name, kind in [("index.html", "text/html"), ("vantrel.js", "text/javascript"),
                           ("vantrel.wasm", "application/wasm"),
                           ("service-worker.js", "text/javascript")]:
            with self.subTest(file=name):
                request = urllib.request.Request(server.url(name),
                                                 headers={"Accept-Encoding": "gzip"})
                with urllib.request.urlopen(request) as reply:
                    self.assertEqual(reply.headers.get_content_type(), kind)
                    self.assertEqual(reply.headers["Cache-Control"], "no-cache")
                    if name.endswith((".js", ".wasm")):
                        self.assertEqual(reply.headers["Content-Encoding"], "gzip")
