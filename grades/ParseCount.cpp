#include "grades/ParseCount.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

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

std::string ReadDigits(Reader& in, bool (*isDigit)(char)) {
    std::string digits;
    while (isDigit(in.Peek())) {
        digits += in.Peek();
        in.Next();
    }
    return digits;
}

// Three octal digits are nine bits and four of them make three hexadecimal digits, so octal
// text can be rewritten as hexadecimal text and converted with correct rounding.
std::string OctalToHex(const std::string& octal) {
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

double ConvertHex(const std::string& hex) {
    if (hex.empty()) {
        return 0.0;
    }
    double value = 0.0;
    auto [ptr, ec] =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (ec == std::errc::result_out_of_range) {
        return std::numeric_limits<double>::infinity();
    }
    return ec == std::errc{} ? value : 0.0;
}

// "&H1F" or "&O17"; the reader stands on the letter after the ampersand.
double ReadRadixNumber(Reader& in) {
    const char radix = Upper(in.Peek());
    if (radix == 'H') {
        in.Next();
        return ConvertHex(ReadDigits(in, IsHexDigit));
    }
    if (radix == 'O') {
        in.Next();
        const std::string octal = ReadDigits(in, IsOctalDigit);
        return octal.empty() ? 0.0 : ConvertHex(OctalToHex(octal));
    }
    return 0.0;
}

// Decides what an out-of-range decimal number was: too large (infinity) or too small (zero).
// The power of ten of its leading digit is enough, since only far-out numbers get here.
double OutOfRangeValue(const std::string& whole, const std::string& fraction, long long exponent) {
    const std::size_t firstWhole = whole.find_first_not_of('0');
    long long magnitude = 0;
    if (firstWhole != std::string::npos) {
        magnitude = static_cast<long long>(whole.size() - firstWhole);
    } else {
        const std::size_t firstFraction = fraction.find_first_not_of('0');
        magnitude = firstFraction == std::string::npos ? 0 : -static_cast<long long>(firstFraction);
    }
    return magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double ReadDecimalNumber(Reader& in) {
    bool negative = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
        negative = in.Peek() == '-';
        in.Next();
    }
    const std::string whole = ReadDigits(in, IsDecimalDigit);
    std::string fraction;
    if (in.Peek() == '.') {
        in.Next();
        fraction = ReadDigits(in, IsDecimalDigit);
    }
    if (whole.empty() && fraction.empty()) {
        return 0.0;
    }

    std::string exponentText;
    long long exponent = 0;
    const char marker = Upper(in.Peek());
    if (marker == 'E' || marker == 'D') {
        in.Next();
        bool exponentNegative = false;
        if (in.Peek() == '+' || in.Peek() == '-') {
            exponentNegative = in.Peek() == '-';
            in.Next();
        }
        const std::string digits = ReadDigits(in, IsDecimalDigit);
        if (!digits.empty()) {
            exponentText = (exponentNegative ? "e-" : "e") + digits;
            for (char d : digits) {  // saturates far beyond any double's range
                exponent = exponent < 1'000'000'000 ? exponent * 10 + (d - '0') : exponent;
            }
            exponent = exponentNegative ? -exponent : exponent;
        }
    }

    std::string number = whole.empty() ? "0" : whole;
    if (!fraction.empty()) {
        number += '.';
        number += fraction;
    }
    number += exponentText;

    double value = 0.0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = OutOfRangeValue(whole, fraction, exponent);
    } else if (ec != std::errc{}) {
        value = 0.0;
    }
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
