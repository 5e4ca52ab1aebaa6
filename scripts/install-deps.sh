#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing Vantrel needs, when missing.
# Usage: scripts/install-deps.sh build|run|test|bench
set -euo pipefail

build_packages=(cmake g++ make qt6-base-dev libgl-dev libxcb1-dev libcups2-dev fonts-liberation)
run_packages=(qt6-qpa-plugins)
test_packages=(libgtest-dev libqt6test6 xvfb xauth xdotool x11-utils x11-xserver-utils openbox
    imagemagick cups printer-driver-cups-pdf poppler-utils dbus dbus-x11 at-spi2-core
    python3-pyatspi desktop-file-utils appstream appstream-compose python3-yaml dpkg-dev clang libclang-rt-14-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix wine64 ninja-build xz-utils wixl msitools tesseract-ocr
    sway wtype grim qt6-wayland)

bench_packages=(hyperfine time)

wanted=("${build_packages[@]}")
case "${1:-build}" in
    build) ;;
    run) wanted+=("${run_packages[@]}") ;;
    test) wanted+=("${run_packages[@]}" "${test_packages[@]}") ;;
    bench) wanted+=("${run_packages[@]}" "${test_packages[@]}" "${bench_packages[@]}") ;;
    *) echo "usage: $0 build|run|test|bench" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    "${missing[@]}" >/dev/null
