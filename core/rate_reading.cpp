#include "rate_reading.h"

#include <algorithm>
#include <array>

#include "numeric_text.h"
#include "translation.h"

namespace ranktally {
namespace {

// What a user may not expect of a number that was read, each a bit of the note's index.
enum Surprise : unsigned {
    kPeriodAsPoint = 1,  // "." read as the decimal point where the user writes another
    kIgnoredRest = 2,    // text after the number, from the character %2 on
    kNegative = 4,       // a negative rate
};

// Each note whole, so that a translation words and orders it as its language does: %1 is the
// number read, %2 the first character ignored. A number too large has no negative note.
constexpr std::array<std::string_view, 8> kReadAs = {
    "",
    N_("Read as %1: \".\" is read as the decimal point."),
    N_("Read as %1: everything from \"%2\" on is ignored."),
    N_("Read as %1: \".\" is read as the decimal point; everything from \"%2\" on is ignored."),
    N_("Read as %1: a negative rate gives negative hours and days."),
    N_("Read as %1: \".\" is read as the decimal point; a negative rate gives negative hours and "
       "days."),
    N_("Read as %1: everything from \"%2\" on is ignored; a negative rate gives negative hours "
       "and days."),
    N_("Read as %1: \".\" is read as the decimal point; everything from \"%2\" on is ignored; a "
       "negative rate gives negative hours and days."),
};
constexpr std::array<std::string_view, 4> kReadAsTooLarge = {
    "",
    N_("Read as a number too large to work with: \".\" is read as the decimal point."),
    N_("Read as a number too large to work with: everything from \"%2\" on is ignored."),
    N_("Read as a number too large to work with: \".\" is read as the decimal point; everything "
       "from \"%2\" on is ignored."),
};

}  // namespace

std::string_view FirstCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(0, std::min(length, text.size()));
}

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
        return std::string(Translated(N_("No number here: read as 0.")));
    }
    unsigned surprises = 0;
    // The reading takes a period as the decimal point in every locale, where a user of a comma
    // locale writes it between groups of thousands: "10.000" is ten, not ten thousand.
    // A radix-prefixed number ends before any period, so it never gets this note.
    if (decimalSeparator != "." && used.find('.') != std::string_view::npos) {
        surprises |= kPeriodAsPoint;
    }
    std::string_view first;
    if (ignored != std::string_view::npos) {
        surprises |= kIgnoredRest;
        first = FirstCharacter(rest.substr(ignored));
    }
    if (reading.number.overflow) {
        if (surprises == 0) {
            return std::nullopt;
        }
        return Filled(Translated(kReadAsTooLarge[surprises]), {"", first});
    }
    if (reading.number.value < 0) {
        surprises |= kNegative;
    }
    if (surprises == 0) {
        return std::nullopt;
    }
    return Filled(Translated(kReadAs[surprises]),
                  {FormatGeneral(reading.number.value, decimalSeparator), first});
}

}  // namespace ranktally
