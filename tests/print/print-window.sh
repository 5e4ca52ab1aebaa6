#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# File > Print on a real print system. Presses F2 in the running program, waits for the PDF and
# checks that the page holds the window's image; then, with the print server stopped, checks
# that F2 says no printer is available. Runs under with-cups.sh and with-xvfb.sh.
# Usage: print-window.sh path/to/vantrel
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/../e2e/wait-for.sh"
source "$here/../e2e/identity.sh"
export VANTREL_DESIGN=${VANTREL_DESIGN:-$(dirname "$program")/../design/main-window.json}
source "$here/../xserver/gpa-drawn.sh"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

windows() { xdotool search --onlyvisible --name "^$program_title\$" 2>/dev/null || true; }
active_window() { xdotool getactivewindow 2>/dev/null || true; }
print_server_answers() { lpstat -r 2>/dev/null | grep -q "is running"; }
is_active() { [ "$(active_window)" = "$1" ]; }
is_shown() { windows | grep -q "^$1\$"; }
main_window_shown() { wid=$(windows | head -n 1) && [ -n "$wid" ]; }
message_shown() { message=$(windows | grep -v "^$wid\$" | head -n 1) && [ -n "$message" ]; }
pdf_printed() {
    pdf=$(find "${outputs[@]}" -name "*.pdf" -newer "$marker" -size +0 2>/dev/null | head -n 1 || true)
    [ -n "$pdf" ] && [ -z "$(lpstat -o "$VANTREL_TEST_PRINTER" 2>/dev/null)" ]
}

# cups-pdf writes into the job owner's ~/PDF, or its anonymous folder.
outputs=("$HOME/PDF" /var/spool/cups-pdf/ANONYMOUS)
marker="$work/marker"
touch "$marker"

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
wait_for 10 "the main window" main_window_shown
# Once the window manager calls the window active it has the keyboard, and the program sees
# the focus arrive before the keys.
xdotool windowactivate --sync "$wid"
xdotool key 4 Tab 3 Tab 2 Tab 1 Return
wait_for 10 "the GPA to be painted" gpa_drawn "$wid" "$work/window.png"
xdotool key F2
wait_for 30 "the printed PDF" pdf_printed || { lpstat -t >&2 || true; exit 1; }
echo "printed to $pdf"

# The window's image is drawn at four times the screen's resolution (384 pixels to the inch on
# paper), so that its text stays sharp.
read -r image_width image_height image_ppi < <(
    pdfimages -list "$pdf" | awk 'NR == 3 { print $4, $5, $13 }')
echo "image in the page: ${image_width}x${image_height} at $image_ppi ppi"
if [ "$image_width" -lt $((client_width * 4)) ] ||
   [ "$image_height" -lt $((client_height * 4)) ]; then
    echo "the window is printed at less than four times the screen's resolution" >&2
    exit 1
fi

# At 96 dpi the printed image has the window's on-screen size; compare it with the screenshot
# of the window below its menu bar.
pdftoppm -png -r 96 -singlefile "$pdf" "$work/page"
size=$(convert "$work/page.png" -trim -format '%w %h' info:)
read -r width height <<<"$size"
echo "printed image: ${width}x${height}"
if [ $((width - client_width)) -lt -3 ] || [ $((width - client_width)) -gt 3 ] ||
   [ $((height - client_height)) -lt -3 ] || [ $((height - client_height)) -gt 3 ]; then
    echo "the printed image is not the window's size (${client_width}x${client_height})" >&2
    exit 1
fi
# Compared at a quarter of the size, so that anti-aliasing does not count: the window itself
# gives about 0.03, a blank or mirrored window 0.13 and more.
convert "$work/page.png" -trim +repage -resize "${client_width}x${client_height}!" -resize 25% \
    "$work/printed.png"
convert "$work/window.png" -gravity south -crop "${client_width}x${client_height}+0+0" +repage \
    "$work/screen.png"
convert "$work/screen.png" -resize 25% "$work/screen-small.png"
if [ -n "${VANTREL_ARTIFACTS:-}" ]; then
    cp "$work/page.png" "$VANTREL_ARTIFACTS/printed-page.png"
    cp "$work/screen.png" "$VANTREL_ARTIFACTS/printed-window-on-screen.png"
fi
difference=$(compare -metric RMSE "$work/printed.png" "$work/screen-small.png" null: 2>&1 | sed -E "s/.*\((.*)\).*/\1/" || true)
echo "difference from the screen: $difference"
awk -v d="$difference" 'BEGIN { exit !(d < 0.07) }' || { echo "the page does not show the window" >&2; exit 1; }

# With no print server, F2 says so in a message box; Enter closes it.
kill "$VANTREL_TEST_CUPSD"
wait_for 10 "the print server to stop" not print_server_answers
xdotool windowactivate --sync "$wid"
xdotool key F2
wait_for 10 "a message box for the missing printer" message_shown
# Enter goes to the box once it has the focus.
wait_for 10 "the message box to get the focus" is_active "$message"
xdotool key Return
wait_for 10 "the message box to close" not is_shown "$message"
# The program runs on: back in the main window, Esc clears the GPA from the screen.
wait_for 10 "the main window to get the focus back" is_active "$wid"
xdotool key Escape
wait_for 10 "Esc to clear the GPA (the program does not answer)" \
    not gpa_drawn "$wid" "$work/window.png"
kill -0 "$program_pid" || { echo "the program ended" >&2; exit 1; }
echo "print test passed"
