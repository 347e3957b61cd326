#include "plan_handlers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "measured_rate.h"

namespace ranktally {
namespace {

// Keeps what the handlers tell, as a window would show it, and how many times they told anything.
class FakePlanView : public PlanView {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, std::string, std::less<>> notes;
    std::map<std::string, bool, std::less<>> enabled;
    Arrival arrival;
    std::vector<PlanStep> steps;
    int told = 0;

    void ShowText(std::string_view control, std::string_view text) override {
        texts.insert_or_assign(std::string(control), std::string(text));
        ++told;
    }
    void ShowNote(std::string_view control, std::string_view note) override {
        notes.insert_or_assign(std::string(control), std::string(note));
        ++told;
    }
    void ShowArrival(const Arrival& shown) override {
        arrival = shown;
        ++told;
    }
    void ShowSteps(const std::vector<PlanStep>& shown) override {
        steps = shown;
        ++told;
    }
    void EnableControl(std::string_view control, bool on) override {
        enabled.insert_or_assign(std::string(control), on);
        ++told;
    }
};

constexpr CivilDate kToday{2026, 12, 9};

// 150 to 210 at 50000 an hour, 8 hours a day, in the order of Input; the planner's own two as the
// page's example has them.
class PlanHandlersTest : public testing::Test {
protected:
    FakePlanView view;
    PlanHandlers handlers{view, ".", {"150", "50000", "8", "210"}, kToday};

    void SetUp() override {
        handlers.InputChanged("EarnedTextBox", "43%");
        handlers.InputChanged("SKRateTextBox", "2000");
    }
};

TEST_F(PlanHandlersTest, PlansTheFormsClimb) {
    EXPECT_EQ(view.texts["XPLeftTextBox"], "1757741234");
    EXPECT_EQ(view.texts["SKLeftTextBox"], "2076694");
    EXPECT_EQ(view.texts["PlanHoursTextBox"], "36193.17168");
    EXPECT_EQ(view.texts["PlanDaysTextBox"], "4524.14646");
    EXPECT_EQ(view.arrival.date, (CivilDate{2039, 4, 29}));
    EXPECT_EQ(view.steps.size(), 60u);
    EXPECT_TRUE(view.enabled["SKRateTextBox"]);
    EXPECT_FALSE(view.enabled["UseRateButton"]);
    EXPECT_TRUE(view.notes.empty());
}

// The form's changes, the day and the separator each plan anew; the same text twice tells nothing.
TEST_F(PlanHandlersTest, FollowsTheFormAndTheDay) {
    const int told = view.told;
    handlers.FormInputChanged(Input::Rate, "50000");
    handlers.InputChanged("EarnedTextBox", "43%");
    EXPECT_EQ(view.told, told);
    handlers.DayChanged({2026, 12, 10});
    EXPECT_EQ(view.arrival.date, (CivilDate{2039, 4, 30}));
    handlers.DecimalSeparatorChanged(",");
    EXPECT_EQ(view.texts["PlanHoursTextBox"], "36193,17168");
    handlers.FormInputChanged(Input::CurrentLevel, "200");
    EXPECT_FALSE(view.enabled["SKRateTextBox"]);
    EXPECT_EQ(view.notes["SKRateTextBox"], kSkRateNotUsed);
    EXPECT_EQ(view.steps.size(), 10u);
}

// The readings give the rate "Use as my rate" hands the form, or a note and nothing to hand.
TEST_F(PlanHandlersTest, MeasuresTheRate) {
    handlers.InputChanged("FirstReadingTextBox", "1 000 000");
    handlers.InputChanged("SecondReadingTextBox", "1045000");
    handlers.InputChanged("MinutesTextBox", "20");
    EXPECT_EQ(view.texts["MeasuredRateTextBox"], "135000");
    EXPECT_EQ(handlers.RateToUse(), "135000");
    EXPECT_TRUE(view.enabled["UseRateButton"]);
    handlers.InputChanged("SecondReadingTextBox", "1000");
    EXPECT_EQ(view.texts["MeasuredRateTextBox"], "");
    EXPECT_EQ(view.notes["MeasuredRateTextBox"], kReadingsWithinOneLevel);
    EXPECT_EQ(handlers.RateToUse(), std::nullopt);
    EXPECT_FALSE(view.enabled["UseRateButton"]);
    // The readings are no part of the plan.
    EXPECT_EQ(view.texts["XPLeftTextBox"], "1757741234");
}

}  // namespace
}  // namespace ranktally
