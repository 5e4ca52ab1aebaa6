#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Copies Qt's attribution files of the source tree in the current folder, and the licence
texts they name, into TARGET, keeping their paths. Usage: keep-qt-attributions.py TARGET"""
import json
import os
import shutil
import sys

target = sys.argv[1]


def keep(path):
    os.makedirs(os.path.join(target, os.path.dirname(path)), exist_ok=True)
    shutil.copyfile(path, os.path.join(target, path))


for folder, dirs, files in os.walk("."):
    dirs[:] = [d for d in dirs if d != "build"] if folder == "." else dirs
    if "qt_attribution.json" not in files:
        continue
    attribution = os.path.normpath(os.path.join(folder, "qt_attribution.json"))
    keep(attribution)
    try:
        with open(attribution) as file:
            entries = json.load(file, strict=False)
    except ValueError as error:
        print(f"{attribution}: {error}", file=sys.stderr)
        continue
    for entry in entries if isinstance(entries, list) else [entries]:
        named = entry.get("LicenseFiles", entry.get("LicenseFile", []))
        for name in [named] if isinstance(named, str) else named:
            path = os.path.normpath(os.path.join(folder, name))
            if os.path.isfile(path):
                keep(path)
