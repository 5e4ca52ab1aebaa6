#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows packages carry the program's licence and notices that name what is in the .exe.

Each library below leaves text of its own in any program that links it (a version string, an
error message, a name it registers); where that text is in vantrel.exe, the notices must have
an entry for the library. What the build leaves out must not be named.
Usage: check_notices.py BUILD_WINDOWS_DIR SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "notices"))
from linked_code import ABSENT, MARKERS, contents  # noqa: E402

BUILD, SOURCE = sys.argv[1], sys.argv[2]
del sys.argv[1:3]
PACKAGE = os.path.join(BUILD, "package")
NOTICES = os.path.join(PACKAGE, "THIRD-PARTY-NOTICES.txt")


def newest(ending):
    """The package of that kind last built: an older version's may still lie beside it."""
    paths = [os.path.join(BUILD, name) for name in os.listdir(BUILD) if name.endswith(ending)]
    return max(paths, key=os.path.getmtime)


class NoticesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(os.path.join(PACKAGE, "vantrel.exe"), "rb") as exe:
            cls.exe = exe.read()
        with open(NOTICES, encoding="utf-8") as notices:
            cls.notices = notices.read()
        cls.listed = contents(cls.notices)

    def test_every_library_whose_code_is_in_the_exe_has_an_entry(self):
        found = [name for name, (_, markers) in MARKERS.items()
                 if any(re.search(marker, self.exe) for marker in markers)]
        # All are in: Qt's fonts, text shaping, images, regular expressions and PDF output need them.
        self.assertEqual(found, list(MARKERS))
        for name in found:
            entry = MARKERS[name][0]
            self.assertTrue(any(re.match(entry, line) for line in self.listed),
                            f"{name} is in vantrel.exe but not in the notices: {self.listed}")

    def test_what_the_build_leaves_out_is_not_named(self):
        for name in ABSENT:
            self.assertFalse(any(name.lower() in line.lower() for line in self.listed), name)

    def test_qt_and_the_compilers_runtime_are_named_with_their_licences(self):
        self.assertTrue(any(re.match(r"Qt 6\.\d+\.\d+: .*libQt6Core\.a", line)
                            for line in self.listed), self.listed)
        self.assertIn("GNU LESSER GENERAL PUBLIC LICENSE", self.notices)
        # The compiler's runtime is linked statically (-static): its Debian package is named.
        self.assertTrue(any("mingw-w64" in line for line in self.listed), self.listed)

    def test_zip_holds_the_program_its_licence_and_the_notices(self):
        zip_path = newest("-x64.zip")
        with zipfile.ZipFile(zip_path) as archive:
            self.assertEqual(sorted(archive.namelist()),
                             ["LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "vantrel.exe"])
            with open(os.path.join(SOURCE, "LICENSES", "GPL-3.0-or-later.txt"), "rb") as gpl:
                self.assertEqual(archive.read("LICENSE.txt"), gpl.read())
            with open(NOTICES, "rb") as notices:
                self.assertEqual(archive.read("THIRD-PARTY-NOTICES.txt"), notices.read())

    def test_installer_holds_the_licence_and_the_notices(self):
        msi = newest("-x64.msi")
        files = subprocess.run(["msiinfo", "export", msi, "File"], capture_output=True,
                               text=True, check=True).stdout
        names = {line.split("\t")[2].split("|")[-1] for line in files.splitlines()[3:]}
        self.assertEqual(names, {"vantrel.exe", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt"})


if __name__ == "__main__":
    unittest.main(verbosity=2)
