#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "form_design.h"
#include "plan.h"
#include "plan_design.h"

namespace ranktally {

// The plan window of the desktop, as it was designed in twips: the planner's controls placed for
// the form's fitting rule, which scales it as it scales the form. What each control is, and its
// caption, the planner's description says; this places them and nothing else.

// TRANSLATORS: the plan window's title; keep Ranktally as it is.
inline constexpr std::string_view kPlanWindowTitle = N_("Ranktally – Plan");

inline constexpr int kPlanClientWidthTwips = 7740;
inline constexpr int kPlanClientHeightTwips = 5910;

// The caption the planner's description gives this control.
constexpr std::string_view PlanCaption(std::string_view name) {
    for (const PlanControlDesign& control : kPlanControls) {
        if (control.name == name) {
            return control.caption;
        }
    }
    throw std::out_of_range("no control of the planner is named " + std::string(name));
}

namespace plan_rows {
// The boxes stand in rows, 330 twips apart, as the form's do.
constexpr int Top(int row) {
    return 105 + 330 * row;
}
// Two columns of a caption and a box each, 120 twips in from either edge.
constexpr int kMargin = 120;
constexpr int kRight = kPlanClientWidthTwips - kMargin;
constexpr int kLeftCaption = kMargin;
constexpr int kLeftBox = 2620;
constexpr int kRightCaption = 4320;
constexpr int kRightBox = 6203;
constexpr int kBoxWidth = 1417;
constexpr int kBoxHeight = 285;
constexpr int kCaptionHeight = 221;
constexpr int kArrivalTop = 2190;
constexpr int kNoteTop = 2550;
constexpr int kStepsTop = 2850;
constexpr int kTableTop = kStepsTop + kCaptionHeight + 30;
}  // namespace plan_rows

// In the order they are created and tabbed through, each caption just before the control it
// names: the planner's own inputs, the readings, the figures of the plan, then its steps.
inline constexpr std::array<ControlDesign, 27> kPlanFormControls = [] {
    using namespace plan_rows;
    const auto caption = [](std::string_view name, std::string_view box, int left, int row) {
        const int width = (left == kLeftCaption ? kLeftBox : kRightBox) - left;
        return ControlDesign{
            name, ControlKind::Caption, {left, Top(row), width, kCaptionHeight}, PlanCaption(box)};
    };
    const auto box = [](std::string_view name, ControlKind kind, int left, int row) {
        return ControlDesign{name, kind, {left, Top(row), kBoxWidth, kBoxHeight}, ""};
    };
    return std::array<ControlDesign, 27>{{
        caption("EarnedLabel", "EarnedTextBox", kLeftCaption, 0),
        box("EarnedTextBox", ControlKind::RateBox, kLeftBox, 0),
        caption("SKRateLabel", "SKRateTextBox", kLeftCaption, 1),
        box("SKRateTextBox", ControlKind::RateBox, kLeftBox, 1),
        {kReadingsName,
         ControlKind::Heading,
         {kRightCaption, Top(0), kRight - kRightCaption, kCaptionHeight},
         kReadingsTitle},
        caption("FirstReadingLabel", "FirstReadingTextBox", kRightCaption, 1),
        box("FirstReadingTextBox", ControlKind::RateBox, kRightBox, 1),
        caption("SecondReadingLabel", "SecondReadingTextBox", kRightCaption, 2),
        box("SecondReadingTextBox", ControlKind::RateBox, kRightBox, 2),
        caption("MinutesLabel", "MinutesTextBox", kRightCaption, 3),
        box("MinutesTextBox", ControlKind::RateBox, kRightBox, 3),
        caption("MeasuredRateLabel", "MeasuredRateTextBox", kRightCaption, 4),
        box("MeasuredRateTextBox", ControlKind::ResultBox, kRightBox, 4),
        // As wide as the group, for the languages that say it at length.
        {"UseRateButton",
         ControlKind::Button,
         {kRightCaption, Top(5), kRight - kRightCaption, kArrivalTop - 30 - Top(5)},
         PlanCaption("UseRateButton")},
        caption("XPLeftLabel", "XPLeftTextBox", kLeftCaption, 2),
        box("XPLeftTextBox", ControlKind::ResultBox, kLeftBox, 2),
        caption("SKLeftLabel", "SKLeftTextBox", kLeftCaption, 3),
        box("SKLeftTextBox", ControlKind::ResultBox, kLeftBox, 3),
        caption("PlanHoursLabel", "PlanHoursTextBox", kLeftCaption, 4),
        box("PlanHoursTextBox", ControlKind::ResultBox, kLeftBox, 4),
        caption("PlanDaysLabel", "PlanDaysTextBox", kLeftCaption, 5),
        box("PlanDaysTextBox", ControlKind::ResultBox, kLeftBox, 5),
        {"ArrivalLabel",
         ControlKind::Caption,
         {kLeftCaption, kArrivalTop, kLeftBox - kLeftCaption, kCaptionHeight},
         PlanCaption("ArrivalTextBox")},
        {"ArrivalTextBox",
         ControlKind::DateBox,
         {kLeftBox, kArrivalTop, kRight - kLeftBox, kBoxHeight},
         ""},
        // The note of the whole plan, which names no box: a negative rate's.
        {"PlanNoteLabel",
         ControlKind::Notice,
         {kMargin, kNoteTop, kRight - kMargin, kStepsTop - 45 - kNoteTop},
         kNegativeRate},
        {"PlanStepsLabel",
         ControlKind::Caption,
         {kMargin, kStepsTop, kRight - kMargin, kCaptionHeight},
         PlanCaption("PlanSteps")},
        {"PlanSteps",
         ControlKind::Table,
         {kMargin, kTableTop, kRight - kMargin, kPlanClientHeightTwips - kMargin - kTableTop},
         ""},
    }};
}();

}  // namespace ranktally
