// Feeds arbitrary text to the numeric reader. Beyond answering safely, a
// plain decimal literal must read as the correctly rounded double that
// strtod gives for it, wherever both give a value.
#include "numeric_literal.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The literal with its blanks left out and a D exponent written as E; empty
// unless it is then a plain decimal literal as strtod reads one: a sign,
// digits with a point, and an exponent with at least one digit.
std::string AsStrtodLiteral(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        plain += (c == 'D' || c == 'd') ? 'E' : c;
    }
    std::size_t at = 0;
    if (at < plain.size() && (plain[at] == '+' || plain[at] == '-')) ++at;
    std::size_t digits = 0;
    for (; at < plain.size() && IsDigit(plain[at]); ++at) ++digits;
    if (at < plain.size() && plain[at] == '.') {
        for (++at; at < plain.size() && IsDigit(plain[at]); ++at) ++digits;
    }
    if (digits == 0) return {};
    if (at < plain.size() && (plain[at] == 'E' || plain[at] == 'e')) {
        ++at;
        if (at < plain.size() && (plain[at] == '+' || plain[at] == '-')) ++at;
        std::size_t exponentDigits = 0;
        for (; at < plain.size() && IsDigit(plain[at]); ++at) ++exponentDigits;
        if (exponentDigits == 0) return {};
    }
    return at == plain.size() ? plain : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> start = ReadNumericLiteral(text);
    const std::optional<double> whole = ReadWholeNumericLiteral(text);
    if (start && !std::isfinite(*start)) std::abort();
    if (whole && start != whole) std::abort();
    if (start) {
        if (const std::optional<std::int32_t> rounded = RoundHalfEvenToInt32(*start)) {
            if (std::fabs(*rounded - *start) > 0.5) std::abort();
        }
    }

    if (!whole || size > 4096) return 0;
    const std::string literal = AsStrtodLiteral(text);
    if (literal.empty()) return 0;
    errno = 0;
    const double reference = std::strtod(literal.c_str(), nullptr);
    const bool overflowed = errno == ERANGE && std::isinf(reference);
    if (!overflowed && *whole != reference) std::abort();
    return 0;
}
