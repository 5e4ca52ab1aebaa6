# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the test scripts: they wait for a condition, never for a fixed time. The shell's
# counterpart of polling.py.

# wait_for SECONDS WHAT COMMAND [ARGUMENTS...]: runs the command until it succeeds. When the
# seconds are up it says what it waited for and returns 1.
wait_for() {
    local deadline=$((SECONDS + $1)) what=$2
    shift 2
    until "$@"; do
        if ((SECONDS > deadline)); then
            echo "timed out waiting for $what" >&2
            return 1
        fi
        sleep 0.05
    done
}

# not COMMAND [ARGUMENTS...]: succeeds when the command fails; for waiting until something goes.
not() { ! "$@"; }
