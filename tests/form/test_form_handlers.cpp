#include "form_handlers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form_design.h"

namespace ranktally {
namespace {

// A view that logs what it is told, in the order it was told.
class FakeView : public FormView {
public:
    std::vector<std::string> log;

    void ShowResult(Result result, std::string_view text) override {
        log.push_back(std::string(kResultControls[static_cast<std::size_t>(result)]) + "=" +
                      std::string(text));
    }
    void ShowWarning(std::string_view caption) override {
        log.emplace_back(caption.empty() ? "warning hidden" : "warning shown");
    }
    void SetOuterHeight(int twips) override { log.push_back("height=" + std::to_string(twips)); }
    void LayOut(std::string_view separator) override {
        log.push_back("layout in " + std::string(separator));
    }
    void ShowRateNote(std::string_view note) override {
        log.push_back("note: " + std::string(note));
    }
    void ShowNoteBalloon(std::string_view note) override {
        log.push_back("balloon: " + std::string(note));
    }
};

// One thing the user or the desktop does to the open window.
struct Step {
    enum { Input, Focus, Separator, Font } kind;
    ranktally::Input input = ranktally::Input::Rate;
    std::string text;  // the input's text, or the new separator
    bool focused = false;
};

Step Enter(Input input, std::string text) {
    return {Step::Input, input, std::move(text)};
}
Step Focus(bool focused) {
    return {Step::Focus, Input::Rate, "", focused};
}
Step Desktop(decltype(Step::kind) kind, std::string separator = "") {
    return {kind, Input::Rate, std::move(separator)};
}

void Take(FormHandlers& handlers, const Step& step) {
    switch (step.kind) {
        case Step::Input:
            handlers.InputChanged(step.input, step.text);
            break;
        case Step::Focus:
            handlers.RateFocusChanged(step.focused);
            break;
        case Step::Separator:
            handlers.DecimalSeparatorChanged(step.text);
            break;
        case Step::Font:
            handlers.FontChanged();
            break;
    }
}

const std::string kKNote = "Read as 10: everything from \"k\" on is ignored.";

struct Row {
    const char* name;
    std::vector<Step> before;  // run after start-up, not logged
    Step step;
    std::vector<std::string> told;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class HandlersTell : public testing::TestWithParam<Row> {};

TEST_P(HandlersTell, OnlyWhatChangedInItsOrder) {
    FakeView view;
    FormHandlers handlers(view, ".");
    handlers.Loaded();
    for (const Step& step : GetParam().before) {
        Take(handlers, step);
    }
    view.log.clear();
    Take(handlers, GetParam().step);
    EXPECT_EQ(view.log, GetParam().told);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandlersTell,
    testing::Values(
        // Each input's work: the warning and the height come before the figures they frame.
        Row{"target_pick_crossing_200",
            {Enter(Input::CurrentLevel, "1")},
            Enter(Input::TargetLevel, "220"),
            {"warning shown", "height=3800", "SKNeededTextBox=2076261991",
             "HoursNeededTextBox=207626.1991", "DaysNeededTextBox=207626.1991"}},
        Row{"target_pick_back_to_200",
            {Enter(Input::CurrentLevel, "1"), Enter(Input::TargetLevel, "220")},
            Enter(Input::TargetLevel, "200"),
            {"warning hidden", "height=2775", "SKNeededTextBox=2061326950",
             "HoursNeededTextBox=206132.695", "DaysNeededTextBox=206132.695"}},
        Row{"hours_pick",
            {Enter(Input::CurrentLevel, "1"), Enter(Input::TargetLevel, "2")},
            Enter(Input::HoursPerDay, "2"),
            {"DaysNeededTextBox=0.0725"}},
        Row{"current_pick",
            {Enter(Input::TargetLevel, "10")},
            Enter(Input::CurrentLevel, "9"),
            {"SKNeededTextBox=6500", "HoursNeededTextBox=0.65", "DaysNeededTextBox=0.65"}},
        // The figures first, then how the rate was read, and the balloon while focused.
        Row{"rate_edit_with_focus",
            {Enter(Input::CurrentLevel, "1"), Enter(Input::TargetLevel, "2"), Focus(true)},
            Enter(Input::Rate, "10k"),
            {"HoursNeededTextBox=145", "DaysNeededTextBox=145", "note: " + kKNote,
             "balloon: " + kKNote}},
        // The same report again, or a note that reads the same: nothing new to tell.
        Row{"pick_reported_twice",
            {Enter(Input::CurrentLevel, "1"), Enter(Input::TargetLevel, "220")},
            Enter(Input::TargetLevel, "220"),
            {}},
        Row{"note_unchanged", {Enter(Input::Rate, "10k")}, Enter(Input::Rate, "10kx"), {}},
        Row{"nothing_to_climb", {}, Enter(Input::CurrentLevel, "5"), {}},
        // The balloon: only with the focus in the box and a note to tell.
        Row{"focus_without_note", {}, Focus(true), {}},
        Row{"focus_with_note", {Enter(Input::Rate, "10k")}, Focus(true), {"balloon: " + kKNote}},
        Row{"focus_leaves", {Enter(Input::Rate, "10k"), Focus(true)}, Focus(false), {"balloon: "}},
        Row{"note_goes_while_focused",
            {Enter(Input::Rate, "10k"), Focus(true)},
            Enter(Input::Rate, "10"),
            {"note: ", "balloon: "}},
        // The layout follows the separator before the figures and the note are written in it; the
        // height is told again after every layout.
        Row{"separator_change",
            {Enter(Input::CurrentLevel, "1"), Enter(Input::TargetLevel, "2"),
             Enter(Input::HoursPerDay, "3"), Enter(Input::Rate, "2.5x")},
            Desktop(Step::Separator, ","),
            {"layout in ,", "height=2775", "DaysNeededTextBox=193,333333333333",
             "note: Read as 2,5: \".\" is read as the decimal point; everything from \"x\" on is "
             "ignored."}},
        Row{"font_change",
            {Enter(Input::CurrentLevel, "1"), Enter(Input::TargetLevel, "220")},
            Desktop(Step::Font),
            {"layout in .", "height=3800"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormHandlers, StartUp) {
    FakeView view;
    FormHandlers handlers(view, ",");
    handlers.Loaded();
    const std::vector<std::string> told = {"layout in ,", "height=2775", "SKNeededTextBox=0",
                                           "HoursNeededTextBox=0", "DaysNeededTextBox=0"};
    EXPECT_EQ(view.log, told);
}

}  // namespace
}  // namespace ranktally
