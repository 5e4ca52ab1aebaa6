#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vantrel for the browser with Debian's emscripten into build/web/; the folder to serve is
# build/web/site. Builds the static Qt for WebAssembly first when the cache lacks it, and the
# native build in build/ for the build-time tools. Needs an emscripten that can build Qt's
# (Debian 13 or later): on an older one it says so and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-can-build.sh
# The native build's icon_export, up to date, writes the icons.
if [ -f build/CMakeCache.txt ]; then
    cmake --build build --target icon_export >/dev/null
else
    scripts/build.sh program
fi
qt=$(scripts/build-web-qt.sh | tail -n 1)
export EMSDK=$qt/emsdk
"$qt/bin/qt-cmake" -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVANTREL_HOST_ICON_EXPORT="$PWD/build/icon_export" >/dev/null
cmake --build build/web
