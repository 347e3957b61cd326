#include "calculator.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "level_table.h"
#include "numeric_text.h"

namespace ranktally {

Calculator::Calculator(CalculatorWindow& window, std::string decimalSeparator)
    : window_(window), decimalSeparator_(std::move(decimalSeparator)) {}

void Calculator::ReadInputs() {
    currentlvl = ParseNumber(window_.InputText(Input::CurrentLevel)).value;
    const ParsedNumber rate = ParseNumber(window_.InputText(Input::Rate));
    skperhour = rate.value;
    rateOverflowed = rate.overflow;
    hourplay = ParseNumber(window_.InputText(Input::HoursPerDay)).value;
    targetlvl = ParseNumber(window_.InputText(Input::TargetLevel)).value;
}

void Calculator::TargetLevelPicked() {
    if (targetlvl < kFirstSkLevel + 1) {
        ClearWarning();
    }
    Recalculate();
}

void Calculator::ClearWarning() {
    window_.SetWarningCaption("");
    window_.SetOuterHeight(kCompactHeightTwips);
}

void Calculator::ShowWarning() {
    window_.SetWarningCaption(Translated(kWarningMessage));
    window_.SetOuterHeight(kExpandedHeightTwips);
}

void Calculator::PublishTimeTexts(std::string_view hours, std::string_view days) {
    window_.SetResultText(Result::HoursNeeded, hours);
    window_.SetResultText(Result::DaysNeeded, days);
}

std::optional<std::string_view> Calculator::RateVerdict() const {
    if (rateOverflowed) {
        return Translated(kOverflow);
    }
    if (skperhour == 0) {
        return Translated(kUnlimited);
    }
    return std::nullopt;
}

void Calculator::Recalculate() {
    ReadInputs();
    if (currentlvl >= targetlvl) {
        window_.SetResultText(Result::PointsNeeded, "0");
        const std::string_view time = RateVerdict().value_or("0");
        PublishTimeTexts(time, time);
        ClearWarning();
        return;
    }
    temp = 0;
    // The lists offer levels 1 to 220 only; a level outside the table sums the part of the climb
    // that lies inside it. Clamped, the level always fits a 16-bit integer.
    ctemp = RoundToInt16(std::clamp(currentlvl, 0.0, double{kLevelCount})).value_or(0);
    // Both tests run, in this order: a level strictly between 199 and 200 passes both, and the
    // second sum then adds nothing to the first and leaves the warning hidden.
    if (currentlvl < kFirstSkLevel) {
        if (targetlvl > kFirstSkLevel) {
            ShowWarning();
        }
        if (targetlvl < kFirstSkLevel + 1) {
            ClearWarning();
        }
        Sum();
        Publish();
    }
    if (currentlvl > kFirstSkLevel - 1) {
        ClearWarning();
        Sum();
        Publish();
    }
}

void Calculator::Sum() {
    // Level by level, the climb would stop at the first whole level not below the target, or at
    // the top of the table; sums of whole points are exact, so it goes there in one step.
    const double stop =
        std::clamp(std::ceil(targetlvl), static_cast<double>(ctemp), double{kLevelCount});
    const int end = static_cast<int>(stop);
    temp = PointsBetween(ctemp, end).value() + temp;
    ctemp = static_cast<std::int16_t>(end);
}

void Calculator::Publish() {
    window_.SetResultText(Result::PointsNeeded, FormatGeneral(temp, decimalSeparator_));
    // The points follow the levels whatever the rate; only hours and days depend on it.
    if (const std::optional<std::string_view> verdict = RateVerdict()) {
        PublishTimeTexts(*verdict, *verdict);
        return;
    }
    hoursneeded = temp / skperhour;
    if (!std::isfinite(hoursneeded)) {
        PublishTimeTexts(Translated(kOverflow), Translated(kOverflow));
        return;
    }
    window_.SetResultText(Result::HoursNeeded, FormatGeneral(hoursneeded, decimalSeparator_));
    // No hours a day never gets there; a tiny number of hours a day can leave the double range.
    std::string days;
    if (hourplay == 0) {
        days = Translated(kUnlimited);
    } else {
        const double daysNeeded = hoursneeded / hourplay;
        days = std::isfinite(daysNeeded) ? FormatGeneral(daysNeeded, decimalSeparator_)
                                         : std::string(Translated(kOverflow));
    }
    window_.SetResultText(Result::DaysNeeded, days);
}

}  // namespace ranktally
