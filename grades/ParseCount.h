// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace grades {

// Reads the count in one box's text, leniently, from the left: spaces, tabs and line feeds are
// skipped anywhere; then a sign, digits, a "." with more digits and an exponent (E or D), or
// "&H"/"&O" followed by hexadecimal or octal digits. Reading stops at the first character that
// cannot continue the number; no digit at all gives 0. A number too large for a double gives an
// infinity. Never throws; linear in the length of the text.
double ParseCount(std::string_view text);

}  // namespace grades
