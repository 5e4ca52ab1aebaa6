# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the checks of the packages' notices look for: text that only a library's own code (or a
file Qt's resources carry) leaves in a program, and how the notices list them."""

# Library: how its entry in the notices' contents begins, and text that only its own code puts in
# a program (a version banner, an error message, an environment variable it reads).
MARKERS = {
    "zlib": (r"Data Compression Library \(zlib\)",
             [rb"deflate 1\.\d+(\.\d+)* Copyright", rb"inflate 1\.\d+(\.\d+)* Copyright"]),
    "libpng": (r"LibPNG ", [rb"libpng version 1\.\d+", rb"libpng does not support gamma"]),
    "FreeType": (r"Freetype 2 \d", [rb"truetype\x00truetype-engine\x00"]),
    "HarfBuzz": (r"HarfBuzz", [rb"HB_SHAPER_LIST\x00", rb"HB_OPTIONS\x00"]),
    "PCRE2": (r"PCRE2 \d", [rb"PCRE2_USE_OFFSET_LIMIT"]),
    # A file that Qt's resources carry, not code: the colour profile of its PDF output.
    "sRGB profile": (r"sRGB color profile", [rb"Copyright International Color Consortium"]),
}
# Attributions of Qt's source that this build leaves out (no JPEG, no network, no D-Bus, no
# Vulkan, no X11) or that belong to other systems. D-Bus's is "libdbus-1 headers", which Qt
# 6.8.2 misspells "libdus-1 headers": both are looked for.
ABSENT = ["LibJPEG", "libpsl", "libdbus", "libdus", "Vulkan", "XCB", "forkfd", "Cocoa",
          "Android"]


def contents(text):
    """The names in the notices' contents list, one a line after "Contents"."""
    section = text.split("Contents", 1)[1].split("=" * 78, 1)[0]
    return [line[2:] for line in section.splitlines() if line.startswith("- ")]
