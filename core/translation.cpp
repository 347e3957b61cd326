#include "translation.h"

#include <cctype>
#include <optional>
#include <utility>

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

// gettext's separators in a key: after a context, and between a singular and its plural.
constexpr char kAfterContext = '\4';
constexpr char kBeforePlural = '\0';

// The index among CatalogueSources() of the key that is `text` alone, or with `joined` the key
// `text`, `joined->first`, `joined->second`.
std::optional<std::size_t> SourceIndex(
    std::string_view text, std::optional<std::pair<char, std::string_view>> joined = {}) {
    const std::span<const std::string_view> sources = CatalogueSources();
    // Each window looks up every text it shows as it starts: keys of another length are passed
    // over without comparing their characters.
    const std::size_t size = text.size() + (joined ? 1 + joined->second.size() : 0);
    for (std::size_t index = 0; index < sources.size(); ++index) {
        const std::string_view key = sources[index];
        if (key.size() != size || !key.starts_with(text)) {
            continue;
        }
        if (!joined ||
            (key[text.size()] == joined->first && key.substr(text.size() + 1) == joined->second)) {
            return index;
        }
    }
    return std::nullopt;
}

// The language whose text for this source a user meets: English where the one in use has none.
const Language& Holding(std::size_t index) {
    const Language& language = LanguageInUse();
    return language.texts[index].empty() ? Languages().front() : language;
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
    const std::optional<std::size_t> index = SourceIndex(kOwnName);
    // A program that carries only texts it shows has no names of languages; the tag stands in.
    if (!index || language.texts[*index].empty()) {
        return language.tag;
    }
    return language.texts[*index];
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
    const std::optional<std::size_t> index = SourceIndex(source);
    return index ? Holding(*index).texts[*index] : source;
}

std::string_view TranslatedIn(std::string_view context, std::string_view source) {
    const std::optional<std::size_t> index = SourceIndex(context, std::pair{kAfterContext, source});
    return index ? Holding(*index).texts[*index] : source;
}

std::string_view TranslatedPlural(std::string_view singular, std::string_view plural,
                                  unsigned long count) {
    const std::optional<std::size_t> index =
        SourceIndex(singular, std::pair{kBeforePlural, plural});
    if (!index) {
        return count == 1 ? singular : plural;
    }
    const Language& language = Holding(*index);
    std::string_view forms = language.texts[*index];
    // A rule that names a form the text lacks takes the first, as gettext does.
    const std::size_t form = language.pluralForm(count);
    for (std::size_t skipped = 0; skipped < form; ++skipped) {
        const std::size_t end = forms.find(kBeforePlural);
        if (end == std::string_view::npos) {
            forms = language.texts[*index];
            break;
        }
        forms.remove_prefix(end + 1);
    }
    return forms.substr(0, forms.find(kBeforePlural));
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
