# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# What the builds of Qt for other platforms share, sourced by build-windows-qt.sh and
# build-web-qt.sh: Debian's own source of the installed Qt, and where the built Qt's code came from.

qt_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Downloads and unpacks Debian's qtbase source of the given version in the current folder, and
# enters its top folder.
fetch_qt_source() {
    local qt_version=$1
    # apt-get source needs the source index of the machine's own Debian release and mirror.
    if ! apt-get source --download-only "qt6-base=$qt_version" >/dev/null 2>&1; then
        local sudo=() mirror release
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources \
            2>/dev/null || true)
        release=$(. /etc/os-release && echo "$VERSION_CODENAME")
        printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
            "${mirror:-http://deb.debian.org/debian}" "$release" \
            /usr/share/keyrings/debian-archive-keyring.gpg |
            "${sudo[@]}" tee /etc/apt/sources.list.d/vantrel-qt-source.sources >/dev/null
        "${sudo[@]}" apt-get update -qq
        apt-get source --download-only "qt6-base=$qt_version" >/dev/null
    fi
    tar xf qt6-base_*.orig.tar.xz
    cd qtbase-everywhere-src-*
}

# Run in Qt's build folder once it is installed: keeps, in PREFIX/provenance, where this Qt's code
# came from, for the notices of the programs that link it: what each object was compiled from
# (with every file it included), and Qt's attribution files of bundled code with the licence
# texts they name.
save_qt_provenance() {
    local provenance=$1/provenance
    mkdir -p "$provenance/source"
    ninja -t deps | xz -T0 >"$provenance/object-sources.txt.xz"
    (cd .. && pwd) >"$provenance/source-root"
    (cd .. && python3 "$qt_scripts/keep-qt-attributions.py" "$provenance/source")
}
