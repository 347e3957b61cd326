#include "translation.h"

#include <algorithm>
#include <cctype>

#include "catalogue_data.h"

namespace ranktally {
namespace {

const Language* inUse = nullptr;

// TRANSLATORS: the name of your language in your language ("Deutsch", "Français"), as a list of
// languages to choose from shows it.
constexpr std::string_view kOwnName = N_("English");

// Lower case, with "_" read as "-".
std::string Normalized(std::string_view tag) {
    std::string normal(tag);
    for (char& c : normal) {
        c = c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return normal;
}

std::string_view LanguageOnly(std::string_view tag) {
    return tag.substr(0, tag.find('-'));
}

const Language* Find(std::string_view normalTag, bool byLanguageOnly) {
    for (const Language& language : Languages()) {
        const std::string candidate = Normalized(language.tag);
        if (!byLanguageOnly && candidate == normalTag) {
            return &language;
        }
        // A region of the user's language: never the pseudo-language, reached by its own tag only.
        if (byLanguageOnly && language.shipped && LanguageOnly(candidate) == normalTag) {
            return &language;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const std::string_view> CatalogueSources() {
    return catalogue::kSources;
}

std::span<const Language> Languages() {
    return catalogue::kLanguages;
}

std::string_view OwnName(const Language& language) {
    const std::span<const std::string_view> sources = CatalogueSources();
    const auto found = std::find(sources.begin(), sources.end(), kOwnName);
    // A program that carries only texts it shows has no names of languages; the tag stands in.
    if (found == sources.end()) {
        return language.tag;
    }
    return language.texts[static_cast<std::size_t>(found - sources.begin())];
}

const Language& MatchLanguage(std::span<const std::string> preferred) {
    for (const std::string& tag : preferred) {
        const std::string normal = Normalized(tag);
        const std::string_view language = LanguageOnly(normal);
        if (const Language* found = Find(normal, false); found != nullptr) {
            return *found;
        }
        if (const Language* found = Find(language, false); found != nullptr && found->shipped) {
            return *found;
        }
        if (const Language* found = Find(language, true); found != nullptr) {
            return *found;
        }
    }
    return Languages().front();
}

void UseLanguage(const Language& language) {
    inUse = &language;
}

const Language& LanguageInUse() {
    return inUse != nullptr ? *inUse : Languages().front();
}

std::string_view Translated(std::string_view source) {
    const std::span<const std::string_view> sources = CatalogueSources();
    const auto found = std::find(sources.begin(), sources.end(), source);
    if (found == sources.end()) {
        return source;
    }
    return LanguageInUse().texts[static_cast<std::size_t>(found - sources.begin())];
}

std::string Filled(std::string_view message, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(message.size());
    for (std::size_t index = 0; index < message.size(); ++index) {
        const char next = index + 1 < message.size() ? message[index + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (message[index] == '%' && next >= '1' && next <= '9' && number < values.size()) {
            filled += values.begin()[number];
            ++index;
        } else {
            filled += message[index];
        }
    }
    return filled;
}

}  // namespace ranktally
