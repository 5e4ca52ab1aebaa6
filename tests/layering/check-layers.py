#!/usr/bin/env python3
"""Fails when a program file includes from a folder above its own layer.

The rule is the "Layer | May include from" table in README.md, so that it is written once.
Usage: check-layers.py SOURCE_ROOT
"""

import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
readme = (root / "README.md").read_text(encoding="utf-8")
table = readme[readme.index("| Layer | May include from |"):]

allowed = {}
for line in table.splitlines()[2:]:
    if not line.startswith("|"):
        break
    layer, uses = [cell.strip() for cell in line.strip("|").split("|")]
    allowed[layer.strip("`/")] = set(re.findall(r"`(\w+)/`", uses))
if not allowed:
    sys.exit("README.md has no layer table")

include = re.compile(r'^\s*#\s*include\s+"(\w+)/', re.MULTILINE)
faults = []
checked = 0
for layer, uses in allowed.items():
    for path in sorted((root / layer).rglob("*")):
        if path.suffix not in {".h", ".cpp", ".in"}:
            continue
        checked += 1
        for folder in include.findall(path.read_text(encoding="utf-8", errors="replace")):
            if folder != layer and folder not in uses:
                faults.append(f"{path.relative_to(root)} includes from {folder}/")

print(f"{checked} files in {len(allowed)} layers checked")
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
