#include "plan_handlers.h"

#include <utility>

#include "measured_rate.h"
#include "plan_design.h"

namespace ranktally {
namespace {

constexpr std::string_view kEarned = "EarnedTextBox";
constexpr std::string_view kSkRate = "SKRateTextBox";
constexpr std::string_view kFirstReading = "FirstReadingTextBox";
constexpr std::string_view kSecondReading = "SecondReadingTextBox";
constexpr std::string_view kMinutes = "MinutesTextBox";
constexpr std::string_view kMeasuredRate = "MeasuredRateTextBox";
constexpr std::string_view kUseRate = "UseRateButton";

// Where each input's text goes: into the plan, or into the measured rate.
constexpr std::string_view kPlanInputs[] = {kEarned, kSkRate};
constexpr std::string_view kReadings[] = {kFirstReading, kSecondReading, kMinutes};

// Tells `tell` of a control's value only when it differs from what the control shows.
template <typename Value, typename Told>
void Tell(std::map<std::string, Value, std::less<>>& shown, std::string_view control, Value value,
          Told tell) {
    const auto found = shown.find(control);
    if (found != shown.end() && found->second == value) {
        return;
    }
    tell(control, value);
    shown.insert_or_assign(std::string(control), std::move(value));
}

}  // namespace

PlanHandlers::PlanHandlers(PlanView& view, std::string decimalSeparator,
                           const std::array<std::string, 4>& formInputs, CivilDate today)
    : view_(view),
      decimalSeparator_(std::move(decimalSeparator)),
      form_(formInputs),
      today_(today) {
    for (const std::string_view control : kPlanInputs) {
        inputs_.emplace(control, "");
    }
    for (const std::string_view control : kReadings) {
        inputs_.emplace(control, "");
    }
    // A note shows nothing until there is something to say.
    for (const std::string_view control :
         {kEarned, kSkRate, kPlannerName, kFirstReading, kSecondReading, kMinutes, kMeasuredRate}) {
        notes_.emplace(control, "");
    }
    Replan();
    Measure();
}

void PlanHandlers::FormInputChanged(Input input, std::string_view text) {
    form_[static_cast<std::size_t>(input)] = text;
    Replan();
}

void PlanHandlers::InputChanged(std::string_view control, std::string_view text) {
    const auto input = inputs_.find(control);
    if (input == inputs_.end() || input->second == text) {
        return;
    }
    input->second = text;
    if (control == kEarned || control == kSkRate) {
        Replan();
    } else {
        Measure();
    }
}

void PlanHandlers::DayChanged(CivilDate today) {
    // Asked at every activation of the window, it is mostly the same day.
    if (today == today_) {
        return;
    }
    today_ = today;
    Replan();
}

void PlanHandlers::DecimalSeparatorChanged(std::string separator) {
    decimalSeparator_ = std::move(separator);
    Replan();
    Measure();
}

void PlanHandlers::Replan() {
    const auto at = [this](Input input) -> std::string_view {
        return form_[static_cast<std::size_t>(input)];
    };
    const Plan plan =
        MakePlan({at(Input::CurrentLevel), at(Input::TargetLevel), at(Input::HoursPerDay),
                  at(Input::Rate), inputs_.find(kEarned)->second, inputs_.find(kSkRate)->second},
                 today_, decimalSeparator_);
    Show("XPLeftTextBox", plan.xpLeft);
    Show("SKLeftTextBox", plan.skLeft);
    Show("PlanHoursTextBox", plan.hoursOfPlay);
    Show("PlanDaysTextBox", plan.daysOfPlay);
    Note(kEarned, plan.earnedNote);
    Note(kSkRate, plan.skRateNote);
    Note(kPlannerName, plan.rateNote);
    Enable(kSkRate, plan.skRateUsed);
    if (arrival_ != plan.arrival) {
        arrival_ = plan.arrival;
        view_.ShowArrival(*arrival_);
    }
    if (steps_ != plan.steps) {
        steps_ = plan.steps;
        view_.ShowSteps(*steps_);
    }
}

void PlanHandlers::Measure() {
    const MeasuredRate rate =
        MeasureRate({inputs_.find(kFirstReading)->second, inputs_.find(kSecondReading)->second,
                     inputs_.find(kMinutes)->second},
                    decimalSeparator_);
    Show(kMeasuredRate, rate.pointsPerHour);
    Note(kFirstReading, rate.firstNote);
    Note(kSecondReading, rate.secondNote);
    Note(kMinutes, rate.minutesNote);
    Note(kMeasuredRate, rate.note);
    rateToUse_ = rate.wholePointsPerHour;
    Enable(kUseRate, rateToUse_.has_value());
}

void PlanHandlers::Show(std::string_view control, std::string_view text) {
    Tell(texts_, control, std::string(text),
         [this](std::string_view name, const std::string& value) { view_.ShowText(name, value); });
}

void PlanHandlers::Note(std::string_view control, std::string_view note) {
    Tell(notes_, control, std::string(note),
         [this](std::string_view name, const std::string& value) { view_.ShowNote(name, value); });
}

void PlanHandlers::Enable(std::string_view control, bool enabled) {
    Tell(enabled_, control, enabled,
         [this](std::string_view name, bool value) { view_.EnableControl(name, value); });
}

}  // namespace ranktally
