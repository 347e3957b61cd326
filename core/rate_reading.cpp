#include "rate_reading.h"

#include <algorithm>
#include <vector>

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
    const std::string_view used = text.substr(0, reading.used);
    const std::string_view rest = text.substr(reading.used);
    const std::size_t ignored = rest.find_first_not_of(" \t\n");
    if (reading.used == 0) {
        if (ignored == std::string_view::npos) {
            return std::nullopt;
        }
        return "No number here: read as 0.";
    }
    // What a user may not expect of a number that was read; each in a few words.
    std::vector<std::string> surprises;
    // The reading takes a period as the decimal point in every locale, where a user of a comma
    // locale writes it between groups of thousands: "10.000" is ten, not ten thousand.
    // A radix-prefixed number ends before any period, so it never gets this note.
    if (decimalSeparator != "." && used.find('.') != std::string_view::npos) {
        surprises.emplace_back("\".\" is read as the decimal point");
    }
    if (ignored != std::string_view::npos) {
        surprises.push_back("everything from \"" +
                            std::string(FirstCharacter(rest.substr(ignored))) + "\" on is ignored");
    }
    if (reading.number.value < 0 && !reading.number.overflow) {
        surprises.emplace_back("a negative rate gives negative hours and days");
    }
    if (surprises.empty()) {
        return std::nullopt;
    }
    std::string note = "Read as ";
    note += reading.number.overflow ? std::string("a number too large to work with")
                                    : FormatGeneral(reading.number.value, decimalSeparator);
    for (std::size_t index = 0; index < surprises.size(); ++index) {
        note += index == 0 ? ": " : "; ";
        note += surprises[index];
    }
    return note + ".";
}

}  // namespace ranktally
