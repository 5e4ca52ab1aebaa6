#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/main-window.png: the main window after a calculation, on a private Xvfb display.
# Needs a built program (scripts/build.sh) and the test packages (scripts/install-deps.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${VANTREL_SCREENSHOT_DISPLAY:-}" ]; then
    VANTREL_SCREENSHOT_DISPLAY=private exec bash tests/xserver/with-xvfb.sh bash "$0" "$@"
fi
out=${1:-docs/main-window.png}
source tests/e2e/wait-for.sh
# The design's places, which a build with the tests writes.
export VANTREL_DESIGN=${VANTREL_DESIGN:-build/design/main-window.json}
[ -f "$VANTREL_DESIGN" ] || scripts/build.sh
source tests/xserver/gpa-drawn.sh
runtime=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$runtime"' EXIT

build/bin/vantrel >/dev/null 2>&1 &
main_window_shown() { wid=$(xdotool search --onlyvisible --name '^Vantrel$' | head -n 1); }
wait_for 10 "the main window" main_window_shown
# Once the window manager calls the window active it has the keyboard.
xdotool windowactivate --sync "$wid"
# A+ 4, B+ 3, D 1, F 2, then Enter.
xdotool key 4 Tab Tab 3 Tab Tab Tab Tab Tab 1 Tab 2 Return
wait_for 10 "the GPA to be painted" gpa_drawn "$wid" "$runtime/window.png"
mkdir -p "$(dirname "$out")"
import -silent -frame -window "$wid" "$out"
echo "wrote $out"
