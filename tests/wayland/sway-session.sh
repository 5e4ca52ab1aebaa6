#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Inside the private session bus: starts sway headless, waits until it answers, runs the suite
# and stops sway. Needs XDG_RUNTIME_DIR (owned by the caller, mode 700).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/wait-for.sh"
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

# sway answers on its IPC socket once its outputs are up; its Wayland socket is there by then.
sway_answers_or_gone() {
    ! kill -0 "${pids[0]}" 2>/dev/null && return 0
    swaymsg -t get_outputs >/dev/null 2>&1 || return 1
    for socket in "$XDG_RUNTIME_DIR"/wayland-*; do
        [ -S "$socket" ] && display=${socket##*/} && return 0
    done
    return 1
}
display=
if ! wait_for 30 "sway to answer" sway_answers_or_gone || [ -z "$display" ]; then
    echo "sway did not start:" >&2
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
wait_for 30 "the session's keyboard" has_keyboard

status=0
/usr/bin/python3 "$here/../e2e/run_suite.py" "$here/wayland_suite.py" "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- sway's log" >&2
    grep -v 'Xwayland\|drm' "$XDG_RUNTIME_DIR/sway.log" | tail -n 40 >&2 || true
fi
exit "$status"
