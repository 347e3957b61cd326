#include "plan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calculator.h"
#include "level_table.h"
#include "numeric_text.h"
#include "rate_reading.h"
#include "whole_points.h"

namespace ranktally {
namespace {

// What a rate leaves hours showing.
enum class Verdict { Figures, Unlimited, Overflow, Negative };

struct Rate {
    double perHour = 0;
    Verdict verdict = Verdict::Figures;
};

Rate ReadRate(std::string_view text) {
    const ParsedNumber number = ParseNumber(text);
    if (number.overflow) {
        return {number.value, Verdict::Overflow};
    }
    if (number.value == 0) {
        return {0, Verdict::Unlimited};
    }
    return {number.value, number.value < 0 ? Verdict::Negative : Verdict::Figures};
}

// A picked level, or 0 for none; the lists offer whole levels 1 to 220 only.
int Level(std::string_view text) {
    const double level = ParseNumber(text).value;
    if (!(level >= 1)) {
        return 0;
    }
    return static_cast<int>(std::min(level, double{kLevelCount}));
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

// A note of two parts, either of which may be empty.
std::string Joined(std::string first, std::string_view second) {
    if (!first.empty() && !second.empty()) {
        first += ' ';
    }
    return first += second;
}

class Planner {
public:
    Planner(const PlanInputs& inputs, CivilDate today, std::string_view decimalSeparator)
        : inputs_(inputs),
          today_(today),
          separator_(decimalSeparator),
          current_(std::max(Level(inputs.currentLevel), 1)),
          target_(Level(inputs.targetLevel)),
          hoursPerDay_(ParseNumber(inputs.hoursPerDay).value),
          formRate_(ReadRate(inputs.rate)),
          skRateGiven_(!IsBlank(inputs.skRate) && current_ < kFirstSkLevel),
          skRate_(skRateGiven_ ? ReadRate(inputs.skRate) : formRate_) {}

    Plan Make() {
        plan_.skRateUsed = current_ < kFirstSkLevel;
        if (!plan_.skRateUsed) {
            plan_.skRateNote = Translated(kSkRateNotUsed);
        } else if (!IsBlank(inputs_.skRate)) {
            plan_.skRateNote = RateReadingNote(inputs_.skRate, separator_).value_or("");
        }
        const WholePointsReading earned = ReadWholePoints(inputs_.earned, separator_);
        plan_.earnedNote = earned.note;
        if (target_ <= current_) {
            NoClimb();
        } else {
            Climb(Earned(earned));
        }
        return std::move(plan_);
    }

private:
    // What the form shows when there is nothing to climb.
    void NoClimb() {
        plan_.xpLeft = FormatGeneral(0, separator_);
        plan_.skLeft = plan_.xpLeft;
        // As the form: a negative rate divides nothing either.
        const Verdict verdict =
            formRate_.verdict == Verdict::Negative ? Verdict::Figures : formRate_.verdict;
        plan_.hoursOfPlay = Figure(verdict, 0);
        plan_.daysOfPlay = plan_.hoursOfPlay;
    }

    // The points earned toward the next level, as they count against the first step.
    double Earned(const WholePointsReading& reading) {
        const double step = LevelPoints(current_).value();
        const double earned = reading.percentBillionths
                                  ? PercentOf(*reading.percentBillionths, step)
                                  : reading.points;
        if (earned < 0) {
            plan_.earnedNote = Joined(plan_.earnedNote, Translated(kEarnedBelowZero));
            return 0;
        }
        if (earned >= step) {
            plan_.earnedNote = Joined(plan_.earnedNote, Filled(Translated(kEarnedWholeStep),
                                                               {FormatGeneral(step, separator_)}));
            return step;
        }
        return earned;
    }

    void Climb(double earned) {
        double xp = 0;
        double sk = 0;
        bool usedFormRate = false;
        bool usedSkRate = false;
        Verdict sofar = Verdict::Figures;
        double hoursOfPlay = 0;
        for (int level = current_; level < target_; ++level) {
            const PointKind kind = level < kFirstSkLevel ? PointKind::XP : PointKind::SK;
            const double points = LevelPoints(level).value() - (level == current_ ? earned : 0);
            (kind == PointKind::XP ? xp : sk) += points;
            const bool bySkRate = kind == PointKind::SK && skRateGiven_;
            const Rate& rate = bySkRate ? skRate_ : formRate_;
            (bySkRate ? usedSkRate : usedFormRate) = true;
            // Where both rates leave no figure, the form's decides.
            if (usedFormRate && formRate_.verdict != Verdict::Figures) {
                sofar = formRate_.verdict;
            } else if (usedSkRate) {
                sofar = skRate_.verdict;
            }
            hoursOfPlay = skRateGiven_ ? HoursFor(xp, formRate_) + HoursFor(sk, skRate_)
                                       : HoursFor(xp + sk, formRate_);
            const double hours = HoursFor(points, rate);
            plan_.steps.push_back(
                {level + 1, kind, FormatGeneral(points, separator_), Figure(rate.verdict, hours),
                 rate.verdict == Verdict::Figures && std::isfinite(hours) ? std::optional(hours)
                                                                          : std::nullopt,
                 Figure(sofar, hoursOfPlay),
                 sofar == Verdict::Figures ? ArrivalAt(hoursOfPlay) : Arrival{}});
        }
        plan_.xpLeft = FormatGeneral(xp, separator_);
        plan_.skLeft = FormatGeneral(sk, separator_);
        plan_.hoursOfPlay = plan_.steps.back().hoursOfPlay;
        plan_.arrival = plan_.steps.back().reached;
        // As the form divides: no hours a day never gets there.
        if (sofar == Verdict::Figures && hoursPerDay_ == 0) {
            plan_.daysOfPlay = Figure(Verdict::Unlimited, 0);
        } else {
            plan_.daysOfPlay = Figure(sofar, hoursOfPlay / hoursPerDay_);
        }
        if (sofar == Verdict::Negative) {
            plan_.rateNote = Translated(kNegativeRate);
        }
    }

    // No points take no hours, whatever the rate.
    static double HoursFor(double points, const Rate& rate) {
        return points == 0 ? 0 : points / rate.perHour;
    }

    // A figure as every figure is written, or what the rate leaves in its place.
    std::string Figure(Verdict verdict, double value) const {
        switch (verdict) {
            case Verdict::Unlimited:
                return std::string(Translated(kUnlimited));
            case Verdict::Overflow:
                return std::string(Translated(kOverflow));
            case Verdict::Negative:
                return "";
            case Verdict::Figures:
                break;
        }
        return std::isfinite(value) ? FormatGeneral(value, separator_)
                                    : std::string(Translated(kOverflow));
    }

    // Day k holds the hours of play from (k - 1) h to k h; the hours are taken as the figure the
    // user reads, at 15 digits, so that a hair above a whole hour does not start another day.
    Arrival ArrivalAt(double hoursOfPlay) const {
        if (!std::isfinite(hoursOfPlay) || !(hoursPerDay_ > 0)) {
            return {};
        }
        const double shown = ParseNumber(FormatGeneral(hoursOfPlay)).value;
        const double day = shown == 0 ? 1 : std::ceil(shown / hoursPerDay_);
        // Past some ten thousand years every day is after the year 9999.
        constexpr double kFarDays = 4e6;
        const std::optional<CivilDate> date =
            day > kFarDays ? std::nullopt : DaysAfter(today_, static_cast<std::int64_t>(day) - 1);
        if (!date) {
            return {std::nullopt, std::string(Translated(kAfterYear9999))};
        }
        return {date, ""};
    }

    const PlanInputs& inputs_;
    CivilDate today_;
    std::string_view separator_;
    int current_;
    int target_;
    double hoursPerDay_;
    Rate formRate_;
    bool skRateGiven_;
    Rate skRate_;
    Plan plan_;
};

}  // namespace

Plan MakePlan(const PlanInputs& inputs, CivilDate today, std::string_view decimalSeparator) {
    return Planner(inputs, today, decimalSeparator).Make();
}

}  // namespace ranktally
