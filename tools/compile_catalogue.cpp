// Turns catalogues that msgfmt has read, checked and compiled (MO files) into the C++ source of the
// table the core looks texts up in, and optionally the same texts as JSON for the page's tests. It
// reads no PO file: what a catalogue may hold is msgfmt's to decide. Run at build time on the
// build's own target (directly, under Wine or under node):
//   compile_catalogue OUTPUT.cpp SOURCES.mo [--json FILE] [--pseudo] [TAG=LANGUAGE.mo ...]
// SOURCES.mo is the template made English by msgen, holding the texts this program carries; each
// TAG=LANGUAGE.mo adds a language ("pt-BR=pt_BR.mo"), and --pseudo the pseudo-language en-XA.
// The keys are gettext's: "context\4text" for a text in a context, "singular\0plural" for a text
// with plural forms, whose translation holds its forms joined by "\0".
#include <algorithm>
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Catalogue = std::map<std::string, std::string>;

// Why the catalogue cannot be written; the build stops with it.
struct Refusal {
    std::string reason;
};

std::uint32_t Word(const std::string& bytes, std::size_t at, bool swapped) {
    if (at + 4 > bytes.size()) {
        throw Refusal{"cut short"};
    }
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        word |= static_cast<std::uint32_t>(byte) << (8 * (swapped ? 3 - i : i));
    }
    return word;
}

// The MO format: a magic number in the writer's byte order, then the count of strings and the
// offsets of two tables, each entry a length and an offset.
Catalogue ReadMo(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (!file.good() && !file.eof()) {
        throw Refusal{path + ": cannot be read"};
    }
    try {
        constexpr std::uint32_t kMagic = 0x950412de;
        const bool swapped = Word(bytes, 0, false) != kMagic;
        if (Word(bytes, 0, swapped) != kMagic) {
            throw Refusal{"not a catalogue msgfmt wrote"};
        }
        const std::uint32_t count = Word(bytes, 8, swapped);
        const std::uint32_t originals = Word(bytes, 12, swapped);
        const std::uint32_t translations = Word(bytes, 16, swapped);
        const auto string = [&](std::uint32_t table, std::uint32_t index) {
            const std::size_t entry = table + std::size_t{8} * index;
            const std::uint32_t length = Word(bytes, entry, swapped);
            const std::uint32_t offset = Word(bytes, entry + 4, swapped);
            if (std::size_t{offset} + length > bytes.size()) {
                throw Refusal{"cut short"};
            }
            return bytes.substr(offset, length);
        };
        Catalogue catalogue;
        for (std::uint32_t index = 0; index < count; ++index) {
            catalogue[string(originals, index)] = string(translations, index);
        }
        return catalogue;
    } catch (const Refusal& refusal) {
        throw Refusal{path + ": " + refusal.reason};
    }
}

// The header's Plural-Forms, gettext's English rule where it has none.
std::pair<int, std::string> PluralForms(const Catalogue& catalogue) {
    std::string forms = "nplurals=2; plural=(n != 1);";
    if (const auto header = catalogue.find(""); header != catalogue.end()) {
        std::istringstream lines(header->second);
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("Plural-Forms:")) {
                forms = line.substr(13);
            }
        }
    }
    const std::size_t count = forms.find("nplurals=");
    const std::size_t rule = forms.find("plural=", count == std::string::npos ? 0 : count + 9);
    if (count == std::string::npos || rule == std::string::npos) {
        throw Refusal{"Plural-Forms lacks nplurals or plural: " + forms};
    }
    std::string expression = forms.substr(rule + 7);
    expression = expression.substr(0, expression.find(';'));
    return {std::stoi(forms.substr(count + 9)), expression};
}

// A plural rule, C's syntax as gettext reads it, rewritten as C++ with every operation in
// parentheses and every figure unsigned; anything but the rule's own tokens is refused, so that
// nothing of a catalogue but this expression reaches the compiler.
class PluralRule {
public:
    explicit PluralRule(std::string_view text) : text_(text) {}

    std::string Cpp() {
        std::string cpp = Conditional();
        Skip();
        if (at_ != text_.size()) {
            Refuse();
        }
        return cpp;
    }

private:
    void Skip() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
            ++at_;
        }
    }
    bool Take(std::string_view token) {
        Skip();
        if (!text_.substr(at_).starts_with(token)) {
            return false;
        }
        // "<" is not "<=", nor "!" "!=", nor "=" alone anything.
        const char next = at_ + token.size() < text_.size() ? text_[at_ + token.size()] : '\0';
        if (token.size() == 1 && next == '=' &&
            std::string_view("<>!=").find(token[0]) != std::string_view::npos) {
            return false;
        }
        at_ += token.size();
        return true;
    }
    [[noreturn]] void Refuse() const {
        throw Refusal{"a plural rule gettext would not read: " + std::string(text_)};
    }

    std::string Conditional() {
        std::string condition = Binary(0);
        if (!Take("?")) {
            return condition;
        }
        std::string then = Conditional();
        if (!Take(":")) {
            Refuse();
        }
        return "(" + condition + " ? " + then + " : " + Conditional() + ")";
    }
    // The binary operators by precedence, lowest first.
    std::string Binary(std::size_t level) {
        static const std::vector<std::vector<std::string_view>> kLevels = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
        if (level == kLevels.size()) {
            return Unary();
        }
        std::string left = Binary(level + 1);
        for (bool more = true; more;) {
            more = false;
            for (const std::string_view op : kLevels[level]) {
                if (Take(op)) {
                    left = "(" + left + " " + std::string(op) + " " + Binary(level + 1) + ")";
                    more = true;
                    break;
                }
            }
        }
        return left;
    }
    std::string Unary() {
        if (Take("!")) {
            return "(!" + Unary() + ")";
        }
        if (Take("(")) {
            std::string inner = Conditional();
            if (!Take(")")) {
                Refuse();
            }
            return inner;
        }
        Skip();
        if (Take("n")) {
            return "n";
        }
        std::string figure;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            figure += text_[at_++];
        }
        if (figure.empty()) {
            Refuse();
        }
        return figure + "UL";
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// The pseudo-language's form of one text: accented, about 40% longer and bracketed, so that a
// text that missed the catalogue or that a window cuts shows at a glance. Figures, places such as
// "%1" and line breaks stay as they are.
std::string Pseudo(std::string_view text) {
    static const std::map<char, std::string_view> kAccented = {
        {'a', "á"}, {'e', "é"}, {'i', "î"}, {'o', "ö"}, {'u', "û"}, {'c', "ç"}, {'g', "ĝ"},
        {'h', "ĥ"}, {'k', "ķ"}, {'l', "ļ"}, {'n', "ñ"}, {'r', "ŕ"}, {'s', "š"}, {'t', "ţ"},
        {'w', "ŵ"}, {'y', "ý"}, {'z', "ž"}, {'A', "Å"}, {'E', "É"}, {'I', "Î"}, {'O', "Ö"},
        {'U', "Û"}, {'C', "Ç"}, {'G', "Ĝ"}, {'H', "Ĥ"}, {'K', "Ķ"}, {'L', "Ļ"}, {'N', "Ñ"},
        {'R', "Ŕ"}, {'S', "Š"}, {'T', "Ţ"}, {'W', "Ŵ"}, {'Y', "Ý"}, {'Z', "Ž"}};
    std::string accented = "[";
    std::size_t characters = 0;
    for (const char c : text) {
        // A UTF-8 character is counted at its first byte.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++characters;
        }
        const auto found = kAccented.find(c);
        if (found != kAccented.end()) {
            accented += found->second;
        } else {
            accented += c;
        }
    }
    accented += ' ';
    const std::size_t padding = (characters * 4 + 9) / 10;
    for (std::size_t index = 1; index <= padding; ++index) {
        accented += index % 6 == 0 ? ' ' : '~';
    }
    return accented + "]";
}

std::string PseudoForms(std::string_view forms) {
    std::string joined;
    for (std::size_t start = 0;;) {
        const std::size_t end = forms.find('\0', start);
        joined += Pseudo(forms.substr(start, end - start));
        if (end == std::string_view::npos) {
            return joined;
        }
        joined += '\0';
        start = end + 1;
    }
}

// A text between double quotes, with a backslash before a quote or a backslash and each control
// character written by `control`; C++'s and JSON's strings differ only there.
std::string Quoted(std::string_view text, std::string (*control)(unsigned char)) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            quoted += control(byte);
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// In C++, "\ooo" has three digits, so that a figure after it stays a figure.
std::string CppLiteral(std::string_view text) {
    return Quoted(text,
                  [](unsigned char byte) {
                      return std::string{'\\', static_cast<char>('0' + (byte >> 6)),
                                         static_cast<char>('0' + ((byte >> 3) & 7)),
                                         static_cast<char>('0' + (byte & 7))};
                  }) +
           "sv";
}

std::string JsonString(std::string_view text) {
    return Quoted(text, [](unsigned char byte) {
        constexpr std::string_view kHex = "0123456789abcdef";
        return std::string("\\u00") + kHex[byte >> 4] + kHex[byte & 15];
    });
}

struct Language {
    std::string tag;
    bool shipped;
    std::vector<std::string> texts;  // empty where untranslated
    std::string pluralRule;          // as C++
};

// The text a user meets: the translation, or the English where there is none.
const std::string& Shown(const Language& language, const Language& english, std::size_t index) {
    return language.texts[index].empty() ? english.texts[index] : language.texts[index];
}

std::string Cpp(const std::vector<std::string>& keys, const std::vector<Language>& languages) {
    std::string cpp =
        "// Written by the build from the catalogues msgfmt compiled; edit them in po/.\n"
        "#include \"catalogue_data.h\"\n\n"
        "namespace ranktally::catalogue {\nnamespace {\n\n"
        "using namespace std::string_view_literals;\n\n"
        "constexpr std::string_view kKeys[] = {\n";
    for (const std::string& key : keys) {
        cpp += "    " + CppLiteral(key) + ",\n";
    }
    cpp += "};\n";
    std::string table;
    for (std::size_t index = 0; index < languages.size(); ++index) {
        const Language& language = languages[index];
        const std::string number = std::to_string(index);
        cpp += "\n// " + language.tag + "\nconstexpr std::string_view kTexts" + number + "[] = {\n";
        for (const std::string& text : language.texts) {
            cpp += "    " + CppLiteral(text) + ",\n";
        }
        cpp += "};\nstd::size_t PluralForm" + number +
               "(unsigned long n) {\n    return static_cast<std::size_t>(" + language.pluralRule +
               ");\n}\n";
        table += "    {" + CppLiteral(language.tag) + ", " + (language.shipped ? "true" : "false") +
                 ", kTexts" + number + ", PluralForm" + number + "},\n";
    }
    cpp += "\nconstexpr Language kAll[] = {\n" + table + "};\n\n}  // namespace\n\n" +
           "const std::span<const std::string_view> kSources = kKeys;\n" +
           "const std::span<const Language> kLanguages = kAll;\n\n" +
           "}  // namespace ranktally::catalogue\n";
    return cpp;
}

std::string Json(const std::vector<std::string>& keys, const std::vector<Language>& languages) {
    std::string json = "{\n";
    for (const Language& language : languages) {
        json += "  " + JsonString(language.tag) +
                ": {\"shipped\": " + (language.shipped ? "true" : "false") + ", \"texts\": {\n";
        for (std::size_t index = 0; index < keys.size(); ++index) {
            json += "    " + JsonString(keys[index]) + ": " +
                    JsonString(Shown(language, languages.front(), index)) +
                    (index + 1 < keys.size() ? ",\n" : "\n");
        }
        json += std::string("  }}") + (&language != &languages.back() ? ",\n" : "\n");
    }
    return json + "}\n";
}

// Written anew only when it changed, so that a build with the same catalogues compiles nothing.
void WriteChanged(const std::string& path, const std::string& content) {
    {
        std::ifstream old(path, std::ios::binary);
        if (old && std::string{std::istreambuf_iterator<char>(old), {}} == content) {
            return;
        }
    }
    std::ofstream file(path, std::ios::binary);
    file << content;
    if (!file.flush()) {
        throw Refusal{path + ": cannot be written"};
    }
}

void Compile(const std::vector<std::string_view>& arguments) {
    if (arguments.size() < 2) {
        throw Refusal{
            "usage: compile_catalogue OUTPUT.cpp SOURCES.mo [--json FILE] [--pseudo] "
            "[TAG=LANGUAGE.mo ...]"};
    }
    const Catalogue sources = ReadMo(std::string(arguments[1]));
    std::vector<std::string> keys;
    Language english{"en", true, {}, "(n != 1UL)"};
    for (const auto& [key, text] : sources) {
        if (!key.empty()) {
            keys.push_back(key);
            english.texts.push_back(text);
        }
    }
    if (keys.empty()) {
        throw Refusal{std::string(arguments[1]) + ": holds no texts"};
    }
    std::vector<Language> languages = {english};
    std::optional<std::string> json;
    bool pseudo = false;
    for (std::size_t index = 2; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (argument == "--json" && index + 1 < arguments.size()) {
            json = arguments[++index];
            continue;
        }
        if (argument == "--pseudo") {
            pseudo = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        if (equals == std::string_view::npos) {
            throw Refusal{"not TAG=LANGUAGE.mo: " + std::string(argument)};
        }
        const std::string path(argument.substr(equals + 1));
        const Catalogue catalogue = ReadMo(path);
        try {
            const auto [count, rule] = PluralForms(catalogue);
            Language language{
                std::string(argument.substr(0, equals)), true, {}, PluralRule(rule).Cpp()};
            for (const std::string& key : keys) {
                const auto found = catalogue.find(key);
                std::string text = found == catalogue.end() ? "" : found->second;
                const bool plural = key.find('\0') != std::string::npos;
                const auto forms = std::count(text.begin(), text.end(), '\0') + 1;
                if (!text.empty() && plural && forms != count) {
                    throw Refusal{"a plural text without its " + std::to_string(count) +
                                  " forms: " + key.substr(0, key.find('\0'))};
                }
                language.texts.push_back(text);
            }
            languages.push_back(language);
        } catch (const Refusal& refusal) {
            throw Refusal{path + ": " + refusal.reason};
        }
    }
    if (pseudo) {
        Language language{"en-XA", false, {}, english.pluralRule};
        for (const std::string& text : english.texts) {
            language.texts.push_back(PseudoForms(text));
        }
        languages.push_back(language);
    }
    WriteChanged(std::string(arguments[0]), Cpp(keys, languages));
    if (json) {
        WriteChanged(*json, Json(keys, languages));
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Compile(std::vector<std::string_view>(argv + 1, argv + argc));
        return 0;
    } catch (const Refusal& refusal) {
        std::cerr << "compile_catalogue: " << refusal.reason << "\n";
    } catch (const std::exception& error) {
        std::cerr << "compile_catalogue: " << error.what() << "\n";
    }
    return 1;
}
