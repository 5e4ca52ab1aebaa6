#!/usr/bin/env bash
# Runs the desktop suite: a private session bus (for the accessibility bus), a private X server
# with openbox, then the suite. Usage: run-suite.sh path/to/vantrel [unittest arguments]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export VANTREL_PROGRAM=$1
shift
exec dbus-run-session -- bash "$here/../xserver/with-xvfb.sh" \
    /usr/bin/python3 "$here/desktop_suite.py" "$@"
