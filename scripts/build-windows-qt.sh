#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt for 64-bit Windows that vantrel.exe links against: qtbase from Debian's
# own source package (the same version as the host Qt, whose moc, rcc and uic it uses), patched
# with the fixes for that version, cross-compiled with MinGW-w64 into a cache folder outside the
# tree. A Qt already there is used only when its stamp (Qt version, compiler, patch, toolchain
# and options) matches and it is complete; anything else there is removed and built again, never
# half-used.
# Prints the Qt's folder as its last line. Takes about 20 minutes on two cores for Qt 6.4 and
# about 50 for Qt 6.8, more while the cores are shared (README.md, Windows).
# Cache folder: $VANTREL_QT_CACHE, or ~/.cache/vantrel.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/qt-from-source.sh"
toolchain=$here/windows/mingw-x86_64.cmake
cache=${VANTREL_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantrel}

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream_version=${qt_version%%+*}
patch_file=$here/windows/qtbase-$upstream_version-mingw-static.patch
[ -f "$patch_file" ] || {
    echo "No fixes for building Qt $upstream_version for Windows: $patch_file is missing" >&2
    exit 1
}
prefix=$cache/qt-$qt_version-mingw-x86_64-static
options=(-release -static -static-runtime -qt-host-path /usr -nomake tests -nomake examples
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-testlib
    -no-feature-concurrent -no-dbus -no-opengl -no-feature-vulkan -no-icu
    -no-feature-direct2d -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)
# From Qt 6.8 on, configure writes a software bill of materials, which reads the attribution
# files of code that Debian's source leaves out.
if dpkg --compare-versions "$upstream_version" ge 6.8; then
    options+=(-no-sbom)
fi
stamp=$(
    echo "qtbase $qt_version"
    echo "compiler $(x86_64-w64-mingw32-g++-posix -dumpfullversion)"
    echo "patch $(sha256sum < "$patch_file")"
    echo "options ${options[*]}"
)
# The toolchain is compared with the copy the Qt was built with, by its code alone: a changed
# comment is no reason to build Qt again. (Stamps once also held the toolchain's hash.)
toolchain_code() { grep -v -e '^[[:space:]]*#' -e '^[[:space:]]*$' "$1" 2>/dev/null; }

complete() {
    [ "$(grep -v '^toolchain ' "$prefix/vantrel-qt.stamp" 2>/dev/null)" = "$stamp" ] &&
        [ "$(toolchain_code "$toolchain")" = "$(toolchain_code "$prefix/mingw-x86_64.cmake")" ] &&
        [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] &&
        [ -f "$prefix/lib/cmake/Qt6PrintSupport/Qt6PrintSupportConfig.cmake" ] &&
        [ -f "$prefix/lib/libQt6Widgets.a" ] &&
        [ -f "$prefix/plugins/platforms/libqwindows.a" ] &&
        [ -s "$prefix/provenance/object-sources.txt.xz" ]
}
if complete; then
    echo "$prefix"
    exit 0
fi

echo "Building Qt $qt_version for Windows into $prefix (20 to 50 minutes on two cores)" >&2
started=$SECONDS
rm -rf "$prefix"
mkdir -p "$prefix" "$cache"
# Qt records the toolchain's path, so the copy it is built with lives beside it.
cp "$toolchain" "$prefix/mingw-x86_64.cmake"
work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

fetch_qt_source "$qt_version"
patch -p1 --quiet < "$patch_file"

mkdir build
cd build
../configure -prefix "$prefix" "${options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -40 configure.log >&2; exit 1; }
cmake --build . --parallel "$(nproc)" >build.log 2>&1 || { tail -60 build.log >&2; exit 1; }
cmake --install . >/dev/null

save_qt_provenance "$prefix"

echo "$stamp" > "$prefix/vantrel-qt.stamp"
complete || { echo "Qt for Windows: the install is incomplete" >&2; exit 1; }
echo "Qt for Windows built in $((SECONDS - started)) s" >&2
echo "$prefix"
