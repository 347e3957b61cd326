// The page's window: a flat C API over the form's handlers, so that the page's script forwards
// events and applies texts and knows no rule of the calculator.
#include <emscripten/emscripten.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "form_handlers.h"

namespace ranktally {
namespace {

// What the page shows, held for the script to read after each event; it draws nothing.
class PageWindow : public FormWindow {
public:
    std::array<std::string, 4> inputs;
    std::array<std::string, 3> results;
    std::string warning;
    std::string note;

    std::string InputText(Input input) const override {
        return inputs[static_cast<std::size_t>(input)];
    }
    void SetResultText(Result result, std::string_view text) override {
        results[static_cast<std::size_t>(result)] = text;
    }
    void SetWarningCaption(std::string_view caption) override { warning = caption; }
    // The page's height follows its contents.
    void SetOuterHeight(int) override {}
    // The page lays itself out.
    void LayOut() override {}
    void ShowRateNote(std::string_view text) override { note = text; }
};

PageWindow page;
std::unique_ptr<FormHandlers> handlers;

}  // namespace
}  // namespace ranktally

using ranktally::handlers;
using ranktally::page;

extern "C" {

// The inputs, in the order of the calculator's Input: current level, rate, hours, target level.
EMSCRIPTEN_KEEPALIVE void rt_set_input(int input, const char* text) {
    if (input >= 0 && input < static_cast<int>(page.inputs.size())) {
        page.inputs[static_cast<std::size_t>(input)] = text;
    }
}

// Once the inputs hold what the page shows when it opens.
EMSCRIPTEN_KEEPALIVE void rt_loaded(const char* decimalSeparator) {
    handlers = std::make_unique<ranktally::FormHandlers>(page, decimalSeparator);
    handlers->Loaded();
}

EMSCRIPTEN_KEEPALIVE void rt_level_or_hours_picked() {
    handlers->LevelOrHoursPicked();
}

EMSCRIPTEN_KEEPALIVE void rt_target_level_picked() {
    handlers->TargetLevelPicked();
}

EMSCRIPTEN_KEEPALIVE void rt_rate_changed() {
    handlers->RateChanged();
}

EMSCRIPTEN_KEEPALIVE void rt_decimal_separator_changed(const char* decimalSeparator) {
    handlers->DecimalSeparatorChanged(decimalSeparator);
}

// The results, in the order of the calculator's Result: points, hours, days.
EMSCRIPTEN_KEEPALIVE const char* rt_result(int result) {
    if (result < 0 || result >= static_cast<int>(page.results.size())) {
        return "";
    }
    return page.results[static_cast<std::size_t>(result)].c_str();
}

// Empty while the warning is hidden.
EMSCRIPTEN_KEEPALIVE const char* rt_warning() {
    return page.warning.c_str();
}

// Empty while there is nothing to say of how the rate was read.
EMSCRIPTEN_KEEPALIVE const char* rt_rate_note() {
    return page.note.c_str();
}

}  // extern "C"
