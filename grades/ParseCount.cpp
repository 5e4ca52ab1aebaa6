// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grades/ParseCount.h"

#include <cstddef>
#include <limits>
#include <string>

#include "grades/Digits.h"
#include "grades/TextToDouble.h"

namespace grades {
namespace {

// Walks a text with spaces, tabs and line feeds left out.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) { SkipBlanks(); }
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void Next() {
        ++pos_;
        SkipBlanks();
    }
    // The run of characters from here that all pass the test, up to the next blank or other.
    template <bool (*Passes)(char)>
    std::string_view TakeRun() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && Passes(text_[pos_])) {
            ++pos_;
        }
        const std::string_view run = text_.substr(start, pos_ - start);
        SkipBlanks();
        return run;
    }

  private:
    void SkipBlanks() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) {
            ++pos_;
        }
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
bool IsHexDigit(char c) {
    return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The digits from here on, blanks between them left out. Where they stand together, as they
// mostly do, they are a view of the text; otherwise they are gathered in `gathered`.
template <bool (*IsDigit)(char)>
std::string_view ReadDigits(Reader& in, std::string& gathered) {
    const std::string_view run = in.TakeRun<IsDigit>();
    if (!IsDigit(in.Peek())) {
        return run;
    }
    gathered.assign(run);
    while (IsDigit(in.Peek())) {
        gathered += in.TakeRun<IsDigit>();
    }
    return gathered;
}

// Three octal digits are nine bits and four of them make three hexadecimal digits, so octal
// text can be rewritten as hexadecimal text and converted with correct rounding.
std::string OctalToHex(std::string_view octal) {
    std::string padded(((octal.size() + 3) / 4) * 4 - octal.size(), '0');
    padded += octal;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(padded.size() / 4 * 3);
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        unsigned bits = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            bits = bits * 8 + static_cast<unsigned>(padded[i + j] - '0');
        }
        hex += kHex[(bits >> 8) & 0xF];
        hex += kHex[(bits >> 4) & 0xF];
        hex += kHex[bits & 0xF];
    }
    return hex;
}

double ConvertHex(std::string_view hex) {
    if (hex.empty()) {
        return 0.0;
    }
    const Converted converted = TextToDouble(hex, Notation::Hexadecimal);
    if (converted.error == std::errc::result_out_of_range) {
        return std::numeric_limits<double>::infinity();
    }
    return converted.error == std::errc{} ? converted.value : 0.0;
}

// "&H1F" or "&O17"; the reader stands on the letter after the ampersand.
double ReadRadixNumber(Reader& in) {
    const char radix = Upper(in.Peek());
    std::string gathered;
    if (radix == 'H') {
        in.Next();
        return ConvertHex(ReadDigits<IsHexDigit>(in, gathered));
    }
    if (radix == 'O') {
        in.Next();
        const std::string_view octal = ReadDigits<IsOctalDigit>(in, gathered);
        return octal.empty() ? 0.0 : ConvertHex(OctalToHex(octal));
    }
    return 0.0;
}

// More significant digits than this never change how a decimal number rounds to a double (a
// halfway point between two doubles has at most 767); beyond them only whether anything
// nonzero follows counts.
constexpr std::size_t kSignificantDigits = 800;

// whole.fraction times ten to the exponent, correctly rounded; infinity when too large.
double ConvertDecimal(std::string_view whole, std::string_view fraction, long long exponent) {
    // The significant digits are `first` then `second`; `magnitude` places the point so that
    // the number lies below 10 to the magnitude.
    std::string_view first = whole;
    std::string_view second = fraction;
    long long magnitude = 0;
    if (const std::size_t lead = whole.find_first_not_of('0'); lead != std::string_view::npos) {
        first = whole.substr(lead);
        magnitude = static_cast<long long>(first.size());
    } else {
        const std::size_t fractionLead = fraction.find_first_not_of('0');
        if (fractionLead == std::string_view::npos) {
            return 0.0;
        }
        first = fraction.substr(fractionLead);
        second = {};
        magnitude = -static_cast<long long>(fractionLead);
    }
    magnitude += exponent;
    if (magnitude > 310) {
        return std::numeric_limits<double>::infinity();
    }
    if (magnitude < -330) {
        return 0.0;
    }

    const std::string_view firstKept = first.substr(0, kSignificantDigits);
    const std::string_view secondKept = second.substr(0, kSignificantDigits - firstKept.size());
    std::string number;
    number.reserve(kSignificantDigits + 24);
    number.append(firstKept).append(secondKept);
    if (!AllZeros(first.substr(firstKept.size())) || !AllZeros(second.substr(secondKept.size()))) {
        number += '1';  // stands for everything nonzero left out
    }
    number += 'e';
    number += std::to_string(magnitude - static_cast<long long>(number.size() - 1));

    const Converted converted = TextToDouble(number, Notation::Decimal);
    if (converted.error == std::errc::result_out_of_range) {
        return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return converted.error == std::errc{} ? converted.value : 0.0;
}

double ReadDecimalNumber(Reader& in) {
    bool negative = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
        negative = in.Peek() == '-';
        in.Next();
    }
    std::string wholeGathered;
    std::string fractionGathered;
    const std::string_view whole = ReadDigits<IsDecimalDigit>(in, wholeGathered);
    std::string_view fraction;
    if (in.Peek() == '.') {
        in.Next();
        fraction = ReadDigits<IsDecimalDigit>(in, fractionGathered);
    }
    if (whole.empty() && fraction.empty()) {
        return 0.0;
    }

    long long exponent = 0;
    const char marker = Upper(in.Peek());
    if (marker == 'E' || marker == 'D') {
        in.Next();
        bool exponentNegative = false;
        if (in.Peek() == '+' || in.Peek() == '-') {
            exponentNegative = in.Peek() == '-';
            in.Next();
        }
        std::string gathered;
        for (char d : ReadDigits<IsDecimalDigit>(in, gathered)) {
            // saturates far beyond any double's range
            exponent = exponent < 1'000'000'000 ? exponent * 10 + (d - '0') : exponent;
        }
        exponent = exponentNegative ? -exponent : exponent;
    }

    const double value = ConvertDecimal(whole, fraction, exponent);
    return negative ? -value : value;
}

}  // namespace

double ParseCount(std::string_view text) {
    Reader in(text);
    double value = 0.0;
    if (in.Peek() == '&') {
        in.Next();
        value = ReadRadixNumber(in);
    } else {
        value = ReadDecimalNumber(in);
    }
    return value + 0.0;  // "-0" counts as a plain 0
}

}  // namespace grades
