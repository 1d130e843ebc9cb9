#include "track_number.h"

#include "numeric_literal.h"

#include <limits>

std::string FormatTrackNumber(std::int32_t number) {
    return number == 0 ? std::string() : std::to_string(number);
}

std::vector<std::string> TrackListEntries() {
    std::vector<std::string> entries;
    for (int track = 0; track <= 30; ++track) entries.push_back(FormatTrackNumber(track));
    return entries;
}

std::int16_t TrackNumberFromText(std::string_view text) {
    const std::optional<double> value = ReadWholeNumericLiteral(text);
    if (!value) return 0;
    const std::optional<std::int32_t> rounded = RoundHalfEvenToInt32(*value);
    if (!rounded || *rounded < std::numeric_limits<std::int16_t>::min() ||
        *rounded > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return static_cast<std::int16_t>(*rounded);
}
