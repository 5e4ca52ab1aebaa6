#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace grades {

inline constexpr std::size_t kCategoryCount = 10;
// A+ to F are graded; IC, the last category, counts in the class but not in the GPA.
inline constexpr std::size_t kGradedCount = 9;

// One row of the fixed grade scale, with the names of the main window's controls for it.
struct GradeCategory {
    std::string_view grade;
    std::string_view captionLabel;
    std::string_view countBox;
    std::string_view percentLabel;
    double points;  // IC has none; it is never used for IC
    bool graded;
};

// The scale in its one order: reading, summing, writing, filling and resetting all follow it.
inline constexpr std::array<GradeCategory, kCategoryCount> kGradeScale{{
    {"A+", "Aplus", "txtAplus", "capAplus", 4.0, true},
    {"A", "Label2", "txtA", "capA", 3.75, true},
    {"B+", "Label3", "txtBplus", "capBplus", 3.5, true},
    {"B", "Label4", "txtB", "capB", 3.0, true},
    {"C+", "Label5", "txtCplus", "capCplus", 2.5, true},
    {"C", "Label6", "txtC", "capC", 2.0, true},
    {"D+", "Label7", "txtDplus", "capDplus", 1.5, true},
    {"D", "Label8", "txtD", "capD", 1.0, true},
    {"F", "Label9", "txtF", "capF", 0.0, true},
    {"IC", "Label20", "txtIC", "capIC", 0.0, false},
}};

}  // namespace grades
