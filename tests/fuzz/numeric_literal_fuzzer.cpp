// Feeds arbitrary text to the numeric reader. Beyond answering safely, whole
// and leading readings agree and rounding stays within a half; and on plain
// decimal literals the reader and strtod agree both ways: whatever strtod
// reads whole, the reader reads whole as the same double, or rejects as an
// overflow what strtod makes infinite; what the reader reads whole, strtod
// reads too, but for an exponent letter without digits, which only the
// reader takes.
#include "numeric_literal.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The text without the blanks the reader skips and with a D exponent written
// as E; empty when anything but digits, signs, points and E is left, so that
// strtod reads no hexadecimal, infinity or NaN.
std::string PlainDecimal(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        if (c == 'D' || c == 'd') c = 'E';
        if ((c < '0' || c > '9') && std::string_view("+-.Ee").find(c) == std::string_view::npos) {
            return {};
        }
        plain += c;
    }
    return plain;
}

bool IsBareExponentLetter(std::string_view text) {
    if (text.empty() || (text[0] != 'E' && text[0] != 'e')) return false;
    return text.size() == 1 || (text.size() == 2 && (text[1] == '+' || text[1] == '-'));
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

    if (size > 4096) return 0;
    const std::string literal = PlainDecimal(text);
    if (literal.empty()) return 0;
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(literal.c_str(), &end);
    const bool overflowed = errno == ERANGE && std::isinf(reference);
    const std::string_view unread(end, literal.size() - (end - literal.c_str()));
    if (unread.empty()) {
        if (overflowed ? whole.has_value() : whole != reference) std::abort();
    } else if (whole && !IsBareExponentLetter(unread)) {
        std::abort();
    }
    return 0;
}
