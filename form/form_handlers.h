#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calculator.h"
#include "calculator_window.h"

namespace ranktally {

// What a front-end draws of the form, told only as it changes: each front-end draws it its own
// way and decides none of it.
class FormView {
public:
    virtual ~FormView() = default;

    virtual void ShowResult(Result result, std::string_view text) = 0;
    // The warning's caption; empty while it is hidden.
    virtual void ShowWarning(std::string_view caption) = 0;
    // In twips (1/1440 inch). Told as it changes, and again after every layout: the same twips
    // then give other pixels.
    virtual void SetOuterHeight(int twips) = 0;
    // Fits the design anew to the window's font and to the decimal separator figures are written
    // in; the outer height is told next.
    virtual void LayOut(std::string_view decimalSeparator) = 0;
    // How the rate text was read, for the marker beside the rate box, its hover text and a screen
    // reader; empty when there is nothing to say. Told once for each new note, so that a screen
    // reader hears it once.
    virtual void ShowRateNote(std::string_view note) = 0;
    // The note in a balloon by the rate box, for a keyboard user who never hovers; empty hides it.
    virtual void ShowNoteBalloon(std::string_view note) = 0;
};

// The work behind each of the form's handlers, in its order, the same for every front-end: the
// inputs as last reported, what the view shows, the calculator, the decimal separator in use. It
// neither fills, places nor draws a control.
class FormHandlers : private CalculatorWindow {
public:
    // The inputs start as the design has them when the window opens.
    FormHandlers(FormView& view, std::string decimalSeparator);

    // Once the window's lists are filled and their starting entries picked.
    void Loaded();
    // An input's control reported its text: a pick, even of the entry already shown, or an edit
    // of the rate. The same report twice tells the view nothing new.
    void InputChanged(Input input, std::string_view text);
    void RateFocusChanged(bool focused);
    void DecimalSeparatorChanged(std::string separator);
    // The window's font or its DPI changed.
    void FontChanged();

private:
    // What the calculator reads and writes, kept here so that the view hears only of changes.
    std::string InputText(Input input) const override;
    void SetResultText(Result result, std::string_view text) override;
    void SetWarningCaption(std::string_view caption) override;
    void SetOuterHeight(int twips) override;

    void LayOut();
    void ShowRateNote();
    void ShowNoteBalloon();

    FormView& view_;
    std::string decimalSeparator_;
    std::array<std::string, 4> inputs_;
    std::array<std::string, 3> results_;
    std::string warning_;
    int heightTwips_ = kCompactHeightTwips;
    std::string note_;
    std::string balloon_;
    bool rateFocused_ = false;
    Calculator calculator_;
};

}  // namespace ranktally
