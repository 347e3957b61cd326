// Writes one language's page and its web app manifest from their templates and the form's design,
// at build time; it decides no layout, and the module, not this, translates what the page shows
// later. A place in a template is a name between two "@": @NAME@ takes the text of the design's
// control NAME (@Form1@ the window's title), @NAME:options@ the entries of the list NAME, and the
// page's own places are those of PagePlace below. A place nothing fills fails the build, and so
// does a text of the design the page's template has no place for, so that the two never drift
// apart. Run under node with the real file system:
//   make_page SITE_URL PAGE PAGE_TEMPLATE PAGE_OUTPUT MANIFEST_TEMPLATE MANIFEST_OUTPUT
// SITE_URL is the site's address, ending in "/"; PAGE is the language tag of a page in the folder
// of that name, or "." for the English page at the site's root.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "form_design.h"
#include "json_text.h"
#include "plan_design.h"

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

// The page's texts its script shows, by the places the template has for them.
struct ScriptText {
    std::string_view place;
    std::string_view text;
};
constexpr ScriptText kScriptTexts[] = {
    {"copy-link", N_("Copy link")},
    // TRANSLATORS: what a screen reader says, and the page shows, once the link is copied.
    {"link-copied", N_("Link copied.")},
    {"link-not-copied", N_("The link could not be copied.")},
    // TRANSLATORS: a button that opens the system's share sheet with the page's link.
    {"share", N_("Share")},
    // TRANSLATORS: a bar at the foot of a small screen, while the warning is below it.
    {"warning-below", N_("See the warning below")},
    {"update", N_("A new version is ready.")},
    // TRANSLATORS: the button beside "A new version is ready.", which loads it.
    {"reload", N_("Reload")},
    {"no-wasm", N_("This browser cannot run WebAssembly, which Ranktally needs to calculate.")},
    {"not-loaded",
     N_("Ranktally could not load its calculator. Check the connection and reload the page.")},
    // TRANSLATORS: a checkbox; the inputs are the levels, hours, rates and points typed in.
    {"remember", N_("Remember my inputs on this device")},
    {"not-kept", N_("This browser keeps nothing for this page, so nothing can be remembered.")},
};
constexpr std::string_view kOptions = ":options";
constexpr std::string_view kColumns = ":columns";
// The chart's mark where the points change to SK.
constexpr std::string_view kChange = ":change";
constexpr std::string_view kRootPage = ".";

// The page being written: its language, and where it stands in the site.
struct Page {
    const Language& language;
    bool atRoot;  // the English page that sends a browser preferring another language on
    std::string_view siteUrl;
};

// Texts from the design are plain; only these characters could be taken for markup.
std::string HtmlEscaped(std::string_view text) {
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

// How a template's kind writes a text, and the places it must have.
struct Format {
    std::string (*escaped)(std::string_view);
    std::set<std::string> needed;
};

std::string Options(const SelectorDesign& selector) {
    std::string html;
    // Nothing is picked until the user picks, as in the desktop windows.
    if (selector.startingPick == kNothingPicked) {
        html += "<option value=\"\" disabled selected></option>";
    }
    int index = 0;
    for (const std::string& entry : ListEntries(selector)) {
        html += index++ == selector.startingPick ? "<option selected>" : "<option>";
        html += HtmlEscaped(entry) + "</option>";
    }
    return html;
}

// From this page to the site's root, where the files every page shares stand.
std::string_view ToRoot(const Page& page) {
    return page.atRoot ? "" : "../";
}

// The addresses search engines are told of: every shipped language's page, and the root for a
// browser none of them suits.
std::string Alternates(const Page& page) {
    std::string html;
    for (const Language& language : Languages()) {
        if (language.shipped) {
            html += "<link rel=\"alternate\" hreflang=\"" + std::string(language.tag) +
                    "\" href=\"" + HtmlEscaped(page.siteUrl) + std::string(language.tag) + "/\">\n";
        }
    }
    return html + "<link rel=\"alternate\" hreflang=\"x-default\" href=\"" +
           HtmlEscaped(page.siteUrl) + "\">";
}

// The list at the page's foot: each shipped language by its own name and in its own language. The
// page's language is the current one; it is this very page except at the root, whose English
// link leads to en/, the English page that never sends anyone on.
std::string LanguageLinks(const Page& page) {
    std::string html;
    for (const Language& language : Languages()) {
        if (!language.shipped) {
            continue;
        }
        const std::string tag(language.tag);
        html += "<li><a href=\"" + std::string(ToRoot(page)) + tag + "/\" hreflang=\"" + tag +
                "\" lang=\"" + tag + "\"";
        if (&language == &page.language) {
            html += page.atRoot ? " aria-current=\"true\"" : " aria-current=\"page\"";
        }
        html += ">" + HtmlEscaped(OwnName(language)) + "</a></li>";
    }
    return html;
}

// What fills the page's own places, already in the template's form; nothing for another name.
std::optional<std::string> PagePlace(std::string_view place, const Page& page,
                                     const Format& format) {
    if (place == "lang") {
        return std::string(page.language.tag);
    }
    if (place == "title") {
        return format.escaped(std::string(kWindowTitle) + " – " +
                              std::string(Translated(kKindOfProgram)));
    }
    if (place == "description") {
        return format.escaped(Translated(kDescription));
    }
    if (place == "needs") {
        return format.escaped(Translated(kNeedsScript));
    }
    if (place == "root") {
        return std::string(ToRoot(page));
    }
    // The root's page loads the English page's module.
    if (place == "module") {
        return page.atRoot ? "en/" : "";
    }
    for (const ScriptText& script : kScriptTexts) {
        if (place == script.place) {
            return format.escaped(Translated(script.text));
        }
    }
    // Marks the root page, the one that sends a browser on to the language it prefers.
    if (place == "picks") {
        return page.atRoot ? " data-picks-language" : "";
    }
    if (place == "alternates") {
        return Alternates(page);
    }
    if (place == "language-list") {
        return format.escaped(Translated(kLanguageList));
    }
    if (place == "languages") {
        return LanguageLinks(page);
    }
    return std::nullopt;
}

// What fills the place with this name; nothing for a name neither the page nor the design knows.
std::optional<std::string> Filling(std::string_view place, const Page& page, const Format& format) {
    if (std::optional<std::string> own = PagePlace(place, page, format)) {
        return own;
    }
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
        return format.escaped(kWindowTitle);
    }
    if (place == kPlannerName) {
        return format.escaped(Translated(kPlannerTitle));
    }
    if (place == kReadingsName) {
        return format.escaped(Translated(kReadingsTitle));
    }
    for (const PlanControlDesign& control : kPlanControls) {
        if (control.name == place) {
            return format.escaped(Translated(control.caption));
        }
        if (control.kind == PlanControlKind::Chart &&
            place == std::string(control.name) + std::string(kChange)) {
            return format.escaped(Translated(kSkStep));
        }
        if (control.kind == PlanControlKind::Steps &&
            place == std::string(control.name) + std::string(kColumns)) {
            std::string html;
            for (const std::string_view column : kPlanColumns) {
                html += "<th scope=\"col\">" + format.escaped(Translated(column)) + "</th>";
            }
            return html;
        }
    }
    for (const ControlDesign& control : kForm1Controls) {
        if (control.name == place) {
            return format.escaped(Translated(control.text));
        }
    }
    return std::nullopt;
}

// The places the page must have: its own texts and links, the title, every text the design gives
// a control, every list.
std::set<std::string> PagePlaces() {
    std::set<std::string> needed = {
        std::string(kTitle), "lang",          "title",     "description", "needs", "root", "picks",
        "alternates",        "language-list", "languages", "module"};
    for (const ScriptText& script : kScriptTexts) {
        needed.emplace(script.place);
    }
    for (const ControlDesign& control : kForm1Controls) {
        if (!control.text.empty()) {
            needed.emplace(control.name);
        }
    }
    for (const SelectorDesign& selector : kSelectors) {
        needed.insert(std::string(selector.name) + std::string(kOptions));
    }
    needed.emplace(kPlannerName);
    needed.emplace(kReadingsName);
    for (const PlanControlDesign& control : kPlanControls) {
        needed.emplace(control.name);
        if (control.kind == PlanControlKind::Steps) {
            needed.insert(std::string(control.name) + std::string(kColumns));
        }
        if (control.kind == PlanControlKind::Chart) {
            needed.insert(std::string(control.name) + std::string(kChange));
        }
    }
    return needed;
}

// The template with every place filled; nothing, with the reasons told, when it cannot be.
std::optional<std::string> Filled(std::string_view text, const Page& page, const Format& format) {
    std::string filled;
    std::set<std::string> unfilled = format.needed;
    bool whole = true;
    std::size_t from = 0;
    for (std::size_t at = text.find('@'); at != std::string_view::npos; at = text.find('@', from)) {
        const std::size_t end = text.find('@', at + 1);
        if (end == std::string_view::npos) {
            std::cerr << "make_page: an \"@\" that opens no place\n";
            return std::nullopt;
        }
        const std::string_view place = text.substr(at + 1, end - at - 1);
        filled += text.substr(from, at - from);
        if (const std::optional<std::string> filling = Filling(place, page, format)) {
            filled += *filling;
            unfilled.erase(std::string(place));
        } else {
            std::cerr << "make_page: nothing fills the place @" << place << "@\n";
            whole = false;
        }
        from = end + 1;
    }
    filled += text.substr(from);
    for (const std::string& place : unfilled) {
        std::cerr << "make_page: the template has no place @" << place << "@\n";
        whole = false;
    }
    return whole ? std::optional(filled) : std::nullopt;
}

// The language of the page with this name, as the command line gives it; none for an unknown one.
const Language* LanguageOf(std::string_view name) {
    const std::string_view tag = name == kRootPage ? "en" : name;
    const auto languages = Languages();
    const auto* found = std::find_if(languages.begin(), languages.end(),
                                     [tag](const Language& l) { return l.tag == tag; });
    return found == languages.end() ? nullptr : &*found;
}

bool Write(const char* templatePath, const char* outputPath, const Page& page,
           const Format& format) {
    std::ifstream in(templatePath);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        std::cerr << "make_page: cannot read " << templatePath << "\n";
        return false;
    }
    const std::optional<std::string> filled = Filled(text, page, format);
    if (!filled) {
        std::cerr << "make_page: in " << templatePath << "\n";
        return false;
    }
    std::ofstream out(outputPath);
    out << *filled;
    return static_cast<bool>(out);
}

}  // namespace
}  // namespace ranktally

int main(int argc, char** argv) {
    using namespace ranktally;
    if (argc != 7) {
        std::cerr << "usage: make_page SITE_URL PAGE PAGE_TEMPLATE PAGE_OUTPUT MANIFEST_TEMPLATE "
                     "MANIFEST_OUTPUT\n";
        return 2;
    }
    const Language* language = LanguageOf(argv[2]);
    if (language == nullptr) {
        std::cerr << "make_page: the catalogue has no language " << argv[2] << "\n";
        return 2;
    }
    UseLanguage(*language);
    const Page page{*language, argv[2] == kRootPage, argv[1]};
    const Format html{HtmlEscaped, PagePlaces()};
    const Format json{JsonEscaped, {"lang", "description", "root"}};
    return Write(argv[3], argv[4], page, html) && Write(argv[5], argv[6], page, json) ? 0 : 1;
}
