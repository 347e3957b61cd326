#include "civil_date.h"

namespace ranktally {
namespace {

// Days since 1970-01-01 and back, by the calendar's 400-year cycle of 146097 days, counted from
// 1 March so that the leap day ends a year (Howard Hinnant's days_from_civil and civil_from_days).
std::int64_t DaysFromCivil(CivilDate date) {
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear =
        (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

}  // namespace

std::optional<CivilDate> DaysAfter(CivilDate date, std::int64_t days) {
    const std::int64_t from = DaysFromCivil(date);
    const std::int64_t last = DaysFromCivil(kLastShownDate);
    if (days > last - from) {
        return std::nullopt;
    }
    return CivilFromDays(from + days);
}

}  // namespace ranktally
