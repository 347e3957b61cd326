#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "civil_date.h"
#include "translation.h"

namespace ranktally {

// A player's own plan of a climb, beside the form's figures, which it changes in nothing: what is
// already earned in the current level, an SK rate of the player's own past 200, and the day each
// level is reached. It reads the form's input texts as the form reads them and two of its own, is
// told which day is today, and writes figures as every figure is written; it neither draws nor
// writes a date, which follows the user's regional format in each front-end.

inline constexpr std::string_view kAfterYear9999 = N_("after the year 9999");
inline constexpr std::string_view kEarnedBelowZero =
    N_("Counted as 0: nothing earned is less than 0.");
// TRANSLATORS: %1 is the points the whole step to the next level takes.
inline constexpr std::string_view kEarnedWholeStep =
    N_("Counted as %1, the whole step to the next level.");
inline constexpr std::string_view kSkRateNotUsed =
    N_("Not used: from level 200 up, the average SK/XP per hour is the SK rate.");
inline constexpr std::string_view kNegativeRate = N_("A negative rate plans nothing.");

// The form's four input texts, and the planner's own two.
struct PlanInputs {
    std::string_view currentLevel;
    std::string_view targetLevel;
    std::string_view hoursPerDay;
    std::string_view rate;
    std::string_view earned;  // points, or a percent of the first step's
    std::string_view skRate;  // the rate from level 200 up; empty or blank when not given
};

enum class PointKind { XP, SK };

// When a level is reached: a date, or the text that stands in its place (empty, or "after the
// year 9999").
struct Arrival {
    std::optional<CivilDate> date;
    std::string text;

    friend bool operator==(const Arrival&, const Arrival&) = default;
};

// One level of the climb.
struct PlanStep {
    int level;       // the level it reaches
    PointKind kind;  // by the level it starts from: the step from 199 to 200 is XP
    std::string points;
    std::string hours;
    std::optional<double> hoursValue;  // the hours as a number, when they are a figure
    std::string hoursOfPlay;           // at its end, since the climb began
    Arrival reached;

    friend bool operator==(const PlanStep&, const PlanStep&) = default;
};

struct Plan {
    std::vector<PlanStep> steps;
    std::string xpLeft;
    std::string skLeft;
    std::string hoursOfPlay;
    std::string daysOfPlay;
    Arrival arrival;
    // How the earned points were read, or what they count as; empty when there is nothing to say.
    std::string earnedNote;
    // False when the climb starts at 200 or above, where the form's rate is the SK rate: the SK
    // rate's text then counts for nothing, and skRateNote says so.
    bool skRateUsed = true;
    std::string skRateNote;
    // Said when a rate in use is negative.
    std::string rateNote;
};

// The plan for these inputs, with play starting on `today`.
Plan MakePlan(const PlanInputs& inputs, CivilDate today, std::string_view decimalSeparator);

}  // namespace ranktally
