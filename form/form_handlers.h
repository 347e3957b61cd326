#pragma once

#include <string>
#include <string_view>

#include "calculator.h"
#include "calculator_window.h"

namespace ranktally {

// What the form's handlers need of a window beyond the calculator's texts.
class FormWindow : public CalculatorWindow {
public:
    // Fits the design anew to the window's font and the decimal separator now in use.
    virtual void LayOut() = 0;
    // How the rate text was read, to show beside the rate box; empty when there is nothing to say.
    // Called only when the note changes, so that a screen reader hears each note once.
    virtual void ShowRateNote(std::string_view note) = 0;
};

// The work behind each of the form's handlers, in its order, the same for every front-end: the
// calculator, the decimal separator in use and the rate note last shown. It neither fills, places
// nor draws a control.
class FormHandlers {
public:
    FormHandlers(FormWindow& window, std::string decimalSeparator);

    // Once the lists are filled and their starting entries picked.
    void Loaded();
    void LevelOrHoursPicked();
    void TargetLevelPicked();
    void RateChanged();
    void DecimalSeparatorChanged(std::string separator);

    const std::string& DecimalSeparator() const { return decimalSeparator_; }

private:
    void ShowRateNote();

    FormWindow& window_;
    std::string decimalSeparator_;
    Calculator calculator_;
    std::string shownNote_;
};

}  // namespace ranktally
