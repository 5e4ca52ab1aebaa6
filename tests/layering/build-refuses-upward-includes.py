#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails unless the build itself refuses every include that the layer table does not allow.

Each target that compiles a layer's files preprocesses, with its own compile command from
compile_commands.json, a one-line file that includes a header of one folder. The file lies in a
scratch folder, not beside the layer's files, so that only the include roots can find a header.
Its own folder must be found, which shows that the probe works; every folder the table does not
allow it must be refused for want of the file. Which includes are found is decided by the
include roots alone, so preprocessing settles it.
Usage: build-refuses-upward-includes.py SOURCE_ROOT BUILD_DIR
"""

import json
import pathlib
import re
import shlex
import subprocess
import sys
import tempfile

import layer_table

root = pathlib.Path(sys.argv[1]).resolve()
build = pathlib.Path(sys.argv[2])
allowed = layer_table.read(root)
folders = sorted(set(allowed) | set().union(*allowed.values()))


def a_header(folder):
    """The first file of the folder that is made to be included."""
    return min(p.name for p in (root / folder).iterdir() if p.suffix in {".h", ".xpm"})


def commands_by_target():
    """One compile command for each (target, layer) pair that the build compiles."""
    found = {}
    for entry in json.loads((build / "compile_commands.json").read_text(encoding="utf-8")):
        source = pathlib.Path(entry["file"]).resolve()
        words = shlex.split(entry["command"])
        output = words[words.index("-o") + 1] if "-o" in words else ""
        target = re.search(r"CMakeFiles/([^/]+)\.dir/", output)
        if target and source.parent.parent == root and source.parent.name in allowed:
            found.setdefault((target.group(1), source.parent.name), entry)
    return found


def preprocess_only(entry, probe):
    """The entry's command on the probe instead of its file, with no output or dependency file."""
    words = shlex.split(entry["command"])
    if entry["file"] not in words:
        sys.exit(f"cannot find {entry['file']} in its compile command")
    command, skip = [], False
    for word in words:
        if skip:
            skip = False
        elif word in {"-o", "-MT", "-MF", "-MQ"}:
            skip = True
        elif word not in {"-c", "-MD", "-MMD"}:
            command.append(str(probe) if word == entry["file"] else word)
    return command + ["-E", "-o", "/dev/null"]


not_found = re.compile(r"No such file|file not found")
faults = []
targets = commands_by_target()
if not {layer for _, layer in targets} >= set(allowed):
    sys.exit(f"compile_commands.json compiles only {sorted(targets)}")
with tempfile.TemporaryDirectory() as scratch:
    for (target, layer), entry in sorted(targets.items()):
        probe = pathlib.Path(scratch, target, layer, "probe.cpp")
        probe.parent.mkdir(parents=True)
        for folder in [f for f in folders if f not in allowed[layer]]:
            include = f"{folder}/{a_header(folder)}"
            probe.write_text(f'#include "{include}"\n', encoding="utf-8")
            run = subprocess.run(preprocess_only(entry, probe), cwd=entry["directory"],
                                 capture_output=True, text=True)
            errors = [line for line in run.stderr.splitlines() if "error" in line]
            own = folder == layer
            said = errors[0].replace(str(probe), f"{layer}/probe.cpp") if errors else ""
            if own and run.returncode == 0:
                print(f"{target}: {layer}/ includes {include}")
            elif not own and run.returncode != 0 and include in said and not_found.search(said):
                print(f"{target}: {layer}/ refused {include}: {said}")
            else:
                outcome = "refused" if run.returncode else "compiled"
                faults.append(f"{target}: {layer}/ including {include}: {outcome}; {said}")

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
