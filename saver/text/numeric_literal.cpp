#include "numeric_literal.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

// Far beyond any double, small enough that exponent arithmetic cannot overflow.
constexpr std::int64_t kExponentLimit = 1000000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

int DigitValue(char c, int base) {
    int value = base;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    return value < base ? value : -1;
}

// Walks the text one significant character at a time, skipping blanks.
class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() {
        SkipBlanks();
        return position_ >= text_.size();
    }

    // The next character, or NUL at the end.
    char Peek() { return AtEnd() ? '\0' : text_[position_]; }

    bool TakeAny(std::string_view choices) {
        if (AtEnd() || choices.find(text_[position_]) == std::string_view::npos) return false;
        ++position_;
        return true;
    }

    void Take() { ++position_; }

  private:
    void SkipBlanks() {
        while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

struct Literal {
    bool found = false;  // at least one digit was read
    bool overflow = false;
    double value = 0;
};

Literal ReadRadixDigits(Scanner& scanner, int base) {
    Literal literal;
    std::uint64_t magnitude = 0;
    for (int digit; (digit = DigitValue(scanner.Peek(), base)) >= 0; scanner.Take()) {
        literal.found = true;
        if (magnitude <= 0xFFFFFFFFu) magnitude = magnitude * base + digit;
    }
    if (magnitude > 0xFFFFFFFFu) {
        literal.overflow = true;
    } else if (magnitude > 0xFFFFu) {
        literal.value = magnitude >= 0x80000000u ? static_cast<double>(magnitude) - 4294967296.0
                                                 : static_cast<double>(magnitude);
    } else {
        literal.value = magnitude >= 0x8000u ? static_cast<double>(magnitude) - 65536.0
                                             : static_cast<double>(magnitude);
    }
    return literal;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int64_t ReadExponent(Scanner& scanner) {
    const bool negative = scanner.Peek() == '-';
    scanner.TakeAny("+-");
    std::int64_t exponent = 0;
    for (char c; IsDecimalDigit(c = scanner.Peek()); scanner.Take()) {
        if (exponent < kExponentLimit) exponent = exponent * 10 + (c - '0');
    }
    return negative ? -exponent : exponent;
}

// digits (no leading zeros, at least one) times ten to the exponent.
Literal ScaleDigits(const std::string& digits, std::int64_t exponent) {
    Literal literal;
    literal.found = true;
    // The value lies in [10^(order-1), 10^order).
    const std::int64_t order = static_cast<std::int64_t>(digits.size()) + exponent;
    if (order > 310) {
        literal.overflow = true;
        return literal;
    }
    if (order < -330) return literal;
    const std::string scientific = digits + 'e' + std::to_string(exponent);
    double value = 0;
    const auto result =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        literal.overflow = order > 0;
        return literal;
    }
    literal.value = value;
    return literal;
}

Literal ReadDecimal(Scanner& scanner) {
    const bool negative = scanner.Peek() == '-';
    scanner.TakeAny("+-");
    std::string digits;
    std::int64_t fractionDigits = 0;
    bool found = false;
    for (char c; IsDecimalDigit(c = scanner.Peek()); scanner.Take()) {
        found = true;
        if (!digits.empty() || c != '0') digits += c;
    }
    if (scanner.TakeAny(".")) {
        for (char c; IsDecimalDigit(c = scanner.Peek()); scanner.Take()) {
            found = true;
            ++fractionDigits;
            if (!digits.empty() || c != '0') digits += c;
        }
    }
    if (!found) return Literal();
    const std::int64_t exponent = scanner.TakeAny("EeDd") ? ReadExponent(scanner) : 0;
    if (digits.empty()) {
        Literal zero;
        zero.found = true;
        return zero;
    }
    Literal literal = ScaleDigits(digits, exponent - fractionDigits);
    if (negative) literal.value = -literal.value;
    return literal;
}

Literal Read(Scanner& scanner) {
    if (!scanner.TakeAny("&")) return ReadDecimal(scanner);
    if (scanner.TakeAny("Hh")) return ReadRadixDigits(scanner, 16);
    if (scanner.TakeAny("Oo")) return ReadRadixDigits(scanner, 8);
    return Literal();
}

}  // namespace

std::optional<double> ReadNumericLiteral(std::string_view text) {
    Scanner scanner(text);
    const Literal literal = Read(scanner);
    if (literal.overflow) return std::nullopt;
    return literal.value;
}

std::optional<double> ReadWholeNumericLiteral(std::string_view text) {
    Scanner scanner(text);
    const Literal literal = Read(scanner);
    if (!literal.found || literal.overflow || !scanner.AtEnd()) return std::nullopt;
    return literal.value;
}

std::optional<std::int32_t> RoundHalfEvenToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0);
    const double rounded = up ? below + 1 : below;
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}
