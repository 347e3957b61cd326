#pragma once

#include <string>
#include <string_view>

namespace ranktally {

enum class Input { CurrentLevel, Rate, HoursPerDay, TargetLevel };
enum class Result { PointsNeeded, HoursNeeded, DaysNeeded };

// What the calculator needs from a window: its four input texts, three result texts, the
// warning caption and the outer height. It says nothing of how a window draws them.
class CalculatorWindow {
public:
    virtual ~CalculatorWindow() = default;

    virtual std::string InputText(Input input) const = 0;
    virtual void SetResultText(Result result, std::string_view text) = 0;
    virtual void SetWarningCaption(std::string_view caption) = 0;
    // In twips (1/1440 inch); the window turns them into its own units.
    virtual void SetOuterHeight(int twips) = 0;
};

}  // namespace ranktally
