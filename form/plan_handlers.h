#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator_window.h"
#include "civil_date.h"
#include "plan.h"

namespace ranktally {

// What a desktop window draws of the plan, told only as it changes, by the controls' names in the
// planner's design: each window draws it its own way and decides none of it.
class PlanView {
public:
    virtual ~PlanView() = default;

    // A result box's text, or the measured rate's.
    virtual void ShowText(std::string_view control, std::string_view text) = 0;
    // What a box's text was read as, or why it gives nothing; empty when there is nothing to say.
    // The note of the whole plan, a negative rate's, goes to the planner itself (kPlannerName).
    virtual void ShowNote(std::string_view control, std::string_view note) = 0;
    // The day the target is reached, which the window writes in the user's regional format.
    virtual void ShowArrival(const Arrival& arrival) = 0;
    virtual void ShowSteps(const std::vector<PlanStep>& steps) = 0;
    virtual void EnableControl(std::string_view control, bool enabled) = 0;
};

// The work behind each of the plan window's events, in its order, the same for both desktop
// windows: the plan made anew from the form's inputs and the planner's own, the rate measured from
// the readings, and what "Use as my rate" hands the form. It neither places nor draws a control,
// nor writes a date.
class PlanHandlers {
public:
    // The form's four inputs as they are when the window opens, in the order of Input.
    PlanHandlers(PlanView& view, std::string decimalSeparator,
                 const std::array<std::string, 4>& formInputs, CivilDate today);

    // A control of the form reported its text, as the form's own handlers hear it.
    void FormInputChanged(Input input, std::string_view text);
    // A box of the planner's reported its text, by its name in the planner's design.
    void InputChanged(std::string_view control, std::string_view text);
    // Local midnight passed, or the clock was set.
    void DayChanged(CivilDate today);
    void DecimalSeparatorChanged(std::string separator);

    // What "Use as my rate" puts into the form's rate box as a user's edit; none while the button
    // is disabled.
    const std::optional<std::string>& RateToUse() const { return rateToUse_; }

private:
    void Replan();
    void Measure();
    void Show(std::string_view control, std::string_view text);
    void Note(std::string_view control, std::string_view note);
    void Enable(std::string_view control, bool enabled);

    PlanView& view_;
    std::string decimalSeparator_;
    std::array<std::string, 4> form_;
    CivilDate today_;
    // The planner's inputs by name: its two of the plan, and the three readings.
    std::map<std::string, std::string, std::less<>> inputs_;
    // What the view shows, so that it hears only of changes.
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, std::string, std::less<>> notes_;
    std::map<std::string, bool, std::less<>> enabled_;
    std::optional<Arrival> arrival_;
    std::optional<std::vector<PlanStep>> steps_;
    std::optional<std::string> rateToUse_;
};

}  // namespace ranktally
