#include "form_handlers.h"

#include <optional>
#include <utility>

#include "rate_reading.h"

namespace ranktally {

FormHandlers::FormHandlers(FormWindow& window, std::string decimalSeparator)
    : window_(window),
      decimalSeparator_(std::move(decimalSeparator)),
      calculator_(window, decimalSeparator_) {}

void FormHandlers::Loaded() {
    // Laid out first, so that the window takes its size once, in the fitted scale, rather than in
    // the design's and then again.
    window_.LayOut();
    calculator_.Recalculate();
    ShowRateNote();
}

void FormHandlers::LevelOrHoursPicked() {
    calculator_.Recalculate();
}

void FormHandlers::TargetLevelPicked() {
    calculator_.TargetLevelPicked();
}

void FormHandlers::RateChanged() {
    calculator_.Recalculate();
    ShowRateNote();
}

void FormHandlers::DecimalSeparatorChanged(std::string separator) {
    // The widest figure is written in the separator, so the layout follows it before the figures
    // and the note are written anew in it.
    decimalSeparator_ = std::move(separator);
    calculator_.SetDecimalSeparator(decimalSeparator_);
    window_.LayOut();
    calculator_.Recalculate();
    ShowRateNote();
}

void FormHandlers::ShowRateNote() {
    const std::string note =
        RateReadingNote(window_.InputText(Input::Rate), decimalSeparator_).value_or("");
    if (note != shownNote_) {
        shownNote_ = note;
        window_.ShowRateNote(shownNote_);
    }
}

}  // namespace ranktally
