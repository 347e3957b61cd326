#include "rate_reading.h"

#include <algorithm>

#include "numeric_text.h"

namespace ranktally {
namespace {

// The whole UTF-8 character that starts `text`.
std::string_view FirstCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(0, std::min(length, text.size()));
}

}  // namespace

std::optional<std::string> RateReadingNote(std::string_view text,
                                           std::string_view decimalSeparator) {
    const NumberReading reading = ReadNumber(text);
    const std::string_view rest = text.substr(reading.used);
    const std::size_t ignored = rest.find_first_not_of(" \t\n");
    if (ignored == std::string_view::npos) {
        return std::nullopt;
    }
    if (reading.used == 0) {
        return "No number here: read as 0.";
    }
    const std::string value = reading.number.overflow
                                  ? std::string("a number too large to work with")
                                  : FormatGeneral(reading.number.value, decimalSeparator);
    return "Read as " + value + ": everything from \"" +
           std::string(FirstCharacter(rest.substr(ignored))) + "\" on is ignored.";
}

}  // namespace ranktally
