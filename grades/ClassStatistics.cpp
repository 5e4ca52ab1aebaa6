// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grades/ClassStatistics.h"

#include <algorithm>
#include <cmath>

#include "grades/FormatNumber.h"
#include "grades/ParseCount.h"

namespace grades {
namespace {

using GradeCounts = std::array<double, kCategoryCount>;

struct Sums {
    double total = 0;
    double gradedCount = 0;
    double gradePointSum = 0;
};

// Each sum is accumulated from left to right in scale order.
Sums SumCounts(const GradeCounts& counts) {
    Sums sums;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        sums.total += counts[i];
        if (kGradeScale[i].graded) {
            sums.gradedCount += counts[i];
            if (kGradeScale[i].points != 0) {  // F adds nothing
                sums.gradePointSum += kGradeScale[i].points * counts[i];
            }
        }
    }
    return sums;
}

// Nothing entered: the graded texts (IC is not looked at) are all empty, or all exactly "0".
bool CountsAreMissing(const BoxTexts& texts) {
    bool allEmpty = true;
    bool allZero = true;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (kGradeScale[i].graded) {
            allEmpty = allEmpty && texts[i].empty();
            allZero = allZero && texts[i] == "0";
        }
    }
    return allEmpty || allZero;
}

bool CountsAreSound(const GradeCounts& counts, const Sums& sums) {
    const bool eachSound = std::all_of(counts.begin(), counts.end(), [](double count) {
        return std::isfinite(count) && count >= 0;
    });
    return eachSound && std::isfinite(sums.total) && std::isfinite(sums.gradePointSum);
}

ClassStatistics Statistics(const GradeCounts& counts, const Sums& sums) {
    ClassStatistics stats;
    stats.total = sums.total;
    stats.gradedCount = sums.gradedCount;
    stats.gradePointSum = sums.gradePointSum;
    // IC students are in the total but never in the GPA's denominator.
    stats.gpa = sums.gradePointSum / sums.gradedCount;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        stats.shares[i] = counts[i] / sums.total;
    }
    stats.gpaText = FormatGpa(stats.gpa);
    stats.totalText = FormatTotal(stats.total);
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        stats.percentTexts[i] = FormatPercent(stats.shares[i]);
    }
    return stats;
}

}  // namespace

Evaluation EvaluateClass(const BoxTexts& texts) {
    if (CountsAreMissing(texts)) {
        return {Outcome::MissingEntry, {}};
    }
    GradeCounts counts{};
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        counts[i] = ParseCount(texts[i]);
    }
    const Sums sums = SumCounts(counts);
    if (!CountsAreSound(counts, sums)) {
        return {Outcome::InvalidEntry, {}};
    }
    if (sums.gradedCount == 0) {
        return {Outcome::NoGradedStudents, {}};
    }
    return {Outcome::Calculated, Statistics(counts, sums)};
}

}  // namespace grades
