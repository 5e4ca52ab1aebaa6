#!/usr/bin/env bash
# Runs the screen reader suite: a private session bus, a private X server with openbox, then
# the suite, which starts the accessibility bus and Orca itself.
# Usage: run-orca-suite.sh path/to/vantrel [unittest arguments]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export VANTREL_PROGRAM=$1
shift
exec dbus-run-session -- bash "$here/../xserver/with-xvfb.sh" \
    /usr/bin/python3 "$here/orca_suite.py" "$@"
