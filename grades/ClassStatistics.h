// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "grades/GradeScale.h"

namespace grades {

// The figures of one class, with the texts the window shows.
struct ClassStatistics {
    double total = 0;
    double gradedCount = 0;
    double gradePointSum = 0;
    double gpa = 0;
    std::array<double, kCategoryCount> shares{};
    std::string gpaText;
    std::string totalText;
    std::array<std::string, kCategoryCount> percentTexts;
};

enum class Outcome {
    Calculated,
    MissingEntry,      // the graded boxes are all empty, or all exactly "0"
    NoGradedStudents,  // nobody from A+ to F: there is no GPA
    InvalidEntry,      // a negative count, or a count or sum too large for a double
};

struct Evaluation {
    Outcome outcome = Outcome::MissingEntry;
    ClassStatistics statistics;  // only for Outcome::Calculated
};

// The ten box texts in scale order, as the user left them.
using BoxTexts = std::array<std::string_view, kCategoryCount>;

// The whole calculation: the missing-entry rule, each count read leniently with ParseCount,
// the counts checked, then the statistics and their texts.
Evaluation EvaluateClass(const BoxTexts& texts);

}  // namespace grades
