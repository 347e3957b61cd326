#include "form_handlers.h"

#include <utility>

#include "form_design.h"
#include "rate_reading.h"

namespace ranktally {

FormHandlers::FormHandlers(FormView& view, std::string decimalSeparator)
    : view_(view),
      decimalSeparator_(std::move(decimalSeparator)),
      calculator_(*this, decimalSeparator_) {
    for (const Input input : kInputs) {
        inputs_[static_cast<std::size_t>(input)] = StartingText(input);
    }
}

void FormHandlers::Loaded() {
    // Laid out first, so that the window takes its size once, in the fitted scale, rather than in
    // the design's and then again.
    LayOut();
    calculator_.Recalculate();
    ShowRateNote();
}

void FormHandlers::InputChanged(Input input, std::string_view text) {
    inputs_[static_cast<std::size_t>(input)] = text;
    switch (input) {
        case Input::TargetLevel:
            calculator_.TargetLevelPicked();
            break;
        case Input::Rate:
            calculator_.Recalculate();
            ShowRateNote();
            break;
        case Input::CurrentLevel:
        case Input::HoursPerDay:
            calculator_.Recalculate();
            break;
    }
}

void FormHandlers::RateFocusChanged(bool focused) {
    rateFocused_ = focused;
    ShowNoteBalloon();
}

void FormHandlers::DecimalSeparatorChanged(std::string separator) {
    // The widest figure is written in the separator, so the layout follows it before the figures
    // and the note are written anew in it.
    decimalSeparator_ = std::move(separator);
    calculator_.SetDecimalSeparator(decimalSeparator_);
    LayOut();
    calculator_.Recalculate();
    ShowRateNote();
}

void FormHandlers::FontChanged() {
    LayOut();
}

void FormHandlers::LayOut() {
    view_.LayOut(decimalSeparator_);
    view_.SetOuterHeight(heightTwips_);
}

void FormHandlers::ShowRateNote() {
    std::string note =
        RateReadingNote(inputs_[static_cast<std::size_t>(Input::Rate)], decimalSeparator_)
            .value_or("");
    if (note != note_) {
        note_ = std::move(note);
        view_.ShowRateNote(note_);
    }
    ShowNoteBalloon();
}

void FormHandlers::ShowNoteBalloon() {
    // Only while the box has the keyboard focus, and only with something to tell.
    const std::string_view wanted = rateFocused_ ? std::string_view(note_) : std::string_view();
    if (wanted != balloon_) {
        balloon_ = wanted;
        view_.ShowNoteBalloon(balloon_);
    }
}

std::string FormHandlers::InputText(Input input) const {
    return inputs_[static_cast<std::size_t>(input)];
}

void FormHandlers::SetResultText(Result result, std::string_view text) {
    // A rewrite of the same text would reach a screen reader as new text, and drop the user's
    // selection in the box.
    std::string& shown = results_[static_cast<std::size_t>(result)];
    if (shown != text) {
        shown = text;
        view_.ShowResult(result, shown);
    }
}

void FormHandlers::SetWarningCaption(std::string_view caption) {
    if (warning_ != caption) {
        warning_ = caption;
        view_.ShowWarning(warning_);
    }
}

void FormHandlers::SetOuterHeight(int twips) {
    if (heightTwips_ != twips) {
        heightTwips_ = twips;
        view_.SetOuterHeight(heightTwips_);
    }
}

}  // namespace ranktally
