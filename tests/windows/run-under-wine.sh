#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the launcher, the registry reader and their Windows services for 64-bit Windows with
# MinGW-w64, together with the program's resources and GoogleTest, and runs their tests under
# Wine in a prefix of its own, scenario by scenario: a scenario is a test suite, run alone after
# its registry values are written with `wine reg add`. Ends only its own wineserver.
# Usage: run-under-wine.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sources=$1
build=$2
source "$here/wine-prefix.sh"
work=$wine_work
export DISPLAY=
started=$SECONDS
# The prefix boots while the tests build.
wine_prefix_boot &
booting=$!

compile=(x86_64-w64-mingw32-g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -static)

# GoogleTest for Windows from Debian's source, built once into the build folder and again when
# the compiler, GoogleTest or the flags change.
gtest_source=/usr/src/googletest/googletest
gtest=$build/tests/gtest-mingw
gtest_compile=(x86_64-w64-mingw32-g++ -std=c++20 -O1 -isystem "$gtest_source/include"
               -I"$gtest_source")
compiler=$(x86_64-w64-mingw32-g++ --version | head -n 1)
stamp="$compiler; googletest $(dpkg-query -W -f='${Version}' googletest); ${gtest_compile[*]}"
if [ "$(cat "$gtest/stamp" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$gtest"
    mkdir -p "$gtest"
    "${gtest_compile[@]}" -c "$gtest_source/src/gtest-all.cc" -o "$gtest/gtest-all.o"
    "${gtest_compile[@]}" -c "$gtest_source/src/gtest_main.cc" -o "$gtest/gtest_main.o"
    echo "$stamp" >"$gtest/stamp"
fi

# The tests with the program's resource script, and a stand-in tool that leaves a mark.
x86_64-w64-mingw32-windres "$build/generated/vantrel.rc" -O coff -o "$work/vantrel-res.o"
"${compile[@]}" -I"$sources" -isystem "$gtest_source/include" \
    "$sources/tests/windows/WindowsLauncherTest.cpp" "$sources/help/SysInfoLauncher.cpp" \
    "$sources/platform/RegistryWin32.cpp" "$sources/platform/ProgramsWin32.cpp" \
    "$work/vantrel-res.o" "$gtest/gtest-all.o" "$gtest/gtest_main.o" -lversion \
    -o "$work/launcher-test.exe"
"${compile[@]}" "$sources/tests/windows/Marker.cpp" -o "$work/tool.exe"

wait "$booting"
# One Wine session for every step below: starting one takes seconds.
wineserver -p
tools=$WINEPREFIX/drive_c/vantrel-test
mkdir -p "$tools/first" "$tools/second" "$tools/empty"
cp "$work/tool.exe" "$tools/first/tool.exe"
cp "$work/tool.exe" "$tools/second/MSINFO32.EXE"

reg() { wine64 reg "$@" /reg:64 >/dev/null 2>&1; }
first_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
second_key='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
entries() {  # first entry's PATH, second entry's MSINFO folder; "" leaves an entry out
    reg delete "$first_key" /f || true
    reg delete "$second_key" /f || true
    [ -z "$1" ] || reg add "$first_key" /v PATH /t REG_SZ /d "$1" /f
    [ -z "$2" ] || reg add "$second_key" /v MSINFO /t REG_SZ /d "$2" /f
    rm -f "$tools"/*/*.started
}

# The registry as each scenario needs it.
setup() {
    case $1 in
        Values)
            local key='HKLM\SOFTWARE\VantrelTest'
            reg add "$key" /v Text /t REG_SZ /d abc /f
            reg add "$key" /v Text1023 /t REG_SZ /d "$(printf 'x%.0s' $(seq 1023))" /f
            reg add "$key" /v Text1024 /t REG_SZ /d "$(printf 'x%.0s' $(seq 1024))" /f
            reg add "$key" /v Number /t REG_DWORD /d 305419896 /f
            reg add "$key" /v Expandable /t REG_EXPAND_SZ /d 'C:\x' /f
            reg add "$key" /v Empty /t REG_SZ /d "" /f
            reg add "$key" /v Zero /t REG_BINARY /f
            ;;
        Version) ;;
        FirstEntry) entries 'C:\vantrel-test\first\tool.exe' 'C:\vantrel-test\second' ;;
        FirstEntryUnstartable)
            entries 'C:\vantrel-test\nothing\here.exe' 'C:\vantrel-test\second' ;;
        SecondEntry) entries '' 'C:\vantrel-test\second' ;;
        SecondEntryWithoutFile) entries '' 'C:\vantrel-test\empty' ;;
        NeitherEntry) entries '' '' ;;
        *)
            echo "No registry set up for the scenario $1" >&2
            return 1
            ;;
    esac
}

# Every test suite the program has, so that none is left out: a suite with no registry set up
# fails.
mapfile -t scenarios < <(wine64 "$work/launcher-test.exe" --gtest_list_tests | tr -d '\r' |
    sed -n 's/^\([A-Za-z0-9_]*\)\.$/\1/p')
# Runs one scenario's tests. Wine at times fails to start a program at all, saying nothing: a run
# in which no test began is tried once more. A run whose tests began is never repeated.
run_scenario() {
    local attempt output failed
    for attempt in 1 2; do
        # Called after ||, where set -e does not stop at a failed set-up.
        setup "$1" || return 1
        failed=0
        output=$(wine64 "$work/launcher-test.exe" --gtest_filter="$1.*" 2>&1) || failed=$?
        [ -z "$output" ] || printf '%s\n' "${output//$'\r'/}"
        if [ "$failed" -eq 0 ] || grep -q '^\[==========\] Running' <<<"$output"; then
            return "$failed"
        fi
        echo "Wine ran no test of $1 (attempt $attempt, exit status $failed)"
    done
    return 1
}

status=0
for scenario in "${scenarios[@]}"; do
    run_scenario "$scenario" || status=1
done
[ ${#scenarios[@]} -gt 0 ] || status=1
echo "Windows tests under Wine took $((SECONDS - started)) s"
exit "$status"
