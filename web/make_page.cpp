// Writes the page from its template and the form's design, at build time: captions in their order,
// every list entry and starting pick, the rate's starting text, the window's title. Run under node
// with the real file system: make_page TEMPLATE OUTPUT
#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "form_design.h"

namespace ranktally {
namespace {

// The names the page's link gives each input, in the order of the calculator's Input; links
// carry them, so they never change.
constexpr std::array<std::string_view, 4> kLinkNames = {"current", "rate", "hours", "target"};

// Texts from the design are plain; only these characters could be taken for markup.
std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// The place of the control with this name among the calculator's inputs or results; -1 for none.
template <std::size_t N>
int IndexIn(const std::array<std::string_view, N>& names, std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

std::string Selector(const ControlDesign& control) {
    const int input = IndexIn(kInputControls, control.name);
    std::ostringstream html;
    html << "<select id=\"" << control.name << "\" name=\"" << kLinkNames[std::size_t(input)]
         << "\" data-input=\"" << input << "\">";
    for (const SelectorDesign& selector : kSelectors) {
        if (selector.name != control.name) {
            continue;
        }
        // Nothing is picked until the user picks, as in the desktop windows.
        if (selector.startingPick == kNothingPicked) {
            html << "<option value=\"\" disabled selected></option>";
        }
        int index = 0;
        for (const std::string& entry : ListEntries(selector)) {
            html << "<option" << (index++ == selector.startingPick ? " selected>" : ">")
                 << Escaped(entry) << "</option>";
        }
    }
    html << "</select>";
    return html.str();
}

std::string Control(const ControlDesign& control) {
    const std::string name(control.name);
    switch (control.kind) {
        case ControlKind::Selector:
            return Selector(control);
        case ControlKind::RateBox: {
            const int input = IndexIn(kInputControls, control.name);
            return "<span class=\"rate\"><input id=\"" + name + "\" name=\"" +
                   std::string(kLinkNames[std::size_t(input)]) + "\" data-input=\"" +
                   std::to_string(input) + "\" value=\"" + Escaped(control.text) +
                   "\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\" "
                   "aria-describedby=\"RateNote\"><span id=\"RateNote\" class=\"note\" "
                   "aria-live=\"polite\"></span></span>";
        }
        case ControlKind::ResultBox:
            return "<input id=\"" + name + "\" class=\"result\" data-result=\"" +
                   std::to_string(IndexIn(kResultControls, control.name)) + "\" readonly>";
        case ControlKind::Warning:
            return "<p id=\"" + name + "\" class=\"warning\" role=\"status\"></p>";
        case ControlKind::Credit:
            return "<p id=\"" + name + "\" class=\"credit\">" + Escaped(control.text) + "</p>";
        case ControlKind::Caption:
            break;
    }
    return {};
}

// Each caption with the control it names, in the design's order; the credit stands apart.
std::string Form() {
    std::ostringstream html;
    for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
        const ControlDesign& control = kForm1Controls[index];
        if (control.kind == ControlKind::Caption) {
            const ControlDesign& named = kForm1Controls[index + 1];
            html << "<div class=\"row\"><label for=\"" << named.name << "\">"
                 << Escaped(control.text) << "</label>" << Control(named) << "</div>\n";
            ++index;
        } else if (control.kind != ControlKind::Credit) {
            html << Control(control) << "\n";
        }
    }
    return html.str();
}

void Replace(std::string& text, std::string_view placeholder, const std::string& with) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + with.size())) {
        text.replace(at, placeholder.size(), with);
    }
}

}  // namespace
}  // namespace ranktally

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_page TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        std::cerr << "make_page: cannot read " << argv[1] << "\n";
        return 1;
    }
    ranktally::Replace(page, "@TITLE@", std::string(ranktally::kWindowTitle));
    ranktally::Replace(page, "@FORM@", ranktally::Form());
    ranktally::Replace(page, "@CREDIT@", ranktally::Control(ranktally::DesignOf("Label1")));
    std::ofstream out(argv[2]);
    out << page;
    return out ? 0 : 1;
}
