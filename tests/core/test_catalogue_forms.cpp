#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "translation.h"

// Lookups in a catalogue of the tests' own (catalogue/), in Polish, whose plural rule has three
// forms: what gettext's tools compile of contexts and plural forms reaches the lookup whole.
namespace ranktally {
namespace {

constexpr std::string_view kToGo = "%1 level to go";
constexpr std::string_view kToGoPlural = "%1 levels to go";

class InPolish : public testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::string> polish = {"pl"};
        UseLanguage(MatchLanguage(polish));
        ASSERT_EQ(LanguageInUse().tag, "pl");
    }
    void TearDown() override { UseLanguage(Languages().front()); }
};

// The same English words, without and with a context, are two texts.
TEST_F(InPolish, AContextIsATextOfItsOwn) {
    EXPECT_EQ(Translated("Level"), "Poziom");
    EXPECT_EQ(TranslatedIn("a button that raises the level", "Level"), "Awansuj");
    EXPECT_EQ(TranslatedIn("a context the catalogue lacks", "Level"), "Level");
    UseLanguage(Languages().front());
    EXPECT_EQ(TranslatedIn("a button that raises the level", "Level"), "Level");
}

struct PluralCase {
    const char* name;
    unsigned long count;
    const char* polish;
    const char* english;
};

class PluralForms : public InPolish, public testing::WithParamInterface<PluralCase> {};

// Each count takes the form the language's rule names for it, in Polish and in English.
TEST_P(PluralForms, FollowTheLanguagesRule) {
    const PluralCase& row = GetParam();
    EXPECT_EQ(TranslatedPlural(kToGo, kToGoPlural, row.count), row.polish);
    UseLanguage(Languages().front());
    EXPECT_EQ(TranslatedPlural(kToGo, kToGoPlural, row.count), row.english);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, PluralForms,
    testing::Values(PluralCase{"One", 1, "Został %1 poziom", "%1 level to go"},
                    PluralCase{"Two", 2, "Zostały %1 poziomy", "%1 levels to go"},
                    PluralCase{"Five", 5, "Zostało %1 poziomów", "%1 levels to go"},
                    PluralCase{"TwentyTwo", 22, "Zostały %1 poziomy", "%1 levels to go"},
                    PluralCase{"Twelve", 12, "Zostało %1 poziomów", "%1 levels to go"},
                    PluralCase{"None", 0, "Zostało %1 poziomów", "%1 levels to go"}),
    [](const testing::TestParamInfo<PluralCase>& info) { return info.param.name; });

// A text the catalogue leaves untranslated keeps English's forms by English's rule, and one it
// does not hold at all is the English it was asked for.
TEST_F(InPolish, UntranslatedFormsStayEnglish) {
    EXPECT_EQ(TranslatedPlural("untranslated", "untranslated ones", 1), "untranslated");
    EXPECT_EQ(TranslatedPlural("untranslated", "untranslated ones", 5), "untranslated ones");
    EXPECT_EQ(TranslatedPlural("a text", "texts", 1), "a text");
    EXPECT_EQ(TranslatedPlural("a text", "texts", 2), "texts");
}

}  // namespace
}  // namespace ranktally
