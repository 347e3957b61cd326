#include "calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "climbs.h"
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

using testing_data::Climb;

class RecalculateTest : public testing::TestWithParam<Climb> {};

TEST_P(RecalculateTest, ShowsFiguresAndWarning) {
    const Climb& climb = GetParam();
    FakeWindow window;
    Calculator calculator(window);
    Enter(window, {climb.current, climb.target, climb.hours, climb.rate});
    calculator.Recalculate();
    EXPECT_EQ(window.results[Result::PointsNeeded], climb.points);
    EXPECT_EQ(window.results[Result::HoursNeeded], climb.hoursNeeded);
    EXPECT_EQ(window.results[Result::DaysNeeded], climb.daysNeeded);
    EXPECT_EQ(window.warning, climb.warning ? kWarningMessage : "");
    EXPECT_EQ(window.heightTwips, climb.warning ? kExpandedHeightTwips : kCompactHeightTwips);
}

INSTANTIATE_TEST_SUITE_P(Climbs, RecalculateTest, testing::ValuesIn(testing_data::kClimbs),
                         [](const auto& info) { return std::string(info.param.name); });

// A target pick clears the warning before anything is read, when the target of the previous run
// was not above 200; the new pick does not decide it.
struct TargetPick {
    const char* name;
    const char* previousTarget;
    const char* newTarget;
    bool clearsFirst;
};

class TargetPickTest : public testing::TestWithParam<TargetPick> {};

TEST_P(TargetPickTest, ClearsTheWarningFirst) {
    FakeWindow window;
    Calculator calculator(window);
    Enter(window, {"1", GetParam().previousTarget, "1", "10000"});
    calculator.Recalculate();
    window.inputs[Input::TargetLevel] = GetParam().newTarget;
    window.log.clear();
    calculator.TargetLevelPicked();
    const std::vector<std::string> cleared = {"warning cleared", "height=2775", "read current"};
    const bool clearedFirst =
        window.log.size() >= 3 && std::equal(cleared.begin(), cleared.end(), window.log.begin());
    EXPECT_EQ(clearedFirst, GetParam().clearsFirst);
}

INSTANTIATE_TEST_SUITE_P(Rows, TargetPickTest,
                         testing::Values(TargetPick{"from_200", "200", "220", true},
                                         TargetPick{"from_none", "", "220", true},
                                         TargetPick{"from_201", "201", "150", false}),
                         [](const auto& info) { return std::string(info.param.name); });

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

}  // namespace
}  // namespace ranktally
