#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vantrel for 64-bit Windows with MinGW-w64 into build/windows/: vantrel.exe (one file,
# no DLL beside it), the installer vantrel-VERSION-x64.msi and a zip with the .exe. Builds the
# static Qt for Windows first when the cache lacks it (20 to 50 minutes), and the native build
# in build/ for the build-time tools.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/icon_export ] || scripts/build.sh
qt=$(scripts/build-windows-qt.sh | tail -n 1)
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DVANTREL_HOST_ICON_EXPORT="$PWD/build/icon_export" >/dev/null
cmake --build build/windows
