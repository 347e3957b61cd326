// The page's view of the form: a flat C API over the form's handlers, by the names of the form's
// controls. The script forwards each event and applies the changes it takes back; which work an
// event starts and what is new is the form's to say, so that no rule of it is written twice.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form_design.h"
#include "form_handlers.h"
#include "json_text.h"
#include "measured_rate.h"
#include "numeric_text.h"
#include "plan.h"
#include "plan_design.h"
#include "translation.h"

namespace ranktally {
namespace {

// Read from the design when this is compiled, so that a renamed control fails the build.
constexpr std::string_view kWarning = DesignOf("WarningLabel").name;
// The note has no control of its own in the design: the page shows it beside the rate box.
constexpr std::string_view kNote = "RateNote";

// Keeps what the form tells, in its order, until the script takes it: the page draws it alone.
class PageView final : public FormView {
public:
    // Each change as one text: the page element's id, a newline, the element's new text. No id
    // holds a newline, so the first one ends it.
    std::vector<std::string> changes;

    void ShowResult(Result result, std::string_view text) override {
        Keep(ControlOf(result), text);
    }
    void ShowWarning(std::string_view caption) override { Keep(kWarning, caption); }
    // The page's height follows its contents, and the browser lays it out in its own font.
    void SetOuterHeight(int) override {}
    void LayOut(std::string_view) override {}
    void ShowRateNote(std::string_view note) override { Keep(kNote, note); }
    // The note always shows beside the box and is its description, so a keyboard user meets it
    // without a balloon.
    void ShowNoteBalloon(std::string_view) override {}

private:
    void Keep(std::string_view element, std::string_view text) {
        std::string change(element);
        change += '\n';
        change += text;
        changes.push_back(std::move(change));
    }
};

PageView view;
std::optional<FormHandlers> handlers;
std::string separator = ".";
// How many of the view's changes the script has taken.
std::size_t taken = 0;

// The tags of a list of them, each ended by a newline, as the script writes navigator.languages.
std::vector<std::string> Tags(std::string_view list) {
    std::vector<std::string> tags;
    for (std::size_t end = list.find('\n'); end != std::string_view::npos; end = list.find('\n')) {
        tags.emplace_back(list.substr(0, end));
        list.remove_prefix(end + 1);
    }
    return tags;
}

// An element's id with its text, as the script puts it.
struct IdText {
    std::string_view id;
    std::string_view text;
};

// Opens a JSON object with each text by its id.
void AppendTexts(std::string& json, std::span<const IdText> texts) {
    for (std::size_t index = 0; index < texts.size(); ++index) {
        json += index == 0 ? "{\"" : ",\"";
        json += texts[index].id;
        json += "\":\"";
        AppendJsonEscaped(json, texts[index].text);
        json += '"';
    }
}

// The plan as the script draws it: each box's text by its id, the notes, whether the SK rate
// counts, the first step that costs SK, and the steps, each [level, kind, points, hours, hours of
// play, date, text for no date, hours as a number or null], with a day as ISO 8601 writes it,
// which the script hands to the browser's date format, or null.
// Appended to one string, as the longest plan is some 20 KB.
std::string PlanJson(const Plan& plan) {
    std::string json;
    json.reserve(256 + 96 * plan.steps.size());
    const auto text = [&json](std::string_view value) {
        json += '"';
        AppendJsonEscaped(json, value);
        json += '"';
    };
    const auto day = [&json](const std::optional<CivilDate>& date) {
        if (!date) {
            json += "null";
            return;
        }
        const auto two = [&json](int number) {
            json += static_cast<char>('0' + number / 10);
            json += static_cast<char>('0' + number % 10);
        };
        json += '"';
        json += std::to_string(date->year);
        json += '-';
        two(date->month);
        json += '-';
        two(date->day);
        json += '"';
    };
    const IdText boxes[] = {{"XPLeftTextBox", plan.xpLeft},
                            {"SKLeftTextBox", plan.skLeft},
                            {"PlanHoursTextBox", plan.hoursOfPlay},
                            {"PlanDaysTextBox", plan.daysOfPlay},
                            {"EarnedNote", plan.earnedNote},
                            {"SKRateNote", plan.skRateNote},
                            {"PlanNote", plan.rateNote}};
    AppendTexts(json, boxes);
    json += plan.skRateUsed ? ",\"skRateUsed\":true" : ",\"skRateUsed\":false";
    const auto firstSk =
        std::find_if(plan.steps.begin(), plan.steps.end(),
                     [](const PlanStep& step) { return step.kind == PointKind::SK; });
    json += ",\"skFrom\":" + std::to_string(firstSk - plan.steps.begin());
    json += ",\"arrival\":[";
    day(plan.arrival.date);
    json += ',';
    text(plan.arrival.text);
    json += "],\"steps\":[";
    for (std::size_t index = 0; index < plan.steps.size(); ++index) {
        const PlanStep& step = plan.steps[index];
        json += index == 0 ? "[" : ",[";
        json += std::to_string(step.level);
        for (const std::string_view value :
             {StepKindText(plan.steps, index), std::string_view(step.points),
              std::string_view(step.hours), std::string_view(step.hoursOfPlay)}) {
            json += ',';
            text(value);
        }
        json += ',';
        day(step.reached.date);
        json += ',';
        text(step.reached.text);
        json += ',';
        // A number as JSON writes it: the C locale's, with no digit grouping.
        json += step.hoursValue ? FormatGeneral(*step.hoursValue) : "null";
        json += ']';
    }
    json += "]}";
    return json;
}

// The rate the readings measure as the script draws it: each box's text and each note by its id,
// and the whole points an hour that "Use as my rate" writes, or null while there are none.
std::string MeasuredRateJson(const MeasuredRate& rate) {
    std::string json;
    const IdText boxes[] = {{"MeasuredRateTextBox", rate.pointsPerHour},
                            {"FirstReadingNote", rate.firstNote},
                            {"SecondReadingNote", rate.secondNote},
                            {"MinutesNote", rate.minutesNote},
                            {"ReadingsNote", rate.note}};
    AppendTexts(json, boxes);
    json += ",\"whole\":";
    if (rate.wholePointsPerHour) {
        json += '"' + *rate.wholePointsPerHour + '"';
    } else {
        json += "null";
    }
    return json + '}';
}

// "YYYY-MM-DD", as the script writes the user's local date.
CivilDate DateOf(std::string_view text) {
    const auto number = [text](std::size_t at, std::size_t length) {
        int value = 0;
        for (const char digit : text.substr(at, length)) {
            value = value * 10 + (digit - '0');
        }
        return value;
    };
    return {number(0, 4), number(5, 2), number(8, 2)};
}

}  // namespace
}  // namespace ranktally

using ranktally::handlers;
using ranktally::view;

extern "C" {

// Once the page's controls hold what the design starts them with; `language` is the page's own,
// which the module's catalogue holds: its texts follow the page, whatever the browser prefers.
EMSCRIPTEN_KEEPALIVE void rt_loaded(const char* decimalSeparator, const char* language) {
    ranktally::separator = decimalSeparator;
    const std::string tags[] = {language};
    ranktally::UseLanguage(ranktally::MatchLanguage(tags));
    handlers.emplace(view, decimalSeparator);
    handlers->Loaded();
}

// The control with this id reported its text; an id that names no input is no event of the form.
EMSCRIPTEN_KEEPALIVE void rt_input_changed(const char* control, const char* text) {
    const std::optional<ranktally::Input> input = ranktally::InputOf(control);
    if (input && handlers) {
        handlers->InputChanged(*input, text);
    }
}

EMSCRIPTEN_KEEPALIVE void rt_decimal_separator_changed(const char* decimalSeparator) {
    ranktally::separator = decimalSeparator;
    if (handlers) {
        handlers->DecimalSeparatorChanged(decimalSeparator);
    }
}

// The plan of the climb the form's inputs and the planner's own give, with play starting `today`
// ("YYYY-MM-DD", the user's local date), as JSON.
EMSCRIPTEN_KEEPALIVE const char* rt_plan(const char* current, const char* target, const char* hours,
                                         const char* rate, const char* earned, const char* skRate,
                                         const char* today) {
    static std::string json;
    json = ranktally::PlanJson(ranktally::MakePlan({current, target, hours, rate, earned, skRate},
                                                   ranktally::DateOf(today), ranktally::separator));
    return json.c_str();
}

// The rate two readings of the game's counter measure, `minutes` apart, as JSON.
EMSCRIPTEN_KEEPALIVE const char* rt_measure_rate(const char* first, const char* second,
                                                 const char* minutes) {
    static std::string json;
    json = ranktally::MeasuredRateJson(
        ranktally::MeasureRate({first, second, minutes}, ranktally::separator));
    return json.c_str();
}

// The tag of the language, of those the module's catalogue holds, that suits the user's languages
// best (each tag ended by a newline, the most preferred first): the same rule as every front-end's.
EMSCRIPTEN_KEEPALIVE const char* rt_language_for(const char* preferred) {
    static std::string tag;
    tag = ranktally::MatchLanguage(ranktally::Tags(preferred)).tag;
    return tag.c_str();
}

// The oldest change not yet taken; null once every change is taken.
EMSCRIPTEN_KEEPALIVE const char* rt_take_change() {
    using ranktally::taken;
    if (taken == view.changes.size()) {
        view.changes.clear();
        taken = 0;
        return nullptr;
    }
    return view.changes[taken++].c_str();
}

}  // extern "C"
