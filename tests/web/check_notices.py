#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build's site carries the program's licence and notices that name what is in the
.wasm: every library whose own text is found in it, the faces it carries (Qt's for the browser,
and the program's from Debian), Qt's browser platform with its licence, and emscripten's
runtime. What the build leaves out must not be named.
Usage: check_notices.py SITE_DIR SOURCE_DIR
"""
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "notices"))
from linked_code import ABSENT, MARKERS, contents  # noqa: E402

SITE, SOURCE = sys.argv[1], sys.argv[2]
del sys.argv[1:3]

# What the browser build carries besides: faces, found by their family names (UTF-16 in a face's
# name table).
FACES = {
    "Qt's faces for the browser": (r"DejaVu Fonts", ["DejaVu Sans"]),
    "the program's faces": (r"fonts-liberation \(from Debian", ["Vantrel Sans"]),
}
# Optimised for size, the .wasm keeps only what it uses of a library: these are always in it.
ALWAYS_FOUND = ["HarfBuzz", "sRGB profile"]


class NoticesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(os.path.join(SITE, "vantrel.wasm"), "rb") as wasm:
            cls.wasm = wasm.read()
        with open(os.path.join(SITE, "THIRD-PARTY-NOTICES.txt"), encoding="utf-8") as notices:
            cls.notices = notices.read()
        cls.listed = contents(cls.notices)

    def assertListed(self, name, entry):
        self.assertTrue(any(re.match(entry, line) for line in self.listed),
                        f"{name} is in vantrel.wasm but not in the notices: {self.listed}")

    def test_every_library_whose_code_is_in_the_wasm_has_an_entry(self):
        found = [name for name, (_, markers) in MARKERS.items()
                 if any(re.search(marker, self.wasm) for marker in markers)]
        for name in ALWAYS_FOUND:
            self.assertIn(name, found)
        for name in found:
            self.assertListed(name, MARKERS[name][0])

    def test_the_faces_it_carries_have_entries(self):
        for name, (entry, families) in FACES.items():
            for family in families:
                self.assertIn(family.encode("utf-16-be"), self.wasm, name)
            self.assertListed(name, entry)

    def test_the_changed_faces_keep_no_reserved_name_and_say_so(self):
        # Cut down, Liberation Sans may not be called so any more; its copyright stays.
        self.assertNotIn("Liberation Sans".encode("utf-16-be"), self.wasm)
        self.assertIn("Copyright (c) 2012 Red Hat, Inc.".encode("utf-16-be"), self.wasm)
        self.assertIn("named Vantrel Sans, as the SIL Open Font License asks", " ".join(
            self.notices.split()))

    def test_what_the_build_leaves_out_is_not_named(self):
        for name in ABSENT:
            self.assertFalse(any(name.lower() in line.lower() for line in self.listed), name)

    def test_qt_its_browser_platform_and_the_runtime_are_named_with_their_licences(self):
        self.assertTrue(any(re.match(r"Qt 6\.\d+\.\d+: .*libQt6Core\.a.*libqwasm\.a", line)
                            for line in self.listed), self.listed)
        self.assertIn("GNU LESSER GENERAL PUBLIC LICENSE", self.notices)
        self.assertIn("except libqwasm.a, which Qt offers under the GNU General Public",
                      self.notices)
        self.assertTrue(any(line.startswith("emscripten (from Debian") for line in self.listed))

    def test_the_licence_is_the_programs(self):
        with open(os.path.join(SOURCE, "LICENSES", "GPL-3.0-or-later.txt"), "rb") as gpl, \
                open(os.path.join(SITE, "LICENSE.txt"), "rb") as licence:
            self.assertEqual(licence.read(), gpl.read())


if __name__ == "__main__":
    unittest.main(verbosity=2)
