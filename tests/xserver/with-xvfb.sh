#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private Xvfb display with openbox managing the windows, so that focus,
# activation and stacking behave as on a desktop. Ends only the processes it started.
set -euo pipefail
source "$(dirname "$0")/../e2e/wait-for.sh"
runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the given descriptor.
exec 3>"$runtime/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
pids+=($!)
wait_for 30 "Xvfb to pick a display" test -s "$runtime/display" ||
    { cat "$runtime/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$runtime/display")"
# A session bus of the caller's (for the accessibility bus) is kept; otherwise none at all.
export XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}
# The accessibility bus that session bus starts must live in this run's folder and know this
# display: without them it listens on ~/.cache/at-spi/bus, which every other run of the same
# user takes over, and programs started later join that other run's bus.
if [ "$DBUS_SESSION_BUS_ADDRESS" != "disabled:" ]; then
    dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR
fi
unset QT_QPA_PLATFORM
# Openbox runs its --startup command once it manages the windows already there and is about to
# handle events; a window mapped before that can be left unmapped for good.
# It now and then exits at once, saying nothing (about one start in twenty here); it is started
# again then, and the run stops if it never gets ready.
openbox_ready_or_gone() { [ -e "$runtime/openbox-ready" ] || ! kill -0 "${pids[-1]}" 2>/dev/null; }
start_openbox() {
    rm -f "$runtime/openbox-ready"
    openbox --startup "touch '$runtime/openbox-ready'" >"$runtime/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 20 "openbox to start" openbox_ready_or_gone || return 1
    [ -e "$runtime/openbox-ready" ] && return 0
    wait "${pids[-1]}" && status=0 || status=$?
    echo "openbox exited at start (status $status); starting it again" >&2
    return 1
}
start_openbox || start_openbox || start_openbox || {
    echo "openbox did not start:" >&2
    cat "$runtime/openbox.log" >&2
    exit 1
}

"$@" &
pids+=($!)
wait "${pids[-1]}"
