// Writes the page from its template and the form's design, at build time. A place in the template
// is a name between two "@": @NAME@ takes the text of the design's control NAME (@Form1@ the
// window's title), @NAME:options@ the entries of the list NAME. A place the design does not know
// fails the build, and so does a text of the design the template has no place for, so that the
// two never drift apart. Run under node with the real file system: make_page TEMPLATE OUTPUT
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "form_design.h"

namespace ranktally {
namespace {

constexpr std::string_view kTitle = "Form1";
// The page's own texts, beside the form's.
constexpr std::string_view kDescription =
    N_("How many points, hours and days a climb from one level to another takes.");
constexpr std::string_view kNeedsScript =
    N_("Ranktally needs JavaScript and WebAssembly to calculate.");
// The same words as the desktop entry's generic name, after the program's name in the title.
constexpr std::string_view kKindOfProgram = N_("Level Climb Calculator");
// TRANSLATORS: names the list of the page's languages at its foot, for screen readers.
constexpr std::string_view kLanguageList = N_("Languages");
constexpr std::string_view kOptions = ":options";

// Every text the page shows from the design, by its name there: the one place a translation's
// table would stand in.
std::string_view Text(std::string_view name) {
    return name == kTitle ? kWindowTitle : DesignOf(name).text;
}

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

std::string Options(const SelectorDesign& selector) {
    std::string html;
    // Nothing is picked until the user picks, as in the desktop windows.
    if (selector.startingPick == kNothingPicked) {
        html += "<option value=\"\" disabled selected></option>";
    }
    int index = 0;
    for (const std::string& entry : ListEntries(selector)) {
        html += index++ == selector.startingPick ? "<option selected>" : "<option>";
        html += Escaped(entry) + "</option>";
    }
    return html;
}

// What fills the place with this name; nothing for a name the design does not know.
std::optional<std::string> Filling(std::string_view place) {
    if (place.ends_with(kOptions)) {
        const std::string_view list = place.substr(0, place.size() - kOptions.size());
        for (const SelectorDesign& selector : kSelectors) {
            if (selector.name == list) {
                return Options(selector);
            }
        }
        return std::nullopt;
    }
    if (place == kTitle) {
        return Escaped(Text(place));
    }
    for (const ControlDesign& control : kForm1Controls) {
        if (control.name == place) {
            return Escaped(Text(place));
        }
    }
    return std::nullopt;
}

// The places the page must have: the title, every text the design gives a control, every list.
std::set<std::string> NeededPlaces() {
    std::set<std::string> needed = {std::string(kTitle)};
    for (const ControlDesign& control : kForm1Controls) {
        if (!control.text.empty()) {
            needed.emplace(control.name);
        }
    }
    for (const SelectorDesign& selector : kSelectors) {
        needed.insert(std::string(selector.name) + std::string(kOptions));
    }
    return needed;
}

// The template with every place filled; nothing, with the reasons told, when it cannot be.
std::optional<std::string> Filled(std::string_view page) {
    std::string filled;
    std::set<std::string> unfilled = NeededPlaces();
    bool whole = true;
    std::size_t from = 0;
    for (std::size_t at = page.find('@'); at != std::string_view::npos; at = page.find('@', from)) {
        const std::size_t end = page.find('@', at + 1);
        if (end == std::string_view::npos) {
            std::cerr << "make_page: an \"@\" that opens no place\n";
            return std::nullopt;
        }
        const std::string_view place = page.substr(at + 1, end - at - 1);
        filled += page.substr(from, at - from);
        if (const std::optional<std::string> filling = Filling(place)) {
            filled += *filling;
            unfilled.erase(std::string(place));
        } else {
            std::cerr << "make_page: the design has nothing for the place @" << place << "@\n";
            whole = false;
        }
        from = end + 1;
    }
    filled += page.substr(from);
    for (const std::string& place : unfilled) {
        std::cerr << "make_page: the template has no place @" << place << "@\n";
        whole = false;
    }
    return whole ? std::optional(filled) : std::nullopt;
}

}  // namespace
}  // namespace ranktally

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_page TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        std::cerr << "make_page: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::optional<std::string> filled = ranktally::Filled(page);
    if (!filled) {
        return 1;
    }
    std::ofstream out(argv[2]);
    out << *filled;
    return out ? 0 : 1;
}
