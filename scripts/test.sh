#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vantrel and runs every test: once as built for use, then
# again built with AddressSanitizer and UndefinedBehaviorSanitizer (with clang), where the
# bounded fuzzing run comes too. Any sanitizer report fails the run. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)

echo "== Tests"
scripts/build.sh
scripts/build-windows.sh
# The browser build, where this machine's emscripten can make it (it says why not otherwise).
if scripts/web-can-build.sh; then
    scripts/build-web.sh
fi
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzing"
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTREL_SANITIZE=ON -DVANTREL_FUZZ=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
logs=$PWD/build-sanitize/sanitizer-logs
rm -rf "$logs"
mkdir -p "$logs"
# Reports go to files, so that those of programs the tests start are seen too. Every allocation
# is unwound in full, through the system libraries built without frame pointers, so that a leak
# report names the library it comes from and only the suppressions' system libraries match.
export ASAN_OPTIONS="log_path=$logs/asan:detect_leaks=1:fast_unwind_on_malloc=0"
export UBSAN_OPTIONS="log_path=$logs/ubsan:print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
status=0
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" || status=$?
if compgen -G "$logs/*" >/dev/null; then
    echo "Sanitizer reports:" >&2
    cat "$logs"/* >&2
    status=1
fi
exit "$status"
