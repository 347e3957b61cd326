#pragma once

#include <array>

namespace ranktally::testing_data {

// One climb: the four inputs as typed or picked, and what the window then shows (a period as the
// decimal separator). The core runs every row; the windows run the rows that prove their wiring.
struct Climb {
    const char* name;
    const char* current;
    const char* target;
    const char* hours;
    const char* rate;
    const char* points;
    const char* hoursNeeded;
    const char* daysNeeded;
    bool warning;
    bool inWindows;
};

// clang-format off
inline constexpr std::array kClimbs = {
    // Climbs the lists offer.
    Climb{"start_up",                     "",      "",      "1",     "10000",   "0",          "0",                "0",                false, false},
    Climb{"one_level",                    "1",     "2",     "1",     "10000",   "1450",       "0.145",            "0.145",            false, false},
    Climb{"no_current_sums_from_one",     "",      "10",    "1",     "10000",   "38650",      "3.865",            "3.865",            false, false},
    Climb{"whole_climb",                  "1",     "220",   "24",    "10000",   "2076261991", "207626.1991",      "8651.09162916667", true,  true},
    Climb{"sk_levels_only",               "200",   "220",   "1",     "10000",   "14935041",   "1493.5041",        "1493.5041",        false, false},
    Climb{"up_to_200_no_warning",         "150",   "200",   "8",     "50000",   "1763166200", "35263.324",        "4407.9155",        false, true},
    Climb{"above_200_warns",              "150",   "201",   "1",     "10000",   "1763246200", "176324.62",        "176324.62",        true,  false},
    Climb{"last_xp_level",                "199",   "200",   "3",     "3000",    "73393900",   "24464.6333333333", "8154.87777777778", false, false},
    Climb{"downward",                     "10",    "5",     "1",     "10000",   "0",          "0",                "0",                false, false},
    Climb{"same_level",                   "7",     "7",     "1",     "10000",   "0",          "0",                "0",                false, false},
    // Rates as typed.
    Climb{"negative_rate",                "1",     "2",     "1",     "-10000",  "1450",       "-0.145",           "-0.145",           false, false},
    Climb{"spaced_rate",                  "1",     "2",     "1",     "1 0 000", "1450",       "0.145",            "0.145",            false, false},
    Climb{"comma_ends_rate",              "1",     "2",     "1",     "10000,5", "1450",       "0.145",            "0.145",            false, false},
    // No rate: the points and the warning still follow the levels.
    Climb{"zero_rate",                    "1",     "2",     "1",     "0",       "1450",       "Unlimited",        "Unlimited",        false, false},
    Climb{"empty_rate",                   "1",     "2",     "1",     "",        "1450",       "Unlimited",        "Unlimited",        false, false},
    Climb{"rate_without_digits",          "1",     "220",   "1",     "lots",    "2076261991", "Unlimited",        "Unlimited",        true,  true},
    Climb{"zero_rate_downward",           "10",    "5",     "1",     "0",       "0",          "Unlimited",        "Unlimited",        false, false},
    // Figures that leave the double range.
    Climb{"rate_overflows",               "1",     "220",   "1",     "1e400",   "2076261991", "Overflow",         "Overflow",         true,  true},
    Climb{"rate_overflows_downward",      "10",    "5",     "1",     "1e400",   "0",          "Overflow",         "Overflow",         false, false},
    Climb{"hours_overflow",               "1",     "2",     "1",     "1e-310",  "1450",       "Overflow",         "Overflow",         false, false},
    Climb{"rate_underflows_to_zero",      "1",     "2",     "1",     "1e-400",  "1450",       "Unlimited",        "Unlimited",        false, false},
    // Inputs the lists never offer: no crash, no read outside the table.
    Climb{"no_hours_per_day",             "1",     "2",     "0",     "10000",   "1450",       "0.145",            "Unlimited",        false, false},
    Climb{"days_overflow",                "1",     "2",     "1e-320", "10000",  "1450",       "0.145",            "Overflow",         false, false},
    Climb{"negative_current",             "-5",    "2",     "1",     "10000",   "1450",       "0.145",            "0.145",            false, false},
    Climb{"target_beyond_top",            "1",     "500",   "24",    "10000",   "2076261991", "207626.1991",      "8651.09162916667", true,  false},
    Climb{"both_beyond_top",              "1e9",   "2e9",   "1",     "10000",   "0",          "0",                "0",                false, false},
    Climb{"current_beyond_16_bits",       "40000", "1e400", "1",     "10000",   "0",          "0",                "0",                false, false},
    Climb{"overflowing_current",          "-1e400", "2",    "1",     "10000",   "1450",       "0.145",            "0.145",            false, false},
    // Fractional levels run both branches; the warning ends hidden.
    Climb{"current_between_199_and_200",  "199.5", "201",   "1",     "10000",   "80000",      "8",                "8",                false, false},
    Climb{"target_between_200_and_201",   "199",   "200.5", "1",     "10000",   "73473900",   "7347.39",          "7347.39",          false, false},
};
// clang-format on

}  // namespace ranktally::testing_data
