// Writes the installer's languages for NSIS at build time, from the catalogue compiled into it: a
// MUI_LANGUAGE for English and for each shipped language NSIS has pages in, and a LangString for
// each of the installer's own texts in that language, "%1" standing for the version. A language is
// matched to NSIS's by the Windows language Windows gives its tag, which each of NSIS's language
// files names; one NSIS has no pages in keeps English pages, and is said so. It also writes the
// texts as the installer's pages show them, one a line (NSIS's language, a tab, the text's name, a
// tab, the text with its line breaks as "\n"), which the Windows tests compare the pages with.
// A Windows program, run under Wine on Debian:
//   installer_languages NSIS_LANGUAGE_DIR VERSION OUTPUT.nsh SHOWN.txt
#include <windows.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "translation.h"
#include "wide_text.h"

namespace ranktally {
namespace {

struct InstallerText {
    std::string_view name;  // the LangString's, as installer.nsi names it
    std::string_view text;
};
constexpr InstallerText kTexts[] = {
    {"kInstallerWelcome",
     // TRANSLATORS: the installer's first page; %1 is the version, such as "1.0.0".
     N_("Setup will install Ranktally %1 for you, with no need for administrator rights.\n\n"
        "Click Next to continue.")},
};

// NSIS's languages by the Windows language ID each of its language files declares.
std::map<LANGID, std::string> NsisLanguages(const std::filesystem::path& folder) {
    std::map<LANGID, std::string> languages;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".nlf") {
            continue;
        }
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line)) {
            if (line.starts_with("# Language ID") && std::getline(file, line)) {
                languages[static_cast<LANGID>(std::stoul(line))] = entry.path().stem().string();
                break;
            }
        }
    }
    return languages;
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// A text inside a quoted NSIS string, which reads "$" and its escapes and ends at the quote.
std::string NsisQuoted(std::string_view text) {
    std::string quoted;
    for (const char c : text) {
        switch (c) {
            case '$':
                quoted += "$$";
                break;
            case '"':
                quoted += "$\\\"";
                break;
            case '`':
                quoted += "$\\`";
                break;
            case '\t':
                quoted += "$\\t";
                break;
            case '\n':
                quoted += "$\\r$\\n";
                break;
            default:
                quoted += c;
        }
    }
    return Replaced(quoted, "%1", "${VERSION}");
}

}  // namespace
}  // namespace ranktally

int main(int argc, char** argv) {
    using namespace ranktally;
    if (argc != 5) {
        std::cerr << "usage: installer_languages NSIS_LANGUAGE_DIR VERSION OUTPUT.nsh SHOWN.txt\n";
        return 2;
    }
    const std::string version = argv[2];
    const std::map<LANGID, std::string> nsis = NsisLanguages(argv[1]);
    std::ofstream nsh(argv[3], std::ios::binary);
    std::ofstream shown(argv[4], std::ios::binary);
    nsh << "; Written by the build from po/ and tools/installer_languages.cpp; edit them there.\n";
    std::set<std::string> taken;
    for (const Language& language : Languages()) {
        std::string name = "English";
        if (&language != &Languages().front()) {
            const LANGID id = LANGIDFROMLCID(LocaleNameToLCID(Wide(language.tag).c_str(), 0));
            const auto found = nsis.find(id);
            if (found == nsis.end()) {
                std::cout << "NSIS has no installer pages in " << language.tag
                          << ": the installer shows English ones to a user who reads it\n";
                continue;
            }
            if (taken.contains(found->second)) {
                std::cout << "NSIS's " << found->second << " pages are taken before "
                          << language.tag << ": the installer shows English ones for it\n";
                continue;
            }
            name = found->second;
        }
        taken.insert(name);
        UseLanguage(language);
        nsh << "!insertmacro MUI_LANGUAGE \"" << name << "\"\n";
        std::string id = "LANG_" + name;
        for (char& c : id) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        for (const InstallerText& text : kTexts) {
            const std::string_view translated = Translated(text.text);
            nsh << "LangString " << text.name << " ${" << id << "} \"" << NsisQuoted(translated)
                << "\"\n";
            shown << name << '\t' << text.name << '\t'
                  << Replaced(Replaced(std::string(translated), "%1", version), "\n", "\\n")
                  << '\n';
        }
    }
    return nsh && shown ? 0 : 1;
}
