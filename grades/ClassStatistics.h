#pragma once

#include <array>
#include <string>

#include "grades/GradeScale.h"

namespace grades {

// The ten counts in scale order, as read from the boxes.
using GradeCounts = std::array<double, kCategoryCount>;

// The result of one calculation, with the texts the window shows.
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

// True when nothing was entered: the nine graded texts (IC is not looked at) are all empty,
// or all exactly "0".
bool CountsAreMissing(const std::array<std::string, kCategoryCount>& texts);

enum class CountsVerdict {
    Usable,
    NoGradedStudents,  // nobody from A+ to F: there is no GPA
    Invalid,           // a negative count, or a count or sum too large for a double
};

// Whether ComputeClassStatistics can give sound figures for these counts.
CountsVerdict CheckCounts(const GradeCounts& counts);

// The statistics and their texts. Meant for counts that CheckCounts finds usable; for others it
// still returns without dividing by zero, but the figures mean nothing.
ClassStatistics ComputeClassStatistics(const GradeCounts& counts);

}  // namespace grades
