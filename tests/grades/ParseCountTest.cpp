// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grades/ParseCount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace {

using grades::ParseCount;

struct ParseCase {
    std::string text;
    double expected;
};
void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << '"' << c.text.substr(0, 40) << '"';
}

class ParseCountTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCountTable, ReadsTheNumberAtTheStartOfTheText) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseCount(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseCountTable,
    ::testing::Values(
        // what the key filter lets through
        ParseCase{"", 0}, ParseCase{"0", 0}, ParseCase{"105", 105}, ParseCase{"007", 7},
        ParseCase{"00", 0},
        // spaces, tabs and line feeds are skipped anywhere, even between digits
        ParseCase{"  12", 12}, ParseCase{"1 2", 12}, ParseCase{"\t3\n4 ", 34},
        ParseCase{" 1 . 5 ", 1.5},
        // other blanks end the number
        ParseCase{"1\r2", 1}, ParseCase{"1\u00a02", 1},
        // sign, decimal point and exponent
        ParseCase{"-3", -3}, ParseCase{"+3", 3}, ParseCase{"- 3", -3}, ParseCase{"2.5", 2.5},
        ParseCase{".5", 0.5}, ParseCase{"5.", 5}, ParseCase{"1e3", 1000}, ParseCase{"1E+3", 1000},
        ParseCase{"15e-1", 1.5}, ParseCase{"1D2", 100}, ParseCase{"1d2", 100},
        ParseCase{"1 e 2", 100},
        // an exponent marker without digits is not part of the number
        ParseCase{"1e", 1}, ParseCase{"1e+", 1}, ParseCase{"1ex", 1},
        // reading stops at the first character that cannot continue the number
        ParseCase{"12abc", 12}, ParseCase{"1,000", 1}, ParseCase{"1.2.3", 1.2}, ParseCase{"3-4", 3},
        ParseCase{"1e2e3", 100}, ParseCase{"--1", 0}, ParseCase{"+-1", 0},
        // no digit gives 0
        ParseCase{"abc", 0}, ParseCase{"-", 0}, ParseCase{".", 0}, ParseCase{"e5", 0},
        ParseCase{"   ", 0},
        ParseCase{std::string("\0"
                              "5",
                              2),
                  0},
        // hexadecimal and octal
        ParseCase{"&H1F", 31}, ParseCase{"&hff", 255}, ParseCase{"& H 10", 16},
        ParseCase{"&O17", 15}, ParseCase{"&o777", 511}, ParseCase{"&O18", 1}, ParseCase{"&H", 0},
        ParseCase{"&", 0}, ParseCase{"&X1", 0}, ParseCase{"&HG", 0},
        ParseCase{"&HFFFFFFFF", 4294967295.0}, ParseCase{"&O7777777777777777777777", 0x1p66 - 1},
        ParseCase{"-&H10", 0},
        // a minus zero is a plain zero
        ParseCase{"-0", 0}));

TEST(ParseCount, MinusZeroHasNoSign) {
    EXPECT_FALSE(std::signbit(ParseCount("-0")));
}

TEST(ParseCount, RoundsCorrectlyLikeTheDecimalText) {
    EXPECT_EQ(ParseCount("0.1"), 0.1);
    EXPECT_EQ(ParseCount("12345678901234567890"), 12345678901234567890.0);
    EXPECT_EQ(ParseCount("9007199254740993"), 9007199254740992.0);  // ties to even
    EXPECT_EQ(ParseCount("9007199254740993000000000000000000001e-21"), 9007199254740994.0);
    EXPECT_EQ(ParseCount("&H20000000000001"), 9007199254740992.0);
    // A digit far beyond the others still decides a tie.
    const std::string tie = "9007199254740993." + std::string(5000, '0');
    EXPECT_EQ(ParseCount(tie), 9007199254740992.0);
    EXPECT_EQ(ParseCount(tie + "1"), 9007199254740994.0);
    EXPECT_EQ(ParseCount("9007199254740993" + std::string(900, '0') + "1e-901"),
              9007199254740994.0);
    EXPECT_EQ(ParseCount(std::string(2000, '0') + "0.5"), 0.5);
    EXPECT_EQ(ParseCount("&O400000000000000001"), 9007199254740992.0);
}

TEST(ParseCount, TooLargeForADoubleGivesInfinity) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ParseCount(std::string(400, '9')), inf);
    EXPECT_EQ(ParseCount("-" + std::string(400, '9')), -inf);
    EXPECT_EQ(ParseCount("1e400"), inf);
    EXPECT_EQ(ParseCount("1e99999999999999999999"), inf);
    EXPECT_EQ(ParseCount("&H" + std::string(300, 'F')), inf);
    EXPECT_EQ(ParseCount("0.000001e310"), 1e304);
}

TEST(ParseCount, TooSmallForADoubleGivesZero) {
    EXPECT_EQ(ParseCount("1e-400"), 0);
    EXPECT_EQ(ParseCount("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(ParseCount("1e-99999999999999999999"), 0);
    EXPECT_EQ(ParseCount(std::string(400, '1') + "e-800"), 0);
}

TEST(ParseCount, ReadsMegabytesOfText) {
    const std::string digits(1 << 20, '7');
    EXPECT_EQ(ParseCount(digits), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseCount("12" + std::string(1 << 20, ' ') + "3"), 123);
    EXPECT_EQ(ParseCount("5x" + digits), 5);
    EXPECT_EQ(ParseCount(std::string(1 << 20, '0') + "42"), 42);
    EXPECT_EQ(ParseCount("0." + std::string(1 << 20, '0')), 0);
    EXPECT_EQ(ParseCount("&H" + std::string(1 << 20, '0') + "1"), 1);
}

// Texts of digits and spaces read as the digits alone do, the way a person reads them.
TEST(ParseCount, AgreesWithAPlainReadingOfDigitsAndSpaces) {
    std::mt19937 random(20261208);
    const std::string alphabet = "0123456789      \t\n";
    for (int round = 0; round < 20000; ++round) {
        const std::size_t length = random() % 24;
        std::string text;
        double reference = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = alphabet[random() % alphabet.size()];
            text += c;
            if (c >= '0' && c <= '9') {
                reference = reference * 10 + (c - '0');  // exact below 2^53: at most 15 digits
            }
        }
        std::size_t digitCount = 0;
        for (char c : text) {
            digitCount += (c >= '0' && c <= '9') ? 1 : 0;
        }
        if (digitCount > 15) {
            continue;
        }
        ASSERT_EQ(ParseCount(text), reference) << '"' << text << '"';
    }
}

// Any bytes at all give a number and never a crash.
TEST(ParseCount, SurvivesRandomBytes) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789+-.eEdDhHoO& \t\n\r,xX\xc3\xa9\xff";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text) {
            c = (random() % 4 == 0) ? static_cast<char>(random() % 256)
                                    : alphabet[random() % alphabet.size()];
        }
        const double value = ParseCount(text);
        ASSERT_FALSE(std::isnan(value)) << text;
    }
}

}  // namespace
