#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calculator_window.h"
#include "translation.h"

namespace ranktally {

inline constexpr std::string_view kWarningMessage = N_(
    "WARNING:You have selected a higher target level than 200. The numbers you will get are wrong "
    "for the SL levels, since your SK gain wont be as high as the XP gain. Reduce target lvl to "
    "200 or increase current lvl to 200.");
inline constexpr std::string_view kUnlimited = N_("Unlimited");
inline constexpr std::string_view kOverflow = N_("Overflow");
inline constexpr int kCompactHeightTwips = 2775;
inline constexpr int kExpandedHeightTwips = 3800;

// Turns a window's four input texts into its results, warning and height, keeping the values
// the window's routines share between recalculations. It neither owns nor draws the window.
class Calculator {
public:
    explicit Calculator(CalculatorWindow& window, std::string decimalSeparator = ".");

    void Recalculate();
    // A pick of the target level: the warning is cleared first when the target of the previous
    // recalculation (not the new pick) was not above 200.
    void TargetLevelPicked();

    void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

private:
    void ReadInputs();
    void ClearWarning();
    void ShowWarning();
    void Sum();
    void Publish();
    // What hours and days show when the rate leaves nothing to divide by: "Unlimited" or
    // "Overflow"; no value when they are to be computed.
    std::optional<std::string_view> RateVerdict() const;
    void PublishTimeTexts(std::string_view hours, std::string_view days);

    CalculatorWindow& window_;
    std::string decimalSeparator_;

    double currentlvl = 0;
    double targetlvl = 0;
    double hourplay = 0;
    double skperhour = 0;
    bool rateOverflowed = false;
    double hoursneeded = 0;
    std::int16_t ctemp = 0;
    double temp = 0;
};

}  // namespace ranktally
