// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>
#include <system_error>

namespace grades {

enum class Notation { Decimal, Hexadecimal };

struct Converted {
    double value = 0.0;
    std::errc error{};  // result_out_of_range when too large or too small for a double
};

// The double nearest to an unsigned number in C's notation, read in the "C" locale whatever the
// user's is: decimal digits with an optional exponent ("31e-1"), or hexadecimal digits without
// a prefix ("1F"). The standard library's std::from_chars does this where it has it for double;
// elsewhere (emscripten's libc++ 17) the C library's strtod, which there knows only the "C" locale.
Converted TextToDouble(std::string_view text, Notation notation);

}  // namespace grades
