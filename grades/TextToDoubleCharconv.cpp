// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <charconv>

#include "grades/TextToDouble.h"

namespace grades {

Converted TextToDouble(std::string_view text, Notation notation) {
    Converted converted;
    const auto format =
        notation == Notation::Hexadecimal ? std::chars_format::hex : std::chars_format::general;
    converted.error =
        std::from_chars(text.data(), text.data() + text.size(), converted.value, format).ec;
    return converted;
}

}  // namespace grades
