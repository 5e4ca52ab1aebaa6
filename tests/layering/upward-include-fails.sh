#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The layering check must fail on an upward include: copies of the tree where the About window
# includes the main window, from the source root and by a relative path.
set -euo pipefail
source_root=$1
status=0
while IFS='|' read -r line expected; do
    copy=$(mktemp -d)
    cp -r "$source_root/README.md" "$source_root/app" "$source_root/grades" "$source_root/help" \
        "$source_root/platform" "$copy/"
    echo "$line" >>"$copy/help/frmAbout.cpp"
    if output=$(python3 "$source_root/tests/layering/check-layers.py" "$copy"); then
        echo "the check passed a tree with: $line" >&2
        status=1
    elif ! grep -qxF "$expected" <<<"$output"; then
        echo "for $line the check said: $output" >&2
        status=1
    else
        echo "refused, as it should be: $expected"
    fi
    rm -rf "$copy"
done <<'CASES'
#include "app/frmMain.h"|help/frmAbout.cpp includes from app/
#include "../app/frmMain.h"|help/frmAbout.cpp includes ../app/frmMain.h by a relative path
#include <../app/frmMain.h>|help/frmAbout.cpp includes ../app/frmMain.h by a relative path
CASES
exit "$status"
