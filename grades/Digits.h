// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace grades {

// True for a run of digits that are all 0, or none at all.
inline bool AllZeros(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace grades
