#!/usr/bin/env bash
# The help windows in the running program, driven from outside with real keys as a person
# would: one window of each, OK/Enter/Esc, System Info starting the system-information program
# found on PATH, the program running on after its main window is closed, and Exit closing
# everything. Runs under with-xvfb.sh.  Usage: help-windows.sh path/to/vantrel
set -euo pipefail
program=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

# A system-information program of the test's own, found on PATH under a well-known name.
mkdir "$work/bin"
printf '#!/bin/sh\ntouch "%s/sysinfo-started"\n' "$work" >"$work/bin/hardinfo"
chmod +x "$work/bin/hardinfo"

windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
count() { windows "$1" | grep -c . || true; }
wait_for_count() {  # name, count
    for _ in $(seq 50); do [ "$(count "$1")" -eq "$2" ] && return 0; sleep 0.1; done
    fail "expected $2 window(s) named '$1', found $(count "$1")"
}
activate() { xdotool windowactivate --sync "$1"; sleep 0.2; }
start_program() {
    PATH="$work/bin:$PATH" "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    wait_for_count '^Vantrel$' 1
    main=$(windows '^Vantrel$')
    activate "$main"
}
wait_for_exit() {
    for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || return 0; sleep 0.1; done
    fail "the program is still running"
}
shot() { [ -n "${VANTREL_ARTIFACTS:-}" ] && import -silent -frame -window "$1" "$VANTREL_ARTIFACTS/$2.png" || true; }

start_program
xdotool key F5
wait_for_count '^How to use\.\.\.$' 1
inst=$(windows '^How to use\.\.\.$')
activate "$main"
xdotool key F5
sleep 0.5
[ "$(count '^How to use\.\.\.$')" -eq 1 ] || fail "a second F5 opened a second window"
[ "$(windows '^How to use\.\.\.$')" = "$inst" ] || fail "a second F5 made a new window"
xprop -id "$inst" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the instructions are in the taskbar"
xprop -id "$main" _NET_WM_STATE | grep -q SKIP_TASKBAR && fail "the main window is not in the taskbar"
shot "$inst" instructions-window

activate "$main"
xdotool key F6
wait_for_count '^About Vantrel$' 1
about=$(windows '^About Vantrel$')
activate "$main"
xdotool key F6
sleep 0.5
[ "$(windows '^About Vantrel$')" = "$about" ] || fail "a second F6 made a new window"
shot "$about" about-window

# System Info starts the program found on PATH; the About window stays open.
activate "$about"
xdotool key alt+s
for _ in $(seq 50); do [ -e "$work/sysinfo-started" ] && break; sleep 0.1; done
[ -e "$work/sysinfo-started" ] || fail "System Info started nothing"
wait_for_count '^About Vantrel$' 1

# Esc and Enter close the About window; Esc does nothing in the instructions, Enter closes them.
activate "$about"
xdotool key Escape
wait_for_count '^About Vantrel$' 0
activate "$main"
xdotool key F6
wait_for_count '^About Vantrel$' 1
activate "$(windows '^About Vantrel$')"
xdotool key Return
wait_for_count '^About Vantrel$' 0
activate "$inst"
xdotool key Escape
sleep 0.5
[ "$(count '^How to use\.\.\.$')" -eq 1 ] || fail "Esc closed the instructions"
xdotool key Return
wait_for_count '^How to use\.\.\.$' 0

# The main window closed with the help window open: the program runs on until that one closes.
activate "$main"
xdotool key F5
wait_for_count '^How to use\.\.\.$' 1
activate "$main"
xdotool key alt+F4
wait_for_count '^Vantrel$' 0
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "the program ended with a help window open"
activate "$(windows '^How to use\.\.\.$')"
xdotool key Return
wait_for_exit

# Exit closes every window and ends the program.
start_program
xdotool key F5
wait_for_count '^How to use\.\.\.$' 1
activate "$main"
xdotool key F6
wait_for_count '^About Vantrel$' 1
activate "$main"
xdotool key F9
wait_for_exit
[ "$(count 'Vantrel|How to use')" -eq 0 ] || fail "a window outlived Exit"
echo "help windows: all checks passed"
