#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "translation.h"

namespace ranktally {

// The points an hour a player measures from two readings of the game's counter some minutes
// apart. It knows nothing of levels, nor of the box the rate goes to.

inline constexpr std::string_view kReadingsWithinOneLevel =
    N_("The second reading is below the first: take both within one level, as the counter may "
       "start again at a level-up.");

// TRANSLATORS: said under a reading typed as a percent, such as "43%".
inline constexpr std::string_view kReadingInPoints =
    N_("A reading is the counter's points, not a percent of the level.");

// The three texts as the player typed them.
struct RateReadings {
    std::string_view first;    // whole points, grouped in any usual way
    std::string_view second;   // the same, later
    std::string_view minutes;  // "." or "," as the decimal mark
};

struct MeasuredRate {
    // Written as every figure is; empty while there is no rate: a reading with no number or a
    // percent, minutes that are not above 0, the second reading below the first.
    std::string pointsPerHour;
    // The rate rounded to whole points an hour, halves up, which reads the same in every locale;
    // none while there is no rate or it rounds below 1.
    std::optional<std::string> wholePointsPerHour;
    std::string firstNote;    // as a reading of whole points says it, or that a percent is none
    std::string secondNote;   // the same
    std::string minutesNote;  // the same, of the minutes
    std::string note;         // when the second reading is below the first
};

// (second - first) / minutes × 60.
MeasuredRate MeasureRate(const RateReadings& readings, std::string_view decimalSeparator);

}  // namespace ranktally
