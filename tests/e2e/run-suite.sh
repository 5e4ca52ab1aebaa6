#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a suite that reads the program through the accessibility bus: a private session bus, a
# private X server with openbox, then the suite.
# Usage: run-suite.sh SUITE.py path/to/vantrel [unittest arguments]
set -euo pipefail
suite=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
export VANTREL_PROGRAM=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- bash "$here/../xserver/with-xvfb.sh" \
    /usr/bin/python3 "$here/run_suite.py" "$suite" "$@"
