#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Says whether this machine's emscripten can make the browser build: Qt's browser platform
# needs emscripten 3.1.56 or later (what Qt 6.8 asks for; Debian 13 has 3.1.69, while Debian 12's
# 3.1.6 is older than even Qt 6.4's 3.1.14). Exits 0 when it can; otherwise says why and exits 1.
# Usage: web-can-build.sh           the emscripten installed (emcc)
#        web-can-build.sh --package the emscripten that apt would install
set -euo pipefail
minimum=3.1.56
if [ "${1:-}" = --package ]; then
    version=$(apt-cache policy emscripten 2>/dev/null | awk '/Candidate:/ { print $2 }')
    [ -n "$version" ] && [ "$version" != "(none)" ] || exit 1
    what="this Debian release's emscripten is $version"
elif command -v emcc >/dev/null; then
    version=$(emcc -dumpversion 2>/dev/null || echo 0)
    what="the emscripten installed is $version"
else
    version=0
    what="emscripten is not installed"
fi
dpkg --compare-versions "${version%%+*}" ge "$minimum" && exit 0
echo "The browser build needs emscripten $minimum or later (Debian 13 and later): $what." >&2
exit 1
