#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a program file includes from a folder above its own layer.

The rule is the "Layer | May include from" table in README.md, so that it is written once.
Usage: check-layers.py SOURCE_ROOT
"""

import pathlib
import re
import sys

import layer_table

root = pathlib.Path(sys.argv[1])
allowed = layer_table.read(root)

include = re.compile(r'^\s*#\s*include\s+"(\w+)/', re.MULTILINE)
# A path that climbs out of the file's folder reaches any layer, past the build's include roots.
climbing = re.compile(r'^\s*#\s*include\s+["<]([^">]*\.\./[^">]*)[">]', re.MULTILINE)
faults = []
checked = 0
for layer, uses in allowed.items():
    for path in sorted((root / layer).rglob("*")):
        if path.suffix not in {".h", ".cpp", ".in"}:
            continue
        checked += 1
        text = path.read_text(encoding="utf-8", errors="replace")
        for folder in include.findall(text):
            if folder != layer and folder not in uses:
                faults.append(f"{path.relative_to(root)} includes from {folder}/")
        for included in climbing.findall(text):
            faults.append(f"{path.relative_to(root)} includes {included} by a relative path")

print(f"{checked} files in {len(allowed)} layers checked")
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
