#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The print tests, once as built (the print module beside the program) and once from a copy of
# the test program in a folder without the module. Runs under with-cups.sh.
# Usage: run-print-tests.sh path/to/print_tests
set -euo pipefail
tests=$1
"$tests" --gtest_filter='-*WithoutTheModule*'
alone=$(mktemp -d)
trap 'rm -rf "$alone"' EXIT
mkdir "$alone/bin"
cp "$tests" "$alone/bin/"
"$alone/bin/$(basename "$tests")" --gtest_filter='*WithoutTheModule*'
