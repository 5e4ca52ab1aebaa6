# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash
# Sourced by the scripts that run the program's Windows builds under Wine. Sets up a fresh 64-bit
# Wine prefix in a scratch folder of its own, $wine_work/prefix, the rest of that folder being the
# caller's. When the calling script exits, ends that prefix's wineserver (no other) and removes
# the folder: through an EXIT trap, which a caller must not replace. Call wine_prefix_boot to
# create the prefix (or start it in the background).

wine_work=$(mktemp -d)
# Debian's wine64 is not on PATH, and its `wine` wrapper first tries the 32-bit loader.
export PATH=/usr/lib/wine:$PATH
# No Wine log on the tests' output, and no offer to install Mono or Gecko: the program needs
# neither.
export WINEPREFIX=$wine_work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A boot still running in the background would start a wineserver after this one ends.
trap 'wait; wineserver -k 2>/dev/null || true; rm -rf "$wine_work"' EXIT

# Creates the prefix, without a display (it needs none), and returns once that Wine session has
# ended: a program started while the session's display-less desktop process lives would join it
# and never map a window.
wine_prefix_boot() {
    DISPLAY= wine64 wineboot --init >/dev/null 2>&1
    wineserver -w
}
