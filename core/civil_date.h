#pragma once

#include <cstdint>
#include <optional>

namespace ranktally {

// A day of the proleptic Gregorian calendar, as a year, a month and a day, and the day some whole
// number of days after it; it knows no clock and no time zone, so that the front-end says which day
// is today and writes the date in the user's regional format.
struct CivilDate {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to 31

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The last day a date is shown for: a later one is "after the year 9999".
inline constexpr CivilDate kLastShownDate = {9999, 12, 31};

// The day `days` after `date` (0 is the date itself), none when it falls after kLastShownDate.
std::optional<CivilDate> DaysAfter(CivilDate date, std::int64_t days);

}  // namespace ranktally
