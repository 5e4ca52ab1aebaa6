#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the browser build's copy of a face: only the characters of Western European text, which
is all the program shows and all its boxes take, so that the page downloads a sixth of the face.
The glyphs, their spacing, kerning and hinting are the face's own. A face under the SIL Open Font
License that has a Reserved Font Name may not keep that name once it is changed: the copy is
named FAMILY; its copyright and licence entries stay as they are.
Usage: subset-face.py SOURCE.ttf TARGET.ttf FAMILY"""

import sys

from fontTools import subset

# Basic Latin, Latin-1, the general punctuation (dashes, quotes, ellipsis), the euro, the trade
# mark and the minus sign. Anything else falls back to the faces Qt carries for the browser.
CHARACTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), *range(0x2010, 0x2028),
              *range(0x2030, 0x203B), 0x20AC, 0x2122, 0x2212]
# The name table's entries that name the face: family, unique id, full name, PostScript name,
# typographic family.
NAMING = {1, 3, 4, 6, 16}


def main(source, target, family):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.legacy_kern = True
    options.drop_tables += ["FFTM"]  # the font editor's timestamps
    font = subset.load_font(source, options)
    old_family = font["name"].getDebugName(1)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in NAMING:
            text = record.toUnicode()
            text = text.replace(old_family, family)
            text = text.replace(old_family.replace(" ", ""), family.replace(" ", ""))
            record.string = text
    names = " ".join(r.toUnicode() for r in font["name"].names if r.nameID in NAMING)
    if old_family.split()[0] in names:
        sys.exit(f"{target}: the face's old name is left in its names: {names}")
    font.save(target)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
