# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the layer table of README.md ("| Layer | May include from |"), where the rule is set."""

import pathlib
import re


def read(root: pathlib.Path) -> dict[str, set[str]]:
    """Each layer's folder mapped to the folders it may include from, besides its own."""
    readme = (root / "README.md").read_text(encoding="utf-8")
    table = readme[readme.index("| Layer | May include from |"):]
    allowed = {}
    for line in table.splitlines()[2:]:
        if not line.startswith("|"):
            break
        layer, uses = [cell.strip() for cell in line.strip("|").split("|")]
        allowed[layer.strip("`/")] = set(re.findall(r"`(\w+)/`", uses))
    if not allowed:
        raise SystemExit("README.md has no layer table")
    return allowed
