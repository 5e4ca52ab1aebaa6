#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Vantrel in build/: with its tests (the default), or the program alone
# ("program"), which needs only what `install-deps.sh run` installs.
# Usage: scripts/build.sh [program|all]
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-all}" in
    all) testing=ON ;;
    program) testing=OFF ;;
    *) echo "usage: $0 [program|all]" >&2; exit 2 ;;
esac
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$testing >/dev/null
cmake --build build -j "$(nproc)"
