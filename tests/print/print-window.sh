#!/usr/bin/env bash
# File > Print on a real print system: a CUPS server with the cups-pdf virtual printer as the
# default printer. Presses F2 in the running program, waits for the PDF and checks that the
# page holds the window's image; then, with the print server stopped, checks that F2 says no
# printer is available. Needs root (cupsd) and runs under with-xvfb.sh.
# Usage: print-window.sh path/to/vantrel
set -euo pipefail
program=$1
[ "$(id -u)" -eq 0 ] || { echo "skipped: starting cupsd needs root"; exit 77; }
if lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "skipped: a print server is already running here; not touching it"
    exit 77
fi

source "$(dirname "$0")/../xserver/gpa-drawn.sh"
work=$(mktemp -d)
pids=()
printer=VantrelTestPDF
cleanup() {
    lpadmin -x "$printer" 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_cupsd() {
    mkdir -p /run/cups
    /usr/sbin/cupsd -f >"$work/cupsd.log" 2>&1 &
    cupsd_pid=$!
    pids+=("$cupsd_pid")
    for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && return 0; sleep 0.1; done
    echo "cupsd did not start" >&2
    cat "$work/cupsd.log" >&2
    exit 1
}

main_window() { xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n 1; }

active_window() { xdotool getactivewindow 2>/dev/null || true; }

start_cupsd
model=$(lpinfo -m | grep -i 'cups-pdf' | head -n 1 | cut -d' ' -f1)
[ -n "$model" ] || { echo "no cups-pdf model" >&2; exit 1; }
lpadmin -p "$printer" -v cups-pdf:/ -E -m "$model"
lpadmin -d "$printer"

# cups-pdf writes into the job owner's ~/PDF, or its anonymous folder.
outputs=("$HOME/PDF" /var/spool/cups-pdf/ANONYMOUS)
marker="$work/marker"
touch "$marker"

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
wid=""
for _ in $(seq 100); do wid=$(main_window) && [ -n "$wid" ] && break; sleep 0.1; done
[ -n "$wid" ] || { echo "the main window did not appear" >&2; exit 1; }
# Once the window manager calls the window active it has the keyboard, and the program sees
# the focus arrive before the keys.
xdotool windowactivate --sync "$wid"
xdotool key 4 Tab 3 Tab 2 Tab 1 Return
for _ in $(seq 100); do gpa_drawn "$wid" "$work/window.png" && break; sleep 0.1; done
gpa_drawn "$wid" "$work/window.png" || { echo "the window shows no GPA" >&2; exit 1; }
xdotool key F2

pdf=""
for _ in $(seq 300); do
    pdf=$(find "${outputs[@]}" -name "*.pdf" -newer "$marker" -size +0 2>/dev/null | head -n 1 || true)
    [ -n "$pdf" ] && [ -z "$(lpstat -o "$printer" 2>/dev/null)" ] && break
    sleep 0.1
done
[ -n "$pdf" ] || { echo "no PDF appeared" >&2; lpstat -t >&2 || true; exit 1; }
echo "printed to $pdf"

# At 96 dpi the printed image has the window's on-screen size; compare it with the screenshot
# of the window below its menu bar.
pdftoppm -png -r 96 -singlefile "$pdf" "$work/page"
size=$(convert "$work/page.png" -trim -format '%w %h' info:)
read -r width height <<<"$size"
echo "printed image: ${width}x${height}"
if [ $((width - 409)) -lt -3 ] || [ $((width - 409)) -gt 3 ] ||
   [ $((height - 213)) -lt -3 ] || [ $((height - 213)) -gt 3 ]; then
    echo "the printed image is not the window's size (409x213)" >&2
    exit 1
fi
# Compared at a quarter of the size, so that anti-aliasing does not count: the window itself
# gives about 0.03, a blank or mirrored window 0.13 and more.
convert "$work/page.png" -trim +repage -resize '409x213!' -resize 25% "$work/printed.png"
convert "$work/window.png" -gravity south -crop 409x213+0+0 +repage "$work/screen.png"
convert "$work/screen.png" -resize 25% "$work/screen-small.png"
if [ -n "${VANTREL_ARTIFACTS:-}" ]; then
    cp "$work/page.png" "$VANTREL_ARTIFACTS/printed-page.png"
    cp "$work/screen.png" "$VANTREL_ARTIFACTS/printed-window-on-screen.png"
fi
difference=$(compare -metric RMSE "$work/printed.png" "$work/screen-small.png" null: 2>&1 | sed -E "s/.*\((.*)\).*/\1/" || true)
echo "difference from the screen: $difference"
awk -v d="$difference" 'BEGIN { exit !(d < 0.07) }' || { echo "the page does not show the window" >&2; exit 1; }

# With no print server, F2 says so in a message box; Enter closes it.
kill "$cupsd_pid"
wait "$cupsd_pid" 2>/dev/null || true
xdotool windowactivate --sync "$wid"
xdotool key F2
message=""
for _ in $(seq 50); do
    message=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | grep -v "^$wid\$" | head -n 1 || true)
    [ -n "$message" ] && break
    sleep 0.1
done
[ -n "$message" ] || { echo "no message box for the missing printer" >&2; exit 1; }
# Enter goes to the box once it has the focus.
for _ in $(seq 100); do [ "$(active_window)" = "$message" ] && break; sleep 0.1; done
[ "$(active_window)" = "$message" ] || { echo "the message box did not get the focus" >&2; exit 1; }
xdotool key Return
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Vantrel$' | grep -q "^$message\$" || break
    sleep 0.1
done
if xdotool search --onlyvisible --name '^Vantrel$' | grep -q "^$message\$"; then
    echo "the message box did not close" >&2
    exit 1
fi
# The program runs on: back in the main window, Esc clears the GPA from the screen.
for _ in $(seq 100); do [ "$(active_window)" = "$wid" ] && break; sleep 0.1; done
[ "$(active_window)" = "$wid" ] || { echo "the main window did not get the focus back" >&2; exit 1; }
xdotool key Escape
for _ in $(seq 100); do gpa_drawn "$wid" "$work/window.png" || break; sleep 0.1; done
if gpa_drawn "$wid" "$work/window.png"; then echo "Esc did not clear the window: the program does not answer" >&2; exit 1; fi
kill -0 "$program_pid" || { echo "the program ended" >&2; exit 1; }
echo "print test passed"
