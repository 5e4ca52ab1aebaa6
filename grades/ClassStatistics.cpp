#include "grades/ClassStatistics.h"

#include <algorithm>
#include <cmath>

#include "grades/FormatNumber.h"

namespace grades {
namespace {

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

}  // namespace

bool CountsAreMissing(const std::array<std::string, kCategoryCount>& texts) {
    const auto graded = texts.begin() + kGradedCount;
    const bool allEmpty =
        std::all_of(texts.begin(), graded, [](const std::string& t) { return t.empty(); });
    const bool allZero =
        std::all_of(texts.begin(), graded, [](const std::string& t) { return t == "0"; });
    return allEmpty || allZero;
}

CountsVerdict CheckCounts(const GradeCounts& counts) {
    for (double count : counts) {
        if (!std::isfinite(count) || count < 0) {
            return CountsVerdict::Invalid;
        }
    }
    const Sums sums = SumCounts(counts);
    if (!std::isfinite(sums.total) || !std::isfinite(sums.gradePointSum)) {
        return CountsVerdict::Invalid;
    }
    return sums.gradedCount == 0 ? CountsVerdict::NoGradedStudents : CountsVerdict::Usable;
}

ClassStatistics ComputeClassStatistics(const GradeCounts& counts) {
    const Sums sums = SumCounts(counts);
    ClassStatistics stats;
    stats.total = sums.total;
    stats.gradedCount = sums.gradedCount;
    stats.gradePointSum = sums.gradePointSum;
    // IC students are in the total but never in the GPA's denominator.
    stats.gpa = sums.gradedCount != 0 ? sums.gradePointSum / sums.gradedCount : 0;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        stats.shares[i] = sums.total != 0 ? counts[i] / sums.total : 0;
    }
    stats.gpaText = FormatGpa(stats.gpa);
    stats.totalText = FormatTotal(stats.total);
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        stats.percentTexts[i] = FormatPercent(stats.shares[i]);
    }
    return stats;
}

}  // namespace grades
