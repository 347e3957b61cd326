#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "plan.h"
#include "translation.h"

namespace ranktally {

// The planner beside the form, described once for every front-end: its controls' names, what each
// is, its caption and their order, and the columns of its steps. It places nothing: the page lays
// it out in the browser's flow, and a desktop window by the form's fitting rule.

enum class PlanControlKind {
    Input,   // a box the user types into
    Result,  // a read-only box
    Button,  // a push button
    Chart,   // bars of each step's hours, its caption the control's name for it
    Steps,   // the table of the climb's steps, its caption the control's
};

struct PlanControlDesign {
    std::string_view name;
    PlanControlKind kind;
    std::string_view caption;
    bool reading = false;  // one of the readings that measure a rate, drawn as a group of them
};

inline constexpr std::string_view kPlannerName = "Planner";
inline constexpr std::string_view kPlannerTitle = N_("Plan the climb");
// The group of the readings, which measure the rate that "Use as my rate" puts in the form.
inline constexpr std::string_view kReadingsName = "Readings";
// TRANSLATORS: heads the boxes that measure points per hour from two readings of the game's
// counter.
inline constexpr std::string_view kReadingsTitle = N_("Your rate from two readings");

inline constexpr std::array<PlanControlDesign, 14> kPlanControls = {{
    {"EarnedTextBox", PlanControlKind::Input, N_("Already earned in this level:")},
    {"SKRateTextBox", PlanControlKind::Input, N_("SK per hour from level 200:")},
    // TRANSLATORS: the game's counter of points, read once, then again some minutes later.
    {"FirstReadingTextBox", PlanControlKind::Input, N_("First reading:"), true},
    {"SecondReadingTextBox", PlanControlKind::Input, N_("Second reading:"), true},
    {"MinutesTextBox", PlanControlKind::Input, N_("Minutes between:"), true},
    {"MeasuredRateTextBox", PlanControlKind::Result, N_("Points per hour:"), true},
    // TRANSLATORS: puts the points per hour just measured into the form's rate box.
    {"UseRateButton", PlanControlKind::Button, N_("Use as my rate"), true},
    {"XPLeftTextBox", PlanControlKind::Result, N_("XP still needed:")},
    {"SKLeftTextBox", PlanControlKind::Result, N_("SK still needed:")},
    {"PlanHoursTextBox", PlanControlKind::Result, N_("Hours of play:")},
    {"PlanDaysTextBox", PlanControlKind::Result, N_("Days of play:")},
    {"ArrivalTextBox", PlanControlKind::Result, N_("Target reached on:")},
    // TRANSLATORS: names a bar chart of the hours each level of the climb takes.
    {"PlanChart", PlanControlKind::Chart, N_("Hours each level takes")},
    {"PlanSteps", PlanControlKind::Steps, N_("The climb, level by level")},
}};

// The steps' columns, in order: each step's level reached, XP or SK, points, hours, hours of play
// at its end and the day it is reached.
inline constexpr std::array<std::string_view, 6> kPlanColumns = {
    N_("Level reached"), N_("Points in"),     N_("Points"),
    N_("Hours"),         N_("Hours of play"), N_("Reached on")};

// What the kind column says: the change from XP to SK in words, on the first step it comes to.
// TRANSLATORS: keep XP and SK as they are.
inline constexpr std::string_view kXpStep = N_("XP");
// TRANSLATORS: keep SK as it is.
inline constexpr std::string_view kSkStep = N_("SK");
// TRANSLATORS: the first step that costs SK points instead of XP; keep SK as it is.
inline constexpr std::string_view kFirstSkStep = N_("SK from here on");

// What the kind column says of this step, in the language in use.
inline std::string_view StepKindText(std::span<const PlanStep> steps, std::size_t index) {
    if (steps[index].kind == PointKind::XP) {
        return Translated(kXpStep);
    }
    const bool first = index > 0 && steps[index - 1].kind == PointKind::XP;
    return Translated(first ? kFirstSkStep : kSkStep);
}

}  // namespace ranktally
