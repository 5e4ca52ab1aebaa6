// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the whole way from box texts to figures: the missing-entry rule, reading the counts,
// the statistics and the three texts. Checks what the window could show, not just survival.
// The input is up to ten box texts separated by the byte 0x1E.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "grades/ClassStatistics.h"
#include "grades/ParseCount.h"

namespace {

void Require(bool condition, const char* what, const std::string& text = "") {
    if (!condition) {
        std::fprintf(stderr, "broken: %s [%s]\n", what, text.c_str());
        std::abort();
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool HasNoCommaOrSpace(const std::string& text) {
    return text.find(',') == std::string::npos && text.find(' ') == std::string::npos;
}

// A GPA text: digits, then at most two decimals with no trailing zero; 0 to 4.
void CheckGpaText(const std::string& text) {
    Require(!text.empty() && HasNoCommaOrSpace(text), "GPA text form", text);
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    Require(!whole.empty(), "GPA has a whole part", text);
    for (char c : whole) {
        Require(IsDigit(c), "GPA whole digits", text);
    }
    if (point != std::string::npos) {
        const std::string decimals = text.substr(point + 1);
        Require(!decimals.empty() && decimals.size() <= 2 && decimals.back() != '0', "GPA decimals",
                text);
        for (char c : decimals) {
            Require(IsDigit(c), "GPA decimal digits", text);
        }
    }
    const double value = grades::ParseCount(text);
    Require(value >= 0 && value <= 4, "GPA from 0 to 4", text);
}

// A percentage text: [0-9]+\.[0-9]{2}%, from 0.00% to 100.00%.
void CheckPercentText(const std::string& text) {
    Require(text.size() >= 5 && text.back() == '%' && HasNoCommaOrSpace(text), "percent form",
            text);
    const std::size_t point = text.size() - 4;
    Require(text[point] == '.' && IsDigit(text[point + 1]) && IsDigit(text[point + 2]),
            "two decimals", text);
    for (std::size_t i = 0; i < point; ++i) {
        Require(IsDigit(text[i]), "percent whole digits", text);
    }
    const double value = grades::ParseCount(text);
    Require(value >= 0 && value <= 100, "percent from 0 to 100", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    grades::BoxTexts texts;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i < texts.size() && !input.empty(); ++i) {
        const std::size_t end = input.find('\x1e');
        texts[i] = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }

    const grades::Evaluation evaluation = grades::EvaluateClass(texts);
    bool allFinite = true;
    for (const std::string_view text : texts) {
        const double count = grades::ParseCount(text);
        Require(!std::isnan(count), "a count is a number", std::string(text));
        allFinite = allFinite && std::isfinite(count);
    }
    if (!allFinite && evaluation.outcome != grades::Outcome::MissingEntry) {
        Require(evaluation.outcome == grades::Outcome::InvalidEntry,
                "a count too large is refused");
    }
    if (evaluation.outcome != grades::Outcome::Calculated) {
        return 0;
    }
    const grades::ClassStatistics& stats = evaluation.statistics;
    CheckGpaText(stats.gpaText);
    Require(!stats.totalText.empty() && HasNoCommaOrSpace(stats.totalText) &&
                stats.totalText.find('e') == std::string::npos,
            "total text", stats.totalText);
    Require(grades::ParseCount(stats.totalText) == stats.total, "the total reads back",
            stats.totalText);
    for (const std::string& percent : stats.percentTexts) {
        CheckPercentText(percent);
    }
    return 0;
}
