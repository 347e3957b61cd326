#include "plan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calculator.h"
#include "climbs.h"
#include "numeric_text.h"
#include "whole_points.h"

namespace ranktally {
namespace {

constexpr CivilDate kToday = {2026, 12, 9};
const std::string kNbsp = "\xC2\xA0";
const std::string kNarrowNbsp = "\xE2\x80\xAF";

struct PlanCase {
    const char* name;
    const char* current;
    const char* target;
    const char* hoursPerDay;
    const char* rate;
    const char* earned;
    const char* skRate;
    std::size_t steps;
    const char* firstStep;  // the first step's points; "" when there are no steps
    const char* xpLeft;
    const char* skLeft;
    const char* hours;
    const char* days;
    bool earnedNote;
};

class PlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanTest, WorkedOutByHand) {
    const PlanCase& row = GetParam();
    const Plan plan = MakePlan(
        {row.current, row.target, row.hoursPerDay, row.rate, row.earned, row.skRate}, kToday, ".");
    ASSERT_EQ(plan.steps.size(), row.steps);
    EXPECT_EQ(plan.steps.empty() ? "" : plan.steps.front().points, row.firstStep);
    EXPECT_EQ(plan.xpLeft, row.xpLeft);
    EXPECT_EQ(plan.skLeft, row.skLeft);
    EXPECT_EQ(plan.hoursOfPlay, row.hours);
    EXPECT_EQ(plan.daysOfPlay, row.days);
    EXPECT_EQ(!plan.earnedNote.empty(), row.earnedNote) << plan.earnedNote;
    if (!plan.steps.empty()) {
        // The last step ends where the totals do.
        EXPECT_EQ(plan.steps.back().hoursOfPlay, plan.hoursOfPlay);
        EXPECT_EQ(plan.steps.back().reached, plan.arrival);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Climbs, PlanTest, testing::Values(
    // 43% of 12616200 is 5424966; the SK steps at the player's own 2000 an hour.
    PlanCase{"PercentAndSkRate", "150", "210", "8", "50000", "43%", "2000", 60, "7191234",
             "1757741234", "2076694", "36193.17168", "4524.14646", false},
    // Earned as points, and as percents rounded down: 33% of 1450 is 478.5.
    PlanCase{"EarnedPoints", "1", "3", "1", "10000", "450", "", 2, "1000", "3600", "0", "0.36",
             "0.36", false},
    PlanCase{"PercentRoundsDown", "1", "2", "1", "10000", "33%", "", 1, "972", "972", "0",
             "0.0972", "0.0972", false},
    PlanCase{"PercentWithComma", "1", "2", "1", "10000", "43,5 %", "", 1, "820", "820", "0",
             "0.082", "0.082", false},
    PlanCase{"BelowZero", "1", "2", "1", "10000", "-5", "", 1, "1450", "1450", "0", "0.145",
             "0.145", true},
    PlanCase{"BeyondTheStep", "1", "3", "1", "10000", "2000", "", 2, "0", "2600", "0", "0.26",
             "0.26", true},
    PlanCase{"WholePercent", "1", "2", "1", "10000", "100%", "", 1, "0", "0", "0", "0", "0",
             true},
    // Grouping in every form; one that breaks the rule stops the reading where it breaks.
    PlanCase{"GroupedByCommas", "150", "151", "1", "10000", "1,234,567", "", 1, "11381633",
             "11381633", "0", "1138.1633", "1138.1633", false},
    PlanCase{"GroupedByPeriods", "150", "151", "1", "10000", "1.234.567", "", 1, "11381633",
             "11381633", "0", "1138.1633", "1138.1633", false},
    PlanCase{"GroupedBySpaces", "150", "151", "1", "10000", "1 234 567", "", 1, "11381633",
             "11381633", "0", "1138.1633", "1138.1633", false},
    PlanCase{"GroupedByApostrophes", "150", "151", "1", "10000", "1'234'567", "", 1, "11381633",
             "11381633", "0", "1138.1633", "1138.1633", false},
    PlanCase{"MixedGrouping", "150", "151", "1", "10000", "1.234,567", "", 1, "12614966",
             "12614966", "0", "1261.4966", "1261.4966", true},
    PlanCase{"FirstGroupTooLong", "150", "151", "1", "10000", "1234,567", "", 1, "12614966",
             "12614966", "0", "1261.4966", "1261.4966", true},
    PlanCase{"ShortGroup", "150", "151", "1", "10000", "1,23", "", 1, "12616199", "12616199",
             "0", "1261.6199", "1261.6199", true},
    // Where the climb starts and ends.
    PlanCase{"NoCurrentLevel", "", "10", "1", "10000", "", "", 9, "1450", "38650", "0", "3.865",
             "3.865", false},
    PlanCase{"NoTarget", "5", "", "1", "10000", "100", "", 0, "", "0", "0", "0", "0", false},
    PlanCase{"AtTheTarget", "7", "7", "1", "10000", "", "", 0, "", "0", "0", "0", "0", false},
    PlanCase{"Downward", "10", "5", "1", "0", "", "", 0, "", "0", "0", "Unlimited", "Unlimited",
             false},
    PlanCase{"NeverPast200", "150", "200", "8", "50000", "", "2000", 50, "12616200",
             "1763166200", "0", "35263.324", "4407.9155", false},
    PlanCase{"From200Up", "200", "210", "1", "10000", "", "2000", 10, "80000", "0", "2076694",
             "207.6694", "207.6694", false},
    // What each rate leaves.
    PlanCase{"NoRate", "1", "2", "1", "", "", "", 1, "1450", "1450", "0", "Unlimited",
             "Unlimited", false},
    PlanCase{"RateOverflows", "1", "2", "1", "1e400", "", "", 1, "1450", "1450", "0", "Overflow",
             "Overflow", false},
    PlanCase{"NegativeRate", "1", "2", "1", "-10000", "", "", 1, "1450", "1450", "0", "", "",
             false},
    PlanCase{"SkRateAloneZero", "199", "201", "1", "10000", "", "0", 2, "73393900", "73393900",
             "80000", "Unlimited", "Unlimited", false},
    PlanCase{"BothNoFigure", "199", "201", "1", "1e400", "", "-5", 2, "73393900", "73393900",
             "80000", "Overflow", "Overflow", false}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// Only the SK rate without a figure: the XP steps keep theirs, the SK steps and the totals show it.
TEST(Plan, AnSkRateOfNoUseLeavesTheXpSteps) {
    const Plan plan = MakePlan({"199", "201", "1", "10000", "", "-5"}, kToday, ".");
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].kind, PointKind::XP);
    EXPECT_EQ(plan.steps[0].hours, "7339.39");
    EXPECT_EQ(plan.steps[0].hoursValue, 73393900 / 10000.0);
    EXPECT_TRUE(plan.steps[0].reached.date.has_value());
    EXPECT_EQ(plan.steps[1].kind, PointKind::SK);
    EXPECT_EQ(plan.steps[1].hours, "");
    EXPECT_EQ(plan.steps[1].hoursValue, std::nullopt);
    EXPECT_EQ(plan.steps[1].hoursOfPlay, "");
    EXPECT_EQ(plan.arrival, Arrival{});
    EXPECT_FALSE(plan.rateNote.empty());
}

// From 200 up the form's rate is the SK rate: the planner's own counts for nothing, and says so.
TEST(Plan, TheSkRateCountsOnlyBelow200) {
    const Plan from200 = MakePlan({"200", "201", "1", "10000", "", "2000"}, kToday, ".");
    EXPECT_FALSE(from200.skRateUsed);
    EXPECT_EQ(from200.skRateNote, Translated(kSkRateNotUsed));
    const Plan below = MakePlan({"199", "201", "1", "10000", "", "2,5"}, kToday, ",");
    EXPECT_TRUE(below.skRateUsed);
    EXPECT_EQ(below.skRateNote, "Read as 2: everything from \",\" on is ignored.");
}

// With a rate above 0, nothing earned and no SK rate, the plan's figures are the form's.
TEST(Plan, MatchesTheFormWithoutItsOwnInputs) {
    for (const testing_data::Climb& climb : testing_data::kClimbs) {
        const std::string current = climb.current;
        const std::string target = climb.target;
        // The lists offer whole levels only, and a negative rate plans nothing.
        if (current.find('.') != std::string::npos || target.find('.') != std::string::npos ||
            ParseNumber(climb.rate).value < 0) {
            continue;
        }
        const Plan plan =
            MakePlan({climb.current, climb.target, climb.hours, climb.rate, "", ""}, kToday, ".");
        EXPECT_EQ(FormatGeneral(ParseNumber(plan.xpLeft).value + ParseNumber(plan.skLeft).value),
                  climb.points)
            << climb.name;
        EXPECT_EQ(plan.hoursOfPlay, climb.hoursNeeded) << climb.name;
        EXPECT_EQ(plan.daysOfPlay, climb.daysNeeded) << climb.name;
    }
}

struct DayCase {
    const char* name;
    const char* current;
    const char* target;
    const char* hoursPerDay;
    const char* rate;
    const char* skRate;
    CivilDate arrival;
};

class ArrivalTest : public testing::TestWithParam<DayCase> {};

// Day 1 is today and holds the first hours of a day's play; a climb ends on the day its last hour
// falls in, as the figure reads.
TEST_P(ArrivalTest, OnTheDayItsLastHourFallsIn) {
    const DayCase& row = GetParam();
    const Plan plan =
        MakePlan({row.current, row.target, row.hoursPerDay, row.rate, "", row.skRate}, kToday, ".");
    ASSERT_TRUE(plan.arrival.date.has_value()) << plan.arrival.text;
    EXPECT_EQ(*plan.arrival.date, row.arrival);
}

INSTANTIATE_TEST_SUITE_P(
    Days, ArrivalTest,
    testing::Values(
        // 320000 points at 10000 an hour: exactly 32 hours.
        DayCase{"ThirtyTwoHours", "26", "36", "1", "10000", "", {2027, 1, 9}},
        DayCase{"WithinTheFirstDay", "1", "2", "24", "1000", "", {2026, 12, 9}},
        DayCase{"IntoTheSecondDay", "1", "2", "1", "1000", "", {2026, 12, 10}},
        DayCase{"NothingToPlay", "1", "2", "1", "1e300", "", {2026, 12, 9}},
        // Two quotients that add up to a hair above 14932750 hours, which reads 14932750: the
        // last of 649250 days of 23 hours.
        DayCase{"AHairAboveAWholeDay", "185", "201", "23", "58.8", "2.1", {3804, 7, 10}}),
    [](const auto& info) { return info.param.name; });

TEST(Arrival, AfterTheYear9999IsSaidInWords) {
    const Plan plan = MakePlan({"1", "220", "1", "1", "", ""}, kToday, ".");
    EXPECT_EQ(plan.arrival.date, std::nullopt);
    EXPECT_EQ(plan.arrival.text, "after the year 9999");
}

struct CalendarCase {
    const char* name;
    CivilDate from;
    std::int64_t days;
    std::optional<CivilDate> to;
};

class CalendarTest : public testing::TestWithParam<CalendarCase> {};

TEST_P(CalendarTest, CountsDaysInTheGregorianCalendar) {
    EXPECT_EQ(DaysAfter(GetParam().from, GetParam().days), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarTest,
    testing::Values(CalendarCase{"Today", {2026, 12, 9}, 0, CivilDate{2026, 12, 9}},
                    CalendarCase{"MonthsEnd", {2026, 4, 30}, 1, CivilDate{2026, 5, 1}},
                    CalendarCase{"YearsEnd", {2026, 12, 31}, 1, CivilDate{2027, 1, 1}},
                    CalendarCase{"LeapDay", {2028, 2, 28}, 1, CivilDate{2028, 2, 29}},
                    CalendarCase{"AfterLeapDay", {2028, 2, 29}, 1, CivilDate{2028, 3, 1}},
                    CalendarCase{"CenturyWithoutLeapDay", {2100, 2, 28}, 1, CivilDate{2100, 3, 1}},
                    CalendarCase{"AYearOn", {2026, 12, 9}, 365, CivilDate{2027, 12, 9}},
                    CalendarCase{"LastShown", {9999, 12, 30}, 1, CivilDate{9999, 12, 31}},
                    CalendarCase{"PastTheLast", {9999, 12, 31}, 1, std::nullopt}),
    [](const auto& info) { return info.param.name; });

struct ReadingCase {
    const char* name;
    std::string text;
    double points;
    std::optional<std::int64_t> percent;
    const char* note;
};

class WholePointsTest : public testing::TestWithParam<ReadingCase> {};

// The same in every locale: the note speaks the user's decimal separator.
TEST_P(WholePointsTest, ReadsGroupsAndPercents) {
    const WholePointsReading reading = ReadWholePoints(GetParam().text, ",");
    EXPECT_EQ(reading.points, GetParam().points);
    EXPECT_EQ(reading.percentBillionths, GetParam().percent);
    EXPECT_EQ(reading.note, GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholePointsTest,
    testing::Values(
        ReadingCase{"Empty", "", 0, std::nullopt, ""},
        ReadingCase{"Blanks", " \t", 0, std::nullopt, ""},
        ReadingCase{"NoBreakSpaces", "1" + kNbsp + "234", 1234, std::nullopt, ""},
        ReadingCase{"NarrowNoBreakSpaces", "1" + kNarrowNbsp + "234" + kNarrowNbsp + "567", 1234567,
                    std::nullopt, ""},
        ReadingCase{"AroundBlanks", " 1 234 ", 1234, std::nullopt, ""},
        ReadingCase{"LetterStops", "12k", 12, std::nullopt,
                    "Read as 12: everything from \"k\" on is ignored."},
        ReadingCase{"NoNumber", "lots", 0, std::nullopt, "No number here: read as 0."},
        ReadingCase{"Percent", "43.5 %", 0, 43500000000, ""},
        ReadingCase{"PercentNinthDecimal", "0,1234567891%", 0, 123456789, ""},
        ReadingCase{"PercentWithoutDigits", "%", 0, std::nullopt, "No number here: read as 0."}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ranktally
