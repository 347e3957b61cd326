#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace ranktally {

// The texts a user meets, in the language the user reads, from the catalogue compiled into the
// program. It picks a language from a list it is given: where a toolkit keeps the user's languages
// is each front-end's business, and the number format is no part of it.

// Marks a text for the catalogue where it is written down (gettext's customary name); it is looked
// up with Translated where it is shown.
constexpr std::string_view N_(std::string_view source) {
    return source;
}

struct Language {
    std::string_view tag;  // BCP 47: "en", "de", "pt-BR", "en-XA"
    // False for the pseudo-language, which serves the tests and is offered to no user.
    bool shipped;
    // In the order of CatalogueSources(), empty where the catalogue leaves a text untranslated; a
    // text with plural forms holds them in the catalogue's order, joined by "\0".
    std::span<const std::string_view> texts;
    // Which of a text's plural forms a count takes: the catalogue's Plural-Forms rule.
    std::size_t (*pluralForm)(unsigned long count);
};

// The English texts the catalogue translates, as gettext keys them: "context\4text" for a text in a
// context, "singular\0plural" for a text with plural forms.
std::span<const std::string_view> CatalogueSources();
// Every language compiled in, English first.
std::span<const Language> Languages();
// The language's name in the language itself ("Deutsch"), for a list of languages to pick from.
std::string_view OwnName(const Language& language);

// The first of the user's languages, in order, that the catalogue has: each tag as given, then its
// language alone, then that language with any region ("pt-PT" reads Brazilian Portuguese). Case
// and "-" or "_" do not matter. English when none matches.
const Language& MatchLanguage(std::span<const std::string> preferred);

// The language every text is looked up in from now on; English until a front-end says otherwise.
void UseLanguage(const Language& language);
const Language& LanguageInUse();

// The source text in the language in use; a text the catalogue does not hold, such as a figure,
// stays as it is.
std::string_view Translated(std::string_view source);
// The same, for a text the catalogue holds in a context of its own (gettext's msgctxt), where the
// same English words need another translation.
std::string_view TranslatedIn(std::string_view context, std::string_view source);
// The form of a text with plural forms that the count takes in the language in use; English's
// rule where the catalogue does not hold it.
std::string_view TranslatedPlural(std::string_view singular, std::string_view plural,
                                  unsigned long count);

// The message with "%1", "%2", ... replaced by the values in order.
std::string Filled(std::string_view message, std::initializer_list<std::string_view> values);

}  // namespace ranktally
