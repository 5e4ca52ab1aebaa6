// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grades/FormatNumber.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "grades/Digits.h"

namespace grades {
namespace {

enum class Tie { ToEven, AwayFromZero };

// A finite number as decimal digits: "-0.03125" is negative, whole "0", fraction "03125".
struct Decimal {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

// The shortest digits that read back as the same double, placed around the decimal point:
// 1.2345678901234567e19 gives whole "12345678901234567000", not the double's exact value.
Decimal ToDecimal(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal d;
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    const long long wholeDigits = exponent + 1;  // how many digits stand before the point
    const auto size = static_cast<long long>(digits.size());
    if (wholeDigits <= 0) {
        d.whole = "0";
        d.fraction = std::string(static_cast<std::size_t>(-wholeDigits), '0') + digits;
    } else if (wholeDigits >= size) {
        d.whole = digits + std::string(static_cast<std::size_t>(wholeDigits - size), '0');
    } else {
        d.whole = digits.substr(0, static_cast<std::size_t>(wholeDigits));
        d.fraction = digits.substr(static_cast<std::size_t>(wholeDigits));
    }
    while (!d.fraction.empty() && d.fraction.back() == '0') {
        d.fraction.pop_back();
    }
    return d;
}

// Infinities and NaN never reach the window; they keep the standard spelling here.
std::string NonFiniteText(double value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Adds one unit in the last place of a digit string.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Rounds to exactly `places` fraction digits, deciding on the decimal digits themselves.
void Round(Decimal& d, std::size_t places, Tie tie) {
    if (d.fraction.size() < places) {
        d.fraction.append(places - d.fraction.size(), '0');
    }
    const std::string rest = d.fraction.substr(places);
    d.fraction.resize(places);
    if (rest.empty() || rest[0] < '5') {
        return;
    }
    const bool exactHalf = rest[0] == '5' && AllZeros(rest.substr(1));
    if (exactHalf && tie == Tie::ToEven) {
        const char last = places > 0 ? d.fraction.back() : d.whole.back();
        if ((last - '0') % 2 == 0) {
            return;
        }
    }
    std::string digits = d.whole + d.fraction;
    Increment(digits);
    d.whole = digits.substr(0, digits.size() - places);
    d.fraction = digits.substr(digits.size() - places);
}

std::string SignOf(const Decimal& d) {
    return d.negative && !(AllZeros(d.whole) && AllZeros(d.fraction)) ? "-" : "";
}

}  // namespace

std::string FormatGpa(double gpa) {
    if (!std::isfinite(gpa)) {
        return NonFiniteText(gpa);
    }
    Decimal d = ToDecimal(gpa);
    Round(d, 2, Tie::ToEven);
    while (!d.fraction.empty() && d.fraction.back() == '0') {
        d.fraction.pop_back();
    }
    return SignOf(d) + d.whole + (d.fraction.empty() ? "" : "." + d.fraction);
}

std::string FormatTotal(double total) {
    if (!std::isfinite(total)) {
        return NonFiniteText(total);
    }
    const Decimal d = ToDecimal(total);
    return SignOf(d) + d.whole + (d.fraction.empty() ? "" : "." + d.fraction);
}

std::string FormatPercent(double share) {
    if (!std::isfinite(share)) {
        return NonFiniteText(share) + "%";
    }
    Decimal d = ToDecimal(share);
    // Times 100: move the decimal point two places to the right.
    d.fraction.append(d.fraction.size() < 2 ? 2 - d.fraction.size() : 0, '0');
    d.whole += d.fraction.substr(0, 2);
    d.fraction.erase(0, 2);
    const std::size_t firstDigit = d.whole.find_first_not_of('0');
    d.whole = firstDigit == std::string::npos ? "0" : d.whole.substr(firstDigit);
    Round(d, 2, Tie::AwayFromZero);
    return SignOf(d) + d.whole + "." + d.fraction + "%";
}

}  // namespace grades
