#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Wine suite on vantrel.exe and its installer: a fresh 64-bit Wine prefix of its own, on
# a private X server with openbox. Ends only its own wineserver.
# Usage: run-wine-suite.sh BUILD_WINDOWS_DIR [unittest arguments]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$1/package/vantrel.exe" ]; then
    echo "No Windows build in $1: run scripts/build-windows.sh" >&2
    exit 1
fi
build=$(cd "$1" && pwd)
shift
source "$here/wine-prefix.sh"
work=$wine_work
export VANTREL_EXE=$build/package/vantrel.exe
export VANTREL_MSI=$(ls "$build"/vantrel-*-x64.msi)
# Where the design puts the main window's labels: written by the native build beside this one.
export VANTREL_DESIGN=${VANTREL_DESIGN:-$build/../design/main-window.json}

# A stand-in for the system's UI Automation core, which records what the program tells screen
# readers, and a helper that asks a window for its UI Automation root as a screen reader does.
compile=(x86_64-w64-mingw32-g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -static)
"${compile[@]}" -shared "$here/UiaRecorder.cpp" -loleaut32 -o "$work/uiautomationcore.dll"
"${compile[@]}" -municode "$here/AskForUiAutomation.cpp" -o "$work/ask-for-ui-automation.exe"
export VANTREL_UIA_ASK=$work/ask-for-ui-automation.exe

wine_prefix_boot
# Loaded only by a program started with WINEDLLOVERRIDES naming it (uiautomationcore=n).
cp "$work/uiautomationcore.dll" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
# No Windows faces in a fresh prefix: Arial and the dialog faces are drawn with Liberation Sans,
# which has Arial's metrics, as on Linux.
for face in "Arial" "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" "MS Shell Dlg" \
    "MS Shell Dlg 2"; do
    wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d "Liberation Sans" /f >/dev/null 2>&1
done
# A 200 % display, so that the text read back from the screen is large enough to read surely.
wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
# The prefix's desktop process was started without a display by the commands above; a program
# started while it lives joins it and never maps a window. It ends with the Wine session.
wineserver -w
# No printer: Wine would otherwise list those of a print server on this machine.
export CUPS_SERVER=/nonexistent/cups.sock

bash "$here/../xserver/with-xvfb.sh" python3 "$here/../e2e/run_suite.py" "$here/wine_suite.py" "$@"
