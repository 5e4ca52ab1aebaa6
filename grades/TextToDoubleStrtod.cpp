// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "grades/TextToDouble.h"

namespace grades {

// Only for a C library whose strtod ignores the locale (emscripten's musl): glibc's would read
// a decimal comma once Qt has set the user's locale.
Converted TextToDouble(std::string_view text, Notation notation) {
    // strtod reads hexadecimal digits after "0x", and needs a terminated string.
    std::string terminated = notation == Notation::Hexadecimal ? "0x" : "";
    terminated += text;
    char* end = nullptr;
    errno = 0;
    Converted converted;
    converted.value = std::strtod(terminated.c_str(), &end);
    if (end == terminated.c_str()) {
        converted.value = 0.0;
        converted.error = std::errc::invalid_argument;
    } else if (errno == ERANGE && (std::isinf(converted.value) || converted.value == 0.0)) {
        converted.error = std::errc::result_out_of_range;
    }
    return converted;
}

}  // namespace grades
