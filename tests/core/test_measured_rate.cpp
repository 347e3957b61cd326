#include "measured_rate.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ranktally {
namespace {

struct RateCase {
    const char* name;
    const char* first;
    const char* second;
    const char* minutes;
    const char* pointsPerHour;  // "" for no rate
    std::optional<std::string> wholePointsPerHour;
    bool note = false;  // the readings' or the minutes' own
};

class MeasureRateTest : public testing::TestWithParam<RateCase> {};

TEST_P(MeasureRateTest, FromTwoReadings) {
    const RateCase& row = GetParam();
    const MeasuredRate rate = MeasureRate({row.first, row.second, row.minutes}, ",");
    EXPECT_EQ(rate.pointsPerHour, row.pointsPerHour);
    EXPECT_EQ(rate.wholePointsPerHour, row.wholePointsPerHour);
    EXPECT_EQ(!(rate.firstNote + rate.secondNote + rate.minutesNote).empty(), row.note);
    EXPECT_TRUE(rate.note.empty());
}

const std::string kHugeReading(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Readings, MeasureRateTest,
    testing::Values(
        // Worked out by hand, written with the caller's separator; the whole rate without one.
        RateCase{"TwentyMinutes", "1000000", "1045000", "20", "135000", "135000"},
        RateCase{"SevenMinutes", "0", "1000", "7", "8571,42857142857", "8571"},
        RateCase{"CommaMinutes", "0", "1000", "1,5", "40000", "40000"},
        RateCase{"PeriodMinutes", "0", "1000", " 1.5 ", "40000", "40000"},
        // Grouping as every reading of whole points has it.
        RateCase{"PeriodsAndSpaces", "1.000.000", "1 045 000", "20", "135000", "135000"},
        RateCase{"CommasAndApostrophes", "1,000,000", "1'045'000", "20,0", "135000", "135000"},
        RateCase{"MalformedGroup", "1,23", "1000", "60", "999", "999", true},
        RateCase{"MinutesWithWords", "0", "1000", "20 min", "3000", "3000", true},
        // Halves round up; below 1 there is nothing to use.
        RateCase{"HalfUp", "0", "1", "40", "1,5", "2"},
        RateCase{"HalfToOne", "0", "1", "120", "0,5", "1"},
        RateCase{"BelowHalf", "0", "1", "121", "0,495867768595041", std::nullopt},
        RateCase{"SameReading", "500", "500", "10", "0", std::nullopt},
        // No rate at all.
        RateCase{"NoMinutes", "0", "1000", "", "", std::nullopt},
        RateCase{"ZeroMinutes", "0", "1000", "0", "", std::nullopt},
        RateCase{"NegativeMinutes", "0", "1000", "-5", "", std::nullopt},
        RateCase{"MinutesNoNumber", "0", "1000", "abc", "", std::nullopt, true},
        RateCase{"NoFirstReading", " ", "1000", "7", "", std::nullopt},
        RateCase{"ReadingWithNoNumber", "abc", "5000", "30", "", std::nullopt, true},
        RateCase{"PercentReading", "10%", "1000", "7", "", std::nullopt, true},
        RateCase{"HugeReading", "0", kHugeReading.c_str(), "1", "", std::nullopt}),
    [](const auto& info) { return info.param.name; });

// The counter may start again at a level-up: a second reading below the first says so.
TEST(MeasureRate, SecondBelowFirstAsksForOneLevel) {
    const MeasuredRate rate = MeasureRate({"1045000", "1000", "20"}, ".");
    EXPECT_EQ(rate.pointsPerHour, "");
    EXPECT_EQ(rate.wholePointsPerHour, std::nullopt);
    EXPECT_EQ(rate.note, kReadingsWithinOneLevel);
}

}  // namespace
}  // namespace ranktally
