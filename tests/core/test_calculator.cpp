#include "calculator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_window.h"

namespace ranktally {
namespace {

struct Inputs {
    std::string current;
    std::string target;
    std::string hours;
    std::string rate;
};

void Enter(FakeWindow& window, const Inputs& inputs) {
    window.inputs[Input::CurrentLevel] = inputs.current;
    window.inputs[Input::TargetLevel] = inputs.target;
    window.inputs[Input::HoursPerDay] = inputs.hours;
    window.inputs[Input::Rate] = inputs.rate;
}

struct Climb {
    const char* name;
    Inputs inputs;
    std::string points;
    std::string hours;
    std::string days;
    bool warningShown;
};

class RecalculateTest : public testing::TestWithParam<Climb> {};

TEST_P(RecalculateTest, ShowsFiguresAndWarning) {
    FakeWindow window;
    Calculator calculator(window);
    Enter(window, GetParam().inputs);
    calculator.Recalculate();
    EXPECT_EQ(window.results[Result::PointsNeeded], GetParam().points);
    EXPECT_EQ(window.results[Result::HoursNeeded], GetParam().hours);
    EXPECT_EQ(window.results[Result::DaysNeeded], GetParam().days);
    EXPECT_EQ(window.warning, GetParam().warningShown ? kWarningMessage : "");
    EXPECT_EQ(window.heightTwips,
              GetParam().warningShown ? kExpandedHeightTwips : kCompactHeightTwips);
}

INSTANTIATE_TEST_SUITE_P(
    Climbs, RecalculateTest,
    testing::Values(
        // Climbs the lists offer.
        Climb{"StartUp", {"", "", "1", "10000"}, "0", "0", "0", false},
        Climb{"OneLevel", {"1", "2", "1", "10000"}, "1450", "0.145", "0.145", false},
        Climb{"NoCurrentLevelSumsFromOne",
              {"", "10", "1", "10000"},
              "38650",
              "3.865",
              "3.865",
              false},
        Climb{"WholeClimb",
              {"1", "220", "24", "10000"},
              "2076261991",
              "207626.1991",
              "8651.09162916667",
              true},
        Climb{"SkLevelsOnly",
              {"200", "220", "1", "10000"},
              "14935041",
              "1493.5041",
              "1493.5041",
              false},
        Climb{"TargetTwoHundredNoWarning",
              {"150", "200", "8", "50000"},
              "1763166200",
              "35263.324",
              "4407.9155",
              false},
        Climb{"TargetAboveTwoHundredWarns",
              {"150", "201", "1", "10000"},
              "1763246200",
              "176324.62",
              "176324.62",
              true},
        Climb{"LastXpLevel",
              {"199", "200", "3", "3000"},
              "73393900",
              "24464.6333333333",
              "8154.87777777778",
              false},
        Climb{"Downward", {"10", "5", "1", "10000"}, "0", "0", "0", false},
        Climb{"SameLevel", {"7", "7", "1", "10000"}, "0", "0", "0", false},
        Climb{"NegativeRate", {"1", "2", "1", "-10000"}, "1450", "-0.145", "-0.145", false},
        Climb{"SpacedRate", {"1", "2", "1", "1 0 000"}, "1450", "0.145", "0.145", false},
        Climb{"CommaEndsRate", {"1", "2", "1", "10000,5"}, "1450", "0.145", "0.145", false},
        // No rate: the points and warning still follow the levels.
        Climb{"ZeroRate", {"1", "2", "1", "0"}, "1450", "Unlimited", "Unlimited", false},
        Climb{"EmptyRate", {"1", "2", "1", ""}, "1450", "Unlimited", "Unlimited", false},
        Climb{"RateWithoutDigits",
              {"1", "220", "1", "lots"},
              "2076261991",
              "Unlimited",
              "Unlimited",
              true},
        Climb{"ZeroRateDownward", {"10", "5", "1", "0"}, "0", "Unlimited", "Unlimited", false},
        // A rate whose figures leave the double range.
        Climb{"RateOverflows",
              {"1", "220", "1", "1e400"},
              "2076261991",
              "Overflow",
              "Overflow",
              true},
        Climb{
            "RateOverflowsDownward", {"10", "5", "1", "1e400"}, "0", "Overflow", "Overflow", false},
        Climb{"HoursOverflow", {"1", "2", "1", "1e-310"}, "1450", "Overflow", "Overflow", false},
        Climb{"RateUnderflowsToZero",
              {"1", "2", "1", "1e-400"},
              "1450",
              "Unlimited",
              "Unlimited",
              false},
        // Inputs the lists never offer: no crash, no read outside the table.
        Climb{"NoHoursPerDay", {"1", "2", "0", "10000"}, "1450", "0.145", "Unlimited", false},
        Climb{"DaysOverflow", {"1", "2", "1e-320", "10000"}, "1450", "0.145", "Overflow", false},
        Climb{"NegativeCurrentSumsFromTableStart",
              {"-5", "2", "1", "10000"},
              "1450",
              "0.145",
              "0.145",
              false},
        Climb{"TargetBeyondTopStopsAtTop",
              {"1", "500", "24", "10000"},
              "2076261991",
              "207626.1991",
              "8651.09162916667",
              true},
        Climb{"BothBeyondTop", {"1e9", "2e9", "1", "10000"}, "0", "0", "0", false},
        Climb{"CurrentBeyondSixteenBits", {"40000", "1e400", "1", "10000"}, "0", "0", "0", false},
        Climb{"OverflowingCurrent", {"-1e400", "2", "1", "10000"}, "1450", "0.145", "0.145", false},
        // Fractional levels run both branches; the warning ends hidden.
        Climb{"CurrentBetween199And200", {"199.5", "201", "1", "10000"}, "80000", "8", "8", false},
        Climb{"TargetBetween200And201",
              {"199", "200.5", "1", "10000"},
              "73473900",
              "7347.39",
              "7347.39",
              false}),
    [](const auto& info) { return info.param.name; });

TEST(Recalculate, WritesTheWindowInOrder) {
    // The window grows before the figures land in it, and the inputs are read first.
    FakeWindow window;
    Calculator calculator(window);
    Enter(window, {"1", "220", "24", "10000"});
    calculator.Recalculate();
    const std::vector<std::string> climbing = {
        "read current",      "read rate",         "read hours",
        "read target",       "warning shown",     "height=3800",
        "points=2076261991", "hours=207626.1991", "days=8651.09162916667"};
    EXPECT_EQ(window.log, climbing);

    window.log.clear();
    Enter(window, {"220", "1", "24", "10000"});
    calculator.Recalculate();
    const std::vector<std::string> nothingToClimb = {
        "read current", "read rate", "read hours",      "read target", "points=0",
        "hours=0",      "days=0",    "warning cleared", "height=2775"};
    EXPECT_EQ(window.log, nothingToClimb);
}

TEST(Recalculate, NoFigureGoesStaleWhileTheRateIsZero) {
    FakeWindow window;
    Calculator calculator(window);
    Enter(window, {"1", "220", "1", "10000"});
    calculator.Recalculate();
    Enter(window, {"1", "220", "1", ""});
    calculator.Recalculate();
    Enter(window, {"1", "200", "1", ""});
    calculator.Recalculate();
    EXPECT_EQ(window.results[Result::PointsNeeded], "2061326950");
    EXPECT_EQ(window.results[Result::HoursNeeded], "Unlimited");
    EXPECT_EQ(window.warning, "");
    EXPECT_EQ(window.heightTwips, kCompactHeightTwips);
}

TEST(Recalculate, RecoversAfterAnOverflowingRate) {
    FakeWindow window;
    Calculator calculator(window);
    Enter(window, {"1", "2", "1", "1e400"});
    calculator.Recalculate();
    ASSERT_EQ(window.results[Result::HoursNeeded], "Overflow");
    Enter(window, {"1", "2", "1", "10000"});
    calculator.Recalculate();
    EXPECT_EQ(window.results[Result::HoursNeeded], "0.145");
    EXPECT_EQ(window.results[Result::DaysNeeded], "0.145");
}

TEST(Recalculate, UsesTheCallersDecimalSeparator) {
    FakeWindow window;
    Calculator calculator(window, ",");
    // A comma typed into the rate still ends the number, whatever the separator shown.
    Enter(window, {"1", "2", "1", "10000,5"});
    calculator.Recalculate();
    EXPECT_EQ(window.results[Result::HoursNeeded], "0,145");
    calculator.SetDecimalSeparator(".");
    calculator.Recalculate();
    EXPECT_EQ(window.results[Result::HoursNeeded], "0.145");
}

TEST(Recalculate, RemembersTheTargetOfTheLastRun) {
    FakeWindow window;
    Calculator calculator(window);
    EXPECT_EQ(calculator.TargetLevel(), 0);
    Enter(window, {"1", "210", "1", "10000"});
    calculator.Recalculate();
    window.inputs[Input::TargetLevel] = "5";
    EXPECT_EQ(calculator.TargetLevel(), 210);
}

}  // namespace
}  // namespace ranktally
