#include "translation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calculator.h"
#include "rate_reading.h"

namespace ranktally {
namespace {

struct MatchCase {
    const char* name;
    std::vector<std::string> preferred;
    const char* tag;
};

class MatchLanguageTest : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchLanguageTest, TakesTheFirstLanguageTheCatalogueHas) {
    EXPECT_EQ(MatchLanguage(GetParam().preferred).tag, GetParam().tag);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MatchLanguageTest,
    testing::Values(
        // A tag as given, whatever its case and separator.
        MatchCase{"Exact", {"de"}, "de"}, MatchCase{"Region", {"pt-BR"}, "pt-BR"},
        MatchCase{"UnderscoreAndCase", {"PT_br"}, "pt-BR"},
        // Then its language alone, then that language with a region.
        MatchCase{"LanguageAlone", {"de-AT"}, "de"}, MatchCase{"OtherRegion", {"pt-PT"}, "pt-BR"},
        MatchCase{"BareLanguageWithRegion", {"pt"}, "pt-BR"},
        MatchCase{"ScriptSubtag", {"ru-Cyrl-RU"}, "ru"},
        // The first that matches wins: English is a language of the catalogue.
        MatchCase{"EnglishFirst", {"en_US", "de"}, "en"},
        MatchCase{"SkipsUnknown", {"ja", "nl-BE", "fr-CA"}, "fr"},
        MatchCase{"NothingKnown", {"ja", "C"}, "en"}, MatchCase{"EmptyList", {}, "en"},
        // The pseudo-language by its own tag only.
        MatchCase{"Pseudo", {"en_XA"}, "en-XA"}, MatchCase{"EnglishRegion", {"en-GB"}, "en"},
        MatchCase{"PseudoRegionless", {"xa"}, "en"}),
    [](const testing::TestParamInfo<MatchCase>& info) { return info.param.name; });

// Every language has a text for every source, and no translation loses or adds a place.
TEST(Catalogue, EveryLanguageFillsTheSamePlaces) {
    const auto places = [](std::string_view text) {
        std::string found;
        for (std::size_t at = text.find('%'); at != std::string_view::npos;
             at = text.find('%', at + 1)) {
            found += text.substr(at, 2);
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    for (const Language& language : Languages()) {
        ASSERT_EQ(language.texts.size(), CatalogueSources().size()) << language.tag;
        for (std::size_t index = 0; index < language.texts.size(); ++index) {
            EXPECT_FALSE(language.texts[index].empty()) << language.tag << " " << index;
            EXPECT_EQ(places(language.texts[index]), places(CatalogueSources()[index]))
                << language.tag << ": " << language.texts[index];
        }
    }
}

// The pseudo-language brackets every text, keeps the places and figures, and is offered to no one.
TEST(Catalogue, PseudoLanguageShowsItsTextsAtAGlance) {
    const std::vector<std::string> pseudo = {"en-XA"};
    const Language& language = MatchLanguage(pseudo);
    ASSERT_EQ(language.tag, "en-XA");
    EXPECT_FALSE(language.shipped);
    for (const std::string_view text : language.texts) {
        EXPECT_TRUE(text.starts_with("[") && text.ends_with("]")) << text;
    }
    UseLanguage(language);
    EXPECT_EQ(Translated("10000"), "10000");
    const std::optional<std::string> note = RateReadingNote("2.5x", ",");
    const std::size_t unlimited = Translated(kUnlimited).size();
    UseLanguage(Languages().front());
    ASSERT_TRUE(note.has_value());
    EXPECT_TRUE(note->starts_with("[Ŕéád áš 2,5:")) << *note;
    EXPECT_NE(note->find("\"x\""), std::string::npos) << *note;
    EXPECT_GE(unlimited, kUnlimited.size() * 14 / 10);
}

// The language in use is the one a front-end chose, until it chooses again.
TEST(Catalogue, TextsFollowTheLanguageInUse) {
    EXPECT_EQ(Translated(kUnlimited), "Unlimited");
    EXPECT_EQ(OwnName(Languages().front()), "English");
    const std::vector<std::string> german = {"de-DE"};
    UseLanguage(MatchLanguage(german));
    EXPECT_EQ(LanguageInUse().tag, "de");
    const std::string_view unlimited = Translated(kUnlimited);
    UseLanguage(Languages().front());
    EXPECT_EQ(unlimited,
              MatchLanguage(german).texts[static_cast<std::size_t>(
                  std::find(CatalogueSources().begin(), CatalogueSources().end(), kUnlimited) -
                  CatalogueSources().begin())]);
}

// Places are filled in the message's own order, which a translation may change.
TEST(Catalogue, FillsPlacesInAnyOrder) {
    EXPECT_EQ(Filled("%2 vor %1", {"a", "b"}), "b vor a");
    EXPECT_EQ(Filled("100% of %1", {"x"}), "100% of x");
    EXPECT_EQ(Filled("%1 and %3", {"x"}), "x and %3");
    EXPECT_EQ(Filled("ends in %", {"x"}), "ends in %");
}

}  // namespace
}  // namespace ranktally
