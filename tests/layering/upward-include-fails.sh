#!/usr/bin/env bash
# The layering check must fail on an upward include: a copy of the tree where the About window
# includes the main window.
set -euo pipefail
source_root=$1
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$source_root/README.md" "$source_root/app" "$source_root/grades" "$source_root/help" \
    "$source_root/platform" "$copy/"
echo '#include "app/frmMain.h"' >>"$copy/help/frmAbout.cpp"
if output=$(python3 "$source_root/tests/layering/check-layers.py" "$copy"); then
    echo "the check passed a tree with an upward include" >&2
    exit 1
fi
grep -qx "help/frmAbout.cpp includes from app/" <<<"$output"
echo "refused, as it should be: $output"
