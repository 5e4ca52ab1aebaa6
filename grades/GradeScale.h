// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace grades {

inline constexpr std::size_t kCategoryCount = 10;

// One row of the fixed grade scale.
struct GradeCategory {
    std::string_view grade;
    double points;  // a category that is not graded has none
    bool graded;    // counts in the GPA; IC counts in the class only
};

// The scale in its one order: reading, summing, writing, filling and resetting all follow it.
inline constexpr std::array<GradeCategory, kCategoryCount> kGradeScale{{
    {"A+", 4.0, true},
    {"A", 3.75, true},
    {"B+", 3.5, true},
    {"B", 3.0, true},
    {"C+", 2.5, true},
    {"C", 2.0, true},
    {"D+", 1.5, true},
    {"D", 1.0, true},
    {"F", 0.0, true},
    {"IC", 0.0, false},
}};

}  // namespace grades
