#include "grades/ClassStatistics.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "grades/ParseCount.h"

namespace {

using grades::CountsVerdict;
using Texts = std::array<std::string, grades::kCategoryCount>;

// The texts of the ten boxes from A+ to IC.
struct ClassCase {
    const char* what;
    Texts texts;
    bool missing;
    CountsVerdict verdict;
    std::string gpa;
    std::string total;
    Texts percents;
};
void PrintTo(const ClassCase& c, std::ostream* out) {
    *out << c.what;
}

const Texts kZeroPercents{"0.00%", "0.00%", "0.00%", "0.00%", "0.00%",
                          "0.00%", "0.00%", "0.00%", "0.00%", "0.00%"};

Texts With(Texts base, std::initializer_list<std::pair<std::size_t, std::string>> changes) {
    for (const auto& [index, text] : changes) {
        base[index] = text;
    }
    return base;
}

constexpr std::size_t Aplus = 0, A = 1, Bplus = 2, B = 3, D = 7, F = 8, IC = 9;

std::vector<ClassCase> Cases() {
    const Texts empty{};
    const Texts zeros{"0", "0", "0", "0", "0", "0", "0", "0", "0", ""};
    const CountsVerdict usable = CountsVerdict::Usable;
    return {
        {"all ten empty", empty, true, {}, "", "", {}},
        {"only IC filled", With(empty, {{IC, "5"}}), true, {}, "", "", {}},
        {"nine zeros", zeros, true, {}, "", "", {}},
        {"nine zeros and IC", With(zeros, {{IC, "3"}}), true, {}, "", "", {}},
        {"one zero, eight empty",
         With(empty, {{Aplus, "0"}}),
         false,
         CountsVerdict::NoGradedStudents,
         "",
         "",
         {}},
        {"nine double zeros",
         {"00", "00", "00", "00", "00", "00", "00", "00", "00", ""},
         false,
         CountsVerdict::NoGradedStudents,
         "",
         "",
         {}},
        {"zero with a space",
         With(zeros, {{B, "0 "}}),
         false,
         CountsVerdict::NoGradedStudents,
         "",
         "",
         {}},
        {"IC only after a zero",
         With(empty, {{Aplus, "0"}, {IC, "4"}}),
         false,
         CountsVerdict::NoGradedStudents,
         "",
         "",
         {}},
        {"only F", With(empty, {{F, "1"}}), false, usable, "0", "1",
         With(kZeroPercents, {{F, "100.00%"}})},
        {"D and F", With(empty, {{D, "1"}, {F, "1"}}), false, usable, "0.5", "2",
         With(kZeroPercents, {{D, "50.00%"}, {F, "50.00%"}})},
        {"IC halves A+", With(empty, {{Aplus, "2"}, {IC, "2"}}), false, usable, "4", "4",
         With(kZeroPercents, {{Aplus, "50.00%"}, {IC, "50.00%"}})},
        {"3.125 to even", With(empty, {{Aplus, "4"}, {B, "3"}, {F, "1"}}), false, usable, "3.12",
         "8", With(kZeroPercents, {{Aplus, "50.00%"}, {B, "37.50%"}, {F, "12.50%"}})},
        {"3.375 to even", With(empty, {{Aplus, "6"}, {B, "1"}, {F, "1"}}), false, usable, "3.38",
         "8", With(kZeroPercents, {{Aplus, "75.00%"}, {B, "12.50%"}, {F, "12.50%"}})},
        {"one in each graded",
         {"1", "1", "1", "1", "1", "1", "1", "1", "1", ""},
         false,
         usable,
         "2.36",
         "9",
         {"11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%",
          "0.00%"}},
        {"A+ 1 of 32", With(empty, {{Aplus, "1"}, {F, "31"}}), false, usable, "0.12", "32",
         With(kZeroPercents, {{Aplus, "3.13%"}, {F, "96.88%"}})},
        {"leading zeros", With(empty, {{Aplus, "007"}}), false, usable, "4", "7",
         With(kZeroPercents, {{Aplus, "100.00%"}})},
        {"ten of A+", With(empty, {{Aplus, "10"}}), false, usable, "4", "10",
         With(kZeroPercents, {{Aplus, "100.00%"}})},
        {"A is not A+", With(empty, {{A, "1"}}), false, usable, "3.75", "1",
         With(kZeroPercents, {{A, "100.00%"}})},
        {"1.015 rounds up", With(empty, {{Bplus, "2"}, {D, "196"}, {F, "2"}}), false, usable,
         "1.02", "200", With(kZeroPercents, {{Bplus, "1.00%"}, {D, "98.00%"}, {F, "1.00%"}})},
        {"twenty digits", With(empty, {{Aplus, "12345678901234567890"}, {F, "1"}}), false, usable,
         "4", "12345678901234567000", With(kZeroPercents, {{Aplus, "100.00%"}, {F, "0.00%"}})},
        {"a mixture of empty and zero boxes with students", With(empty, {{Aplus, "0"}, {B, "2"}}),
         false, usable, "3", "2", With(kZeroPercents, {{B, "100.00%"}})},
        {"pasted negative count",
         With(empty, {{Aplus, "5"}, {F, "-1"}}),
         false,
         CountsVerdict::Invalid,
         "",
         "",
         {}},
        {"pasted negative IC",
         With(empty, {{Aplus, "5"}, {IC, "-5"}}),
         false,
         CountsVerdict::Invalid,
         "",
         "",
         {}},
        {"400 digits",
         With(empty, {{Aplus, std::string(400, '9')}}),
         false,
         CountsVerdict::Invalid,
         "",
         "",
         {}},
        {"total too large",
         With(empty, {{Aplus, "1e308"}, {IC, "1e308"}}),
         false,
         CountsVerdict::Invalid,
         "",
         "",
         {}},
        {"grade points too large",
         With(empty, {{Aplus, "1e308"}}),
         false,
         CountsVerdict::Invalid,
         "",
         "",
         {}},
    };
}

class ClassTable : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassTable, GivesTheVerdictAndTheTexts) {
    const ClassCase& c = GetParam();
    ASSERT_EQ(grades::CountsAreMissing(c.texts), c.missing);
    if (c.missing) {
        return;
    }
    grades::GradeCounts counts{};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        counts[i] = grades::ParseCount(c.texts[i]);
    }
    ASSERT_EQ(grades::CheckCounts(counts), c.verdict);
    const grades::ClassStatistics stats = grades::ComputeClassStatistics(counts);
    if (c.verdict != CountsVerdict::Usable) {
        return;  // computing anyway must still not crash
    }
    EXPECT_EQ(stats.gpaText, c.gpa);
    EXPECT_EQ(stats.totalText, c.total);
    EXPECT_EQ(stats.percentTexts, c.percents);
}

INSTANTIATE_TEST_SUITE_P(Classes, ClassTable, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<ClassCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p != '\0'; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST(ClassStatistics, SumsAndSharesFollowTheScale) {
    // A+ 4, A 3, B+ 2, B 1, C+ 1, C 1, D+ 1, D 1, F 2, IC 4
    const grades::GradeCounts counts{4, 3, 2, 1, 1, 1, 1, 1, 2, 4};
    const auto stats = grades::ComputeClassStatistics(counts);
    EXPECT_EQ(stats.total, 20);
    EXPECT_EQ(stats.gradedCount, 16);
    EXPECT_EQ(stats.gradePointSum, 16 + 11.25 + 7 + 3 + 2.5 + 2 + 1.5 + 1);
    EXPECT_EQ(stats.gpa, stats.gradePointSum / 16);
    EXPECT_EQ(stats.shares[9], 0.2);
    EXPECT_EQ(stats.gpaText, "2.77");  // 44.25 / 16 = 2.765625
}

}  // namespace
