#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the third-party notices of a statically linked program from what its link took.

The linker's map (GNU ld's or wasm-ld's) names every archive member that went into the program. For Qt's members, the
Qt build's record of what each object was compiled from (every file it included) tells which
bundled code is in the program, and Qt's attribution files say whose it is and under which
licence. Every other archive or object comes from a Debian package of this machine (the
compiler's runtime, the C library's import libraries), whose copyright file is quoted whole.

Files from Debian packages that the program carries as resources (fonts) are named with
--embedded and listed by their package, with --embedded-note saying how the program's copies
differ from them, if they do. Qt archives that Qt offers under the GPL alone (its
browser platform) are named with --gpl-only.

Usage: third-party-notices.py --map LINK.map --qt-prefix QT --qt-version X.Y.Z
                              --lgpl LGPL-3.0-only.txt --program NAME --output FILE
                              [--embedded FILE]... [--embedded-note TEXT] [--gpl-only ARCHIVE]...
"""
import argparse
import collections
import json
import lzma
import os
import re
import subprocess
import sys
import textwrap


def linked_inputs(map_path):
    """(archive, member) pairs the link took, and the object files it loaded directly."""
    members, objects = set(), set()
    with open(map_path, errors="replace") as lines:
        if next(lines, "").split() == ["Addr", "Off", "Size", "Out", "In", "Symbol"]:
            # wasm-ld: each input section, as "archive(member):(symbol)" or "object:(symbol)"
            for line in lines:
                found = re.search(r"\s(\S+\.a)\(([^)]+)\):\(", line)
                if found:
                    members.add((os.path.normpath(found.group(1)), found.group(2)))
                    continue
                found = re.search(r"\s(\S+\.o(bj)?):\(", line)
                if found:
                    objects.add(os.path.normpath(found.group(1)))
            return members, objects
        for line in lines:
            if line.startswith(("Discarded input sections", "Memory Configuration")):
                break
            found = re.match(r"^(\S+\.a)\(([^)]+)\)", line)
            if found:
                members.add((os.path.normpath(found.group(1)), found.group(2)))
        for line in lines:
            found = re.match(r"^LOAD (\S+\.o(bj)?)$", line.strip())
            if found:
                objects.add(os.path.normpath(found.group(1)))
    return members, objects


def object_sources(provenance):
    """Each object's file name in the Qt build, with the source files (relative to Qt's source
    root) that went into it."""
    root = open(os.path.join(provenance, "source-root")).read().strip()
    build = os.path.join(root, "build")
    sources = collections.defaultdict(set)
    current = None
    with lzma.open(os.path.join(provenance, "object-sources.txt.xz"), "rt") as deps:
        for line in deps:
            if not line.strip():
                current = None
            elif not line.startswith(" "):
                current = os.path.basename(line.split(": #deps", 1)[0])
            elif current:
                path = os.path.normpath(os.path.join(build, line.strip()))
                if path.startswith(root + os.sep):
                    sources[current].add(os.path.relpath(path, root))
    return sources


def attributions(provenance):
    """Qt's attribution entries, each with the files or folders (relative to the source root)
    that it covers, and the licence texts it names."""
    top = os.path.join(provenance, "source")
    found = []
    for folder, _, files in os.walk(top):
        if "qt_attribution.json" not in files:
            continue
        path = os.path.join(folder, "qt_attribution.json")
        # Qt's files have line breaks inside strings, and repeat a key as a comment before it.
        entries = json.load(open(path, encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            here = os.path.relpath(folder, top)
            named = entry.get("Files") or entry.get("Path")
            names = named.split() if isinstance(named, str) else (named or [])
            covers = [os.path.normpath(os.path.join(here, name)) for name in names] or [here]
            licence_files = entry.get("LicenseFiles", entry.get("LicenseFile", []))
            if isinstance(licence_files, str):
                licence_files = [licence_files]
            texts = []
            for name in licence_files:
                text_path = os.path.normpath(os.path.join(folder, name))
                if os.path.isfile(text_path):
                    texts.append(open(text_path, encoding="utf-8", errors="replace").read())
            found.append((entry, covers, texts, [os.path.basename(name) for name in names]))
    return found


def embedded_names(data):
    """The names of the files that an object made by Qt's resource compiler embeds: it keeps each
    name in UTF-16, big-endian, after its length in characters (two bytes) and its hash (four).
    The length bounds the name where the bytes after it happen to read as text too."""
    names = set()
    for run in re.finditer(rb"(?:\x00[\x20-\x7e]){3,}", data):
        name = run.group()
        for start in range(run.start(), min(run.end() - 6, run.start() + 12), 2):
            length = int.from_bytes(data[start - 6:start - 4], "big") if start >= 6 else 0
            if 3 <= length <= (run.end() - start) // 2:
                name = data[start:start + 2 * length]
                break
        names.add(name.decode("utf-16-be"))
    return names


def covered(path, covers):
    return any(path == cover or path.startswith(cover + os.sep) for cover in covers)


def debian_packages(paths):
    """The Debian package of this machine that holds each file (as named, or with its links
    resolved), or None; asked of dpkg once, since each question reads every package's list."""
    names = set(paths) | {os.path.realpath(path) for path in paths}
    result = subprocess.run(["dpkg-query", "-S", *sorted(names)], capture_output=True, text=True)
    owner = {}
    for line in result.stdout.splitlines():
        if line.startswith("diversion by "):
            continue
        packages, _, path = line.partition(": ")
        # "libfoo:amd64" for a package installed for several architectures
        owner[path] = packages.split(",")[0].strip().split(":")[0]
    return {path: owner.get(path) or owner.get(os.path.realpath(path)) for path in paths}


def under(path, folder):
    return os.path.realpath(path).startswith(os.path.realpath(folder) + os.sep)


def rule(title):
    return "\n" + "=" * 78 + "\n" + title + "\n" + "=" * 78 + "\n\n"


def main():
    parser = argparse.ArgumentParser()
    for option in ("--map", "--qt-prefix", "--qt-version", "--lgpl", "--program", "--output"):
        parser.add_argument(option, required=True)
    parser.add_argument("--embedded", action="append", default=[])
    parser.add_argument("--embedded-note", default="")
    parser.add_argument("--gpl-only", action="append", default=[])
    args = parser.parse_args()

    members, objects = linked_inputs(args.map)
    qt_prefix = os.path.realpath(args.qt_prefix)
    # The program's own libraries and objects, in the build folder, are not third-party.
    build = os.getcwd()
    members = {(a, m) for a, m in members if not under(a, build)}
    objects = {o for o in objects if not under(o, build)}
    qt_objects = {o for o in objects if under(o, qt_prefix)}
    objects -= qt_objects
    qt_members = {(a, m) for a, m in members if under(a, qt_prefix)}
    qt_archives = sorted({os.path.basename(a) for a, _ in qt_members})
    sources = object_sources(os.path.join(qt_prefix, "provenance"))
    linked_sources = set()
    for member in [m for _, m in qt_members] + [os.path.basename(o) for o in qt_objects]:
        linked_sources |= sources.get(member, set())
    # Files that Qt's resources carry in the program (an ICC profile, for one) are compiled from
    # no source file of their own: they are found by the names the resource objects embed.
    # Qt 6.4 links them as objects of their own, Qt 6.8 as members of its libraries ("qrc_...").
    embedded = set()
    for path in qt_objects:
        if os.path.basename(path).startswith("qrc_"):
            with open(path, "rb") as data:
                embedded |= embedded_names(data.read())
    for archive, member in qt_members:
        if member.startswith("qrc_"):
            data = subprocess.run(["ar", "p", archive, member], capture_output=True,
                                  check=True).stdout
            embedded |= embedded_names(data)

    bundled = {}
    for entry, covers, texts, files in attributions(os.path.join(qt_prefix, "provenance")):
        if any(covered(path, covers) for path in linked_sources) or set(files) & embedded:
            bundled.setdefault(entry.get("Id") or entry["Name"], (entry, texts))

    others = collections.defaultdict(set)
    outside = {archive for archive, _ in members - qt_members} | objects | set(args.embedded)
    for path, package in debian_packages(outside).items():
        if package is None:
            sys.exit(f"{path} is linked into {args.program}, but no Debian package holds it")
        others[package].add(os.path.basename(path))
    carried = {debian_packages(args.embedded)[path] for path in args.embedded}

    out = [f"Third-party software in {args.program}\n",
           f"\n{args.program} is built from its own source, which is free software under the GNU "
           "General Public License,\nversion 3 or later (LICENSE.txt), and links the following "
           "software statically.\nThis list is made from what the build of this copy really "
           "linked.\n"]
    listed = [f"- Qt {args.qt_version}: {', '.join(qt_archives)}\n"]
    for entry, _ in sorted(bundled.values(), key=lambda e: e[0]["Name"].lower()):
        listed.append(f"- {entry['Name']} {entry.get('Version', '')}".rstrip() +
                      f" ({entry.get('LicenseId', entry.get('License', ''))})\n")
    for package in sorted(others):
        what = "carried in the program" if package in carried else \
            "the compiler's runtime and system libraries"
        listed.append(f"- {package} (from Debian: {what})\n")
    out.append("\nContents\n\n")
    out.extend(listed)
    # The build's log keeps the list too.
    print(f"Third-party components linked into {args.program}:\n" + "".join(listed), end="")

    out.append(rule(f"Qt {args.qt_version}"))
    out.append("Qt's libraries and plugins linked into this program: " +
               ", ".join(qt_archives) + ".\n\n"
               "Copyright (C) The Qt Company Ltd. and other contributors.\n"
               "Used under the GNU Lesser General Public License, version 3 (LGPL-3.0-only),\n"
               "whose text follows" +
               "".join(f", except {archive}, which Qt offers under the GNU General Public\n"
                       "License, version 3 (GPL-3.0-only) alone: with it, this program is "
                       "conveyed under\nversion 3 of that licence (LICENSE.txt)" for archive in args.gpl_only if archive in qt_archives) +
               ". Its source is Debian's qt6-base source package of this\n"
               "version; the program's own source, and the changes made to Qt's for this\n"
               "build, are published with the program, so that it can be relinked against\n"
               "another Qt.\n\n")
    out.append(open(args.lgpl, encoding="utf-8").read())

    for entry, texts in sorted(bundled.values(), key=lambda e: e[0]["Name"].lower()):
        out.append(rule(f"{entry['Name']} {entry.get('Version', '')}".rstrip()))
        for key in ("QtUsage", "Homepage", "License", "LicenseId"):
            if entry.get(key):
                out.append(f"{key}: {' '.join(entry[key].split())}\n")
        copyright = entry.get("Copyright", "")
        if isinstance(copyright, list):
            copyright = "\n".join(copyright)
        out.append("\n" + copyright.strip() + "\n")
        for text in texts:
            out.append("\n" + text.rstrip() + "\n")

    # Packages built from one source share one copyright file: it is given once for them all.
    by_text = collections.defaultdict(list)
    for package in sorted(others):
        with open(f"/usr/share/doc/{package}/copyright", encoding="utf-8",
                  errors="replace") as copyright:
            by_text[copyright.read()].append(package)
    for text, packages in by_text.items():
        out.append(rule(", ".join(packages)))
        for package in packages:
            how = "Carried" if package in carried else "Linked"
            out.append(f"{how} from {package}: " + ", ".join(sorted(others[package])) + "\n")
            if package in carried and args.embedded_note:
                out.append(textwrap.fill(args.embedded_note, 78) + "\n")
        out.append("\n" + text)

    with open(args.output, "w", encoding="utf-8", newline="\r\n") as output:
        output.write("".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
