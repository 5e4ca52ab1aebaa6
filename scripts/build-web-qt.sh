#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt for WebAssembly that the browser build links against: qtbase from
# Debian's own source package (the same version as the host Qt, whose moc, rcc and uic it uses),
# compiled with Debian's emscripten into a cache folder outside the tree, beside the Qt for
# Windows. A Qt already there is used only when its stamp (Qt version, emscripten and options)
# matches and it is complete; anything else there is removed and built again, never half-used.
# Prints the Qt's folder as its last line.
# Cache folder: $VANTREL_QT_CACHE, or ~/.cache/vantrel.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/qt-from-source.sh"
cache=${VANTREL_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantrel}

command -v emcc >/dev/null || { echo "emcc is not installed (Debian's emscripten)" >&2; exit 1; }
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
prefix=$cache/qt-$qt_version-wasm
options=(-platform wasm-emscripten -release -qt-host-path /usr -nomake tests -nomake examples
    -no-sbom -no-feature-sql -no-feature-network -no-feature-xml -no-feature-testlib
    -no-feature-concurrent -no-dbus -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz
    -qt-pcre)
stamp=$(
    echo "qtbase $qt_version"
    echo "emscripten $(emcc -dumpversion)"
    echo "options ${options[*]}"
)

complete() {
    [ "$(cat "$prefix/vantrel-qt.stamp" 2>/dev/null)" = "$stamp" ] &&
        [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] &&
        [ -f "$prefix/lib/libQt6Widgets.a" ] &&
        [ -f "$prefix/plugins/platforms/libqwasm.a" ] &&
        [ -s "$prefix/provenance/object-sources.txt.xz" ]
}
if complete; then
    echo "$prefix"
    exit 0
fi

echo "Building Qt $qt_version for WebAssembly into $prefix" >&2
started=$SECONDS
rm -rf "$prefix"
mkdir -p "$prefix" "$cache"
# Qt's configure finds emscripten through an emsdk folder: a .emscripten file naming the folder
# that holds emcc. Debian's emscripten, in /usr/share/emscripten, serves as that folder. Qt
# records the path, so it lives beside the Qt.
mkdir "$prefix/emsdk"
ln -s /usr/share/emscripten "$prefix/emsdk/emscripten"
echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$prefix/emsdk/.emscripten"
export EMSDK=$prefix/emsdk
work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
fetch_qt_source "$qt_version"

mkdir build
cd build
../configure -prefix "$prefix" "${options[@]}" -- -G Ninja \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -40 configure.log >&2; exit 1; }
cmake --build . --parallel "$(nproc)" >build.log 2>&1 || { tail -60 build.log >&2; exit 1; }
cmake --install . >/dev/null
save_qt_provenance "$prefix"

echo "$stamp" > "$prefix/vantrel-qt.stamp"
complete || { echo "Qt for WebAssembly: the install is incomplete" >&2; exit 1; }
echo "Qt for WebAssembly built in $((SECONDS - started)) s" >&2
echo "$prefix"
