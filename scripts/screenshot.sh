#!/usr/bin/env bash
# Makes docs/main-window.png: the main window after a calculation, on a private Xvfb display.
# Needs a built program (scripts/build.sh) and the test packages (scripts/install-deps.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/main-window.png}
display=:$((90 + RANDOM % 100))
source tests/xserver/gpa-drawn.sh
runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$runtime"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=disabled:
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# Openbox runs its --startup command once it is about to handle events; a window mapped
# before that can stay unmapped.
openbox --startup "touch '$runtime/openbox-ready'" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -e "$runtime/openbox-ready" ] && break; sleep 0.05; done
[ -e "$runtime/openbox-ready" ] || { echo "openbox did not start" >&2; exit 1; }
build/bin/vantrel >/dev/null 2>&1 &
pids+=($!)

wid=""
for _ in $(seq 50); do
    wid=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "$wid" ] || { echo "the main window did not appear" >&2; exit 1; }
# Once the window manager calls the window active it has the keyboard.
xdotool windowactivate --sync "$wid"
# A+ 4, B+ 3, D 1, F 2, then Enter.
xdotool key 4 Tab Tab 3 Tab Tab Tab Tab Tab 1 Tab 2 Return
# Wait until the GPA is painted.
for _ in $(seq 100); do gpa_drawn "$wid" "$runtime/window.png" && break; sleep 0.1; done
gpa_drawn "$wid" "$runtime/window.png" || { echo "the window shows no GPA" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
import -silent -frame -window "$wid" "$out"
echo "wrote $out"
