// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grades/ClassStatistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

using grades::Outcome;
using Texts = std::array<std::string, grades::kCategoryCount>;

// The texts of the ten boxes from A+ to IC.
struct ClassCase {
    const char* what;
    Texts texts;
    Outcome outcome;
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
    const Outcome missing = Outcome::MissingEntry;
    const Outcome calculated = Outcome::Calculated;
    return {
        {"all ten empty", empty, missing, "", "", {}},
        {"only IC filled", With(empty, {{IC, "5"}}), missing, "", "", {}},
        {"nine zeros", zeros, missing, "", "", {}},
        {"nine zeros and IC", With(zeros, {{IC, "3"}}), missing, "", "", {}},
        {"one zero, eight empty",
         With(empty, {{Aplus, "0"}}),
         Outcome::NoGradedStudents,
         "",
         "",
         {}},
        {"nine double zeros",
         {"00", "00", "00", "00", "00", "00", "00", "00", "00", ""},
         Outcome::NoGradedStudents,
         "",
         "",
         {}},
        {"zero with a space", With(zeros, {{B, "0 "}}), Outcome::NoGradedStudents, "", "", {}},
        {"IC only after a zero",
         With(empty, {{Aplus, "0"}, {IC, "4"}}),
         Outcome::NoGradedStudents,
         "",
         "",
         {}},
        {"only F", With(empty, {{F, "1"}}), calculated, "0", "1",
         With(kZeroPercents, {{F, "100.00%"}})},
        {"D and F", With(empty, {{D, "1"}, {F, "1"}}), calculated, "0.5", "2",
         With(kZeroPercents, {{D, "50.00%"}, {F, "50.00%"}})},
        {"IC halves A+", With(empty, {{Aplus, "2"}, {IC, "2"}}), calculated, "4", "4",
         With(kZeroPercents, {{Aplus, "50.00%"}, {IC, "50.00%"}})},
        {"3.125 to even", With(empty, {{Aplus, "4"}, {B, "3"}, {F, "1"}}), calculated, "3.12", "8",
         With(kZeroPercents, {{Aplus, "50.00%"}, {B, "37.50%"}, {F, "12.50%"}})},
        {"3.375 to even", With(empty, {{Aplus, "6"}, {B, "1"}, {F, "1"}}), calculated, "3.38", "8",
         With(kZeroPercents, {{Aplus, "75.00%"}, {B, "12.50%"}, {F, "12.50%"}})},
        {"one in each graded",
         {"1", "1", "1", "1", "1", "1", "1", "1", "1", ""},
         calculated,
         "2.36",
         "9",
         {"11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%", "11.11%",
          "0.00%"}},
        {"A+ 1 of 32", With(empty, {{Aplus, "1"}, {F, "31"}}), calculated, "0.12", "32",
         With(kZeroPercents, {{Aplus, "3.13%"}, {F, "96.88%"}})},
        {"leading zeros", With(empty, {{Aplus, "007"}}), calculated, "4", "7",
         With(kZeroPercents, {{Aplus, "100.00%"}})},
        {"ten of A+", With(empty, {{Aplus, "10"}}), calculated, "4", "10",
         With(kZeroPercents, {{Aplus, "100.00%"}})},
        {"A is not A+", With(empty, {{A, "1"}}), calculated, "3.75", "1",
         With(kZeroPercents, {{A, "100.00%"}})},
        {"1.015 rounds up", With(empty, {{Bplus, "2"}, {D, "196"}, {F, "2"}}), calculated, "1.02",
         "200", With(kZeroPercents, {{Bplus, "1.00%"}, {D, "98.00%"}, {F, "1.00%"}})},
        {"twenty digits", With(empty, {{Aplus, "12345678901234567890"}, {F, "1"}}), calculated, "4",
         "12345678901234567000", With(kZeroPercents, {{Aplus, "100.00%"}, {F, "0.00%"}})},
        {"a mixture of empty and zero boxes with students", With(empty, {{Aplus, "0"}, {B, "2"}}),
         calculated, "3", "2", With(kZeroPercents, {{B, "100.00%"}})},
        {"pasted negative count",
         With(empty, {{Aplus, "5"}, {F, "-1"}}),
         Outcome::InvalidEntry,
         "",
         "",
         {}},
        {"pasted negative IC",
         With(empty, {{Aplus, "5"}, {IC, "-5"}}),
         Outcome::InvalidEntry,
         "",
         "",
         {}},
        {"400 digits",
         With(empty, {{Aplus, std::string(400, '9')}}),
         Outcome::InvalidEntry,
         "",
         "",
         {}},
        {"total too large",
         With(empty, {{Aplus, "1e308"}, {IC, "1e308"}}),
         Outcome::InvalidEntry,
         "",
         "",
         {}},
        {"grade points too large",
         With(empty, {{Aplus, "1e308"}}),
         Outcome::InvalidEntry,
         "",
         "",
         {}},
    };
}

class ClassTable : public ::testing::TestWithParam<ClassCase> {};

grades::Evaluation Evaluate(const Texts& texts) {
    grades::BoxTexts views;
    std::copy(texts.begin(), texts.end(), views.begin());
    return grades::EvaluateClass(views);
}

TEST_P(ClassTable, GivesTheOutcomeAndTheTexts) {
    const ClassCase& c = GetParam();
    const grades::Evaluation evaluation = Evaluate(c.texts);
    ASSERT_EQ(evaluation.outcome, c.outcome);
    const grades::ClassStatistics& stats = evaluation.statistics;
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
    const auto evaluation = Evaluate({"4", "3", "2", "1", "1", "1", "1", "1", "2", "4"});
    ASSERT_EQ(evaluation.outcome, Outcome::Calculated);
    const grades::ClassStatistics& stats = evaluation.statistics;
    EXPECT_EQ(stats.total, 20);
    EXPECT_EQ(stats.gradedCount, 16);
    EXPECT_EQ(stats.gradePointSum, 16 + 11.25 + 7 + 3 + 2.5 + 2 + 1.5 + 1);
    EXPECT_EQ(stats.gpa, stats.gradePointSum / 16);
    EXPECT_EQ(stats.shares[9], 0.2);
    EXPECT_EQ(stats.gpaText, "2.77");  // 44.25 / 16 = 2.765625
}

}  // namespace
