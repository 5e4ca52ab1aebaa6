#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running or testing Vantrel needs, when missing.
# Usage: scripts/install-deps.sh build|run|web|test|bench
set -euo pipefail

build_packages=(cmake g++ make qt6-base-dev libgl-dev libxcb1-dev libcups2-dev fonts-liberation)
# The X11 and Wayland platform plugins.
run_packages=(qt6-qpa-plugins qt6-wayland)
test_packages=(libgtest-dev googletest libqt6test6 xvfb xauth xdotool x11-utils x11-xserver-utils
    openbox imagemagick cups printer-driver-cups-pdf poppler-utils dbus dbus-x11 at-spi2-core
    python3-pyatspi desktop-file-utils appstream appstream-compose python3-yaml dpkg-dev
    clang libclang-rt-dev libbenchmark-dev fonts-dejavu-core
    g++-mingw-w64-x86-64-posix wine64 ninja-build xz-utils wixl msitools tesseract-ocr
    sway wtype grim reuse lintian man-db)

bench_packages=(hyperfine time)
# The browser build and its tests, where the release's emscripten can make that build.
web_packages=(emscripten python3 python3-fonttools ninja-build dpkg-dev xz-utils)
web_test_packages=(chromium firefox-esr nginx python3-websocket)
# WebKit's driver and MiniBrowser, without the desktop portal its library recommends: a portal
# started on the tests' session bus mounts its document store in their runtime folder.
web_test_bare_packages=(webkitgtk-webdriver libgl1-mesa-dri)
# A screen reader for the tests, without what it recommends (a whole desktop's worth).
screen_reader_packages=(orca speech-dispatcher speech-dispatcher-espeak-ng)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# Whether apt would install an emscripten that can make the browser build; apt's lists are
# read first on a machine that has none yet.
web_buildable() {
    if ! apt-cache policy emscripten 2>/dev/null | grep -q 'Candidate: [0-9]'; then
        "${sudo[@]}" apt-get update -qq
    fi
    "$(dirname "$0")/web-can-build.sh" --package
}

wanted=("${build_packages[@]}")
bare=()
case "${1:-build}" in
    build) ;;
    run) wanted+=("${run_packages[@]}") ;;
    web) wanted+=("${web_packages[@]}") ;;
    test | bench)
        wanted+=("${run_packages[@]}" "${test_packages[@]}")
        [ "$1" = test ] || wanted+=("${bench_packages[@]}")
        bare=("${screen_reader_packages[@]}")
        if web_buildable 2>/dev/null; then
            wanted+=("${web_packages[@]}" "${web_test_packages[@]}")
            bare+=("${web_test_bare_packages[@]}")
        fi
        ;;
    *) echo "usage: $0 build|run|web|test|bench" >&2; exit 2 ;;
esac

not_installed() {
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "$package"
        fi
    done
}
mapfile -t missing < <(not_installed "${wanted[@]}")
mapfile -t missing_bare < <(not_installed "${bare[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_bare[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]} ${missing_bare[*]}"
"${sudo[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
        "${missing[@]}" >/dev/null
fi
if [ ${#missing_bare[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing_bare[@]}" >/dev/null
fi
