#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numeric_text.h"
#include "rate_reading.h"

namespace {

// The value as 15 significant digits would write it, by the C library's own rounding.
double RoundedToFifteenDigits(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr);
}

}  // namespace

// Any bytes read as a number, and a note on how; a number written and read back keeps its
// 15-digit value.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The part of the text a reading used lies within it, and the note on it is made safely.
    const ranktally::NumberReading reading = ranktally::ReadNumber(text);
    if (reading.used > text.size()) {
        std::abort();
    }
    static_cast<void>(ranktally::RateReadingNote(text, ","));
    const ranktally::ParsedNumber parsed = ranktally::ParseNumber(text);
    if (parsed.overflow) {
        if (!std::isinf(parsed.value)) {
            std::abort();
        }
        return 0;
    }
    if (!std::isfinite(parsed.value)) {
        std::abort();
    }
    const std::string written = ranktally::FormatGeneral(parsed.value, ".");
    const ranktally::ParsedNumber reread = ranktally::ParseNumber(written);
    // Within rounding of the largest double, 15 digits round past it: the text then reads back
    // as too large, as the C library reads it too.
    const double expected = RoundedToFifteenDigits(parsed.value);
    if (std::isinf(expected) ? !reread.overflow : (reread.overflow || reread.value != expected)) {
        std::fprintf(stderr, "%.17g written as \"%s\" reads back as %.17g\n", parsed.value,
                     written.c_str(), reread.value);
        std::abort();
    }
    const std::optional<std::int16_t> level = ranktally::RoundToInt16(parsed.value);
    if (level && std::abs(*level - parsed.value) > 0.5) {
        std::abort();
    }
    return 0;
}
