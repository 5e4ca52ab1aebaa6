#!/usr/bin/env bash
# Inside the private session bus: starts sway headless, waits until it answers, runs the suite
# and stops sway. Needs XDG_RUNTIME_DIR (owned by the caller, mode 700).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$XDG_RUNTIME_DIR"
# sway takes its IPC socket from SWAYSOCK when that does not exist yet.
export SWAYSOCK=$XDG_RUNTIME_DIR/sway-ipc.sock
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$here/sway.conf" >"$XDG_RUNTIME_DIR/sway.log" 2>&1 &
pids=($!)
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

display=
for _ in $(seq 600); do
    if ! kill -0 "${pids[0]}" 2>/dev/null; then
        echo "sway exited at start:" >&2
        cat "$XDG_RUNTIME_DIR/sway.log" >&2
        exit 1
    fi
    if swaymsg -t get_outputs >/dev/null 2>&1; then
        for socket in "$XDG_RUNTIME_DIR"/wayland-*; do
            [ -S "$socket" ] && display=${socket##*/} && break
        done
        [ -n "$display" ] && break
    fi
    sleep 0.05
done
if [ -z "$display" ]; then
    echo "sway did not answer within 30 s:" >&2
    cat "$XDG_RUNTIME_DIR/sway.log" >&2
    exit 1
fi
export WAYLAND_DISPLAY=$display
unset DISPLAY

# The headless backend has no keyboard, and each wtype call brings one and takes it away again;
# a program whose seat loses its last keyboard sees its window deactivated and its focus gone.
# A desktop always has one: this virtual keyboard stays for the whole session.
wtype -s 86400000 &
pids+=($!)
has_keyboard() {
    local inputs
    inputs=$(swaymsg -t get_inputs 2>/dev/null) || return 1
    [[ $inputs == *'"type": "keyboard"'* ]]
}
for _ in $(seq 600); do has_keyboard && break; sleep 0.05; done
if ! has_keyboard; then
    echo "the session's keyboard did not come" >&2
    exit 1
fi

status=0
/usr/bin/python3 "$here/wayland_suite.py" "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- sway's log" >&2
    grep -v 'Xwayland\|drm' "$XDG_RUNTIME_DIR/sway.log" | tail -n 40 >&2 || true
fi
exit "$status"
