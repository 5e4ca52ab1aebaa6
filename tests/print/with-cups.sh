#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a private CUPS server whose default printer is a cups-pdf queue, named in
# $VANTREL_TEST_PRINTER; the server's pid is in $VANTREL_TEST_CUPSD, for a command that stops
# it to see the program with no printer. The PDFs land in $HOME/PDF or cups-pdf's anonymous
# folder. Needs root, and leaves alone a print server that is already running.
# Usage: with-cups.sh command [arguments]
set -euo pipefail
source "$(dirname "$0")/../e2e/wait-for.sh"
cupsd_answers() { lpstat -r 2>/dev/null | grep -q "is running"; }
[ "$(id -u)" -eq 0 ] || { echo "skipped: starting cupsd needs root"; exit 77; }
if cupsd_answers; then
    echo "skipped: a print server is already running here; not touching it"
    exit 77
fi

log=$(mktemp)
export VANTREL_TEST_PRINTER=VantrelTestPDF
cleanup() {
    lpadmin -x "$VANTREL_TEST_PRINTER" 2>/dev/null || true
    kill "$VANTREL_TEST_CUPSD" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -f "$log"
}
mkdir -p /run/cups
/usr/sbin/cupsd -f >"$log" 2>&1 &
export VANTREL_TEST_CUPSD=$!
trap cleanup EXIT
wait_for 30 "cupsd to start" cupsd_answers || { cat "$log" >&2; exit 1; }
model=$(lpinfo -m | grep -i 'cups-pdf' | head -n 1 | cut -d' ' -f1)
[ -n "$model" ] || { echo "no cups-pdf model" >&2; exit 1; }
lpadmin -p "$VANTREL_TEST_PRINTER" -v cups-pdf:/ -E -m "$model"
lpadmin -d "$VANTREL_TEST_PRINTER"
"$@"
