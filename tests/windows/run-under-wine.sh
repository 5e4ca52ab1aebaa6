#!/usr/bin/env bash
# Builds the launcher, the registry reader and their Windows services for 64-bit Windows with
# MinGW-w64, together with the program's resources, and runs their test under Wine in a prefix
# of its own, against registry values written with `wine reg add`. Ends only its own wineserver.
# Usage: run-under-wine.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$1
build=$2
source "$here/wine-prefix.sh"
work=$wine_work
export DISPLAY=
started=$SECONDS

# Build: the test with the program's resource script, and a stand-in tool that leaves a mark.
compile=(x86_64-w64-mingw32-g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -static
         -I"$source")
x86_64-w64-mingw32-windres "$build/generated/vantrel.rc" -O coff -o "$work/vantrel-res.o"
"${compile[@]}" "$source/tests/windows/WindowsLauncherTest.cpp" \
    "$source/help/SysInfoLauncher.cpp" "$source/platform/RegistryWin32.cpp" \
    "$source/platform/ProgramsWin32.cpp" "$work/vantrel-res.o" -lversion \
    -o "$work/launcher-test.exe"
"${compile[@]}" "$source/tests/windows/Marker.cpp" -o "$work/tool.exe"

wine_prefix_boot
tools=$WINEPREFIX/drive_c/vantrel-test
mkdir -p "$tools/first" "$tools/second" "$tools/empty"
cp "$work/tool.exe" "$tools/first/tool.exe"
cp "$work/tool.exe" "$tools/second/MSINFO32.EXE"

reg() { wine64 reg "$@" /reg:64 >/dev/null 2>&1; }
test_key='HKLM\SOFTWARE\VantrelTest'
reg add "$test_key" /v Text /t REG_SZ /d abc /f
reg add "$test_key" /v Text1023 /t REG_SZ /d "$(printf 'x%.0s' $(seq 1023))" /f
reg add "$test_key" /v Text1024 /t REG_SZ /d "$(printf 'x%.0s' $(seq 1024))" /f
reg add "$test_key" /v Number /t REG_DWORD /d 305419896 /f
reg add "$test_key" /v Expandable /t REG_EXPAND_SZ /d 'C:\x' /f
reg add "$test_key" /v Empty /t REG_SZ /d "" /f
reg add "$test_key" /v Zero /t REG_BINARY /f

first_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
second_key='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
entries() {  # first entry's PATH, second entry's MSINFO folder; "" leaves an entry out
    reg delete "$first_key" /f || true
    reg delete "$second_key" /f || true
    [ -z "$1" ] || reg add "$first_key" /v PATH /t REG_SZ /d "$1" /f
    [ -z "$2" ] || reg add "$second_key" /v MSINFO /t REG_SZ /d "$2" /f
}

status=0
run() { wine64 "$work/launcher-test.exe" "$@" | tr -d '\r' || status=1; }
run values
run version
entries 'C:\vantrel-test\first\tool.exe' 'C:\vantrel-test\second'
run first-entry 'C:\vantrel-test\first\tool.exe' 'C:\vantrel-test\second\MSINFO32.EXE'
rm -f "$tools"/*/*.started
entries 'C:\vantrel-test\nothing\here.exe' 'C:\vantrel-test\second'
run first-entry-unstartable '' 'C:\vantrel-test\second\MSINFO32.EXE'
rm -f "$tools"/*/*.started
entries '' 'C:\vantrel-test\second'
run second-entry '' 'C:\vantrel-test\second\MSINFO32.EXE'
entries '' 'C:\vantrel-test\empty'
run second-entry-without-file
entries '' ''
run neither-entry
echo "Windows tests under Wine took $((SECONDS - started)) s"
exit "$status"
