# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's title and version for the shell tests, from the expectations every suite shares
# (expected.py): sets program_title and program_version. Source it.
read -r program_title program_version < <(python3 - "$(dirname "${BASH_SOURCE[0]}")" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
import expected
print(expected.MAIN, expected.VERSION_NUMBER)
PY
)
