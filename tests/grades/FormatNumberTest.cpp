// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grades/FormatNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>
#include <string>

namespace {

using grades::FormatGpa;
using grades::FormatPercent;
using grades::FormatTotal;

struct FormatCase {
    double value;
    std::string expected;
};
void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.expected;
}

class GpaText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(GpaText, RoundsToTwoDecimalsHalfToEven) {
    EXPECT_EQ(FormatGpa(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, GpaText,
    ::testing::Values(FormatCase{4, "4"}, FormatCase{3.3, "3.3"}, FormatCase{0.5, "0.5"},
                      FormatCase{0, "0"}, FormatCase{21.25 / 9, "2.36"}, FormatCase{3.125, "3.12"},
                      FormatCase{3.375, "3.38"}, FormatCase{0.625, "0.62"},
                      FormatCase{0.875, "0.88"}, FormatCase{203.0 / 200, "1.02"},
                      FormatCase{1.005, "1"}, FormatCase{1.015, "1.02"}, FormatCase{3.995, "4"},
                      FormatCase{3.9999999999999996, "4"}, FormatCase{2.004999, "2"},
                      FormatCase{2.0050001, "2.01"}, FormatCase{0.001, "0"}, FormatCase{0.1, "0.1"},
                      FormatCase{1e-300, "0"}, FormatCase{-0.0, "0"}, FormatCase{-0.001, "0"},
                      FormatCase{-1.125, "-1.12"}));

class TotalText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(TotalText, IsThePlainNumber) {
    EXPECT_EQ(FormatTotal(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, TotalText,
    ::testing::Values(FormatCase{25, "25"}, FormatCase{0, "0"}, FormatCase{-0.0, "0"},
                      FormatCase{1.5, "1.5"}, FormatCase{1234567, "1234567"},
                      FormatCase{1e15, "1000000000000000"},
                      FormatCase{1e20, "100000000000000000000"},
                      FormatCase{12345678901234567890.0, "12345678901234567000"},
                      FormatCase{0.1 + 0.2, "0.30000000000000004"}));

class PercentText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(PercentText, HasTwoDecimalsHalfUp) {
    EXPECT_EQ(FormatPercent(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, PercentText,
    ::testing::Values(FormatCase{0, "0.00%"}, FormatCase{1, "100.00%"}, FormatCase{0.125, "12.50%"},
                      FormatCase{1.0 / 3, "33.33%"}, FormatCase{2.0 / 3, "66.67%"},
                      FormatCase{1.0 / 32, "3.13%"}, FormatCase{1.0 / 9, "11.11%"},
                      FormatCase{0.5, "50.00%"}, FormatCase{0.01005, "1.01%"},
                      FormatCase{0.00005, "0.01%"}, FormatCase{0.0000499, "0.00%"},
                      FormatCase{0.99995, "100.00%"}, FormatCase{0.123449, "12.34%"},
                      FormatCase{1e-300, "0.00%"}, FormatCase{7.0 / 8, "87.50%"},
                      FormatCase{0.07, "7.00%"}, FormatCase{-0.0, "0.00%"},
                      FormatCase{-0.125, "-12.50%"}));

// A German user's C library writes "," for the point; the texts must not follow it.
TEST(FormatNumber, IgnoresTheUserLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "C.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale to switch to";
    }
    EXPECT_EQ(FormatGpa(3.3), "3.3");
    EXPECT_EQ(FormatPercent(0.125), "12.50%");
    EXPECT_EQ(FormatTotal(1234567.5), "1234567.5");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
