#include "rate_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace ranktally {
namespace {

struct NoteCase {
    const char* name;
    std::string text;
    const char* separator;
    const char* note;  // nullptr: none
};

class RateReadingNoteTest : public testing::TestWithParam<NoteCase> {};

TEST_P(RateReadingNoteTest, SaysHowTheRateWasRead) {
    const std::optional<std::string> note = RateReadingNote(GetParam().text, GetParam().separator);
    if (GetParam().note == nullptr) {
        EXPECT_FALSE(note.has_value()) << *note;
    } else {
        EXPECT_EQ(note.value_or("(none)"), GetParam().note);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RateReadingNoteTest,
    testing::Values(
        // Typing habits the reading rule cuts short.
        NoteCase{"GroupingComma", "10,000", ".",
                 "Read as 10: everything from \",\" on is ignored."},
        NoteCase{"Suffix", "10k", ".", "Read as 10: everything from \"k\" on is ignored."},
        NoteCase{"LetterO", "1O000", ".", "Read as 1: everything from \"O\" on is ignored."},
        NoteCase{"NoDigits", "abc", ".", "No number here: read as 0."},
        NoteCase{"BlankThenText", "  abc", ".", "No number here: read as 0."},
        NoteCase{"SpacedThenComma", "1 0,5", ".",
                 "Read as 10: everything from \",\" on is ignored."},
        NoteCase{"MultiByte", "10\xE2\x82\xAC", ".",
                 "Read as 10: everything from \"\xE2\x82\xAC\" on is ignored."},
        NoteCase{"OverflowThenText", "1e400x", ".",
                 "Read as a number too large to work with: everything from \"x\" on is ignored."},
        // The value in the user's decimal separator, though a typed comma still ends it.
        NoteCase{"GermanComma", "2,5", ",", "Read as 2: everything from \",\" on is ignored."},
        NoteCase{"GermanFraction", "2.5x", ",",
                 "Read as 2,5: \".\" is read as the decimal point; everything from \"x\" on is "
                 "ignored."},
        // A period where the user's separator is a comma: a grouping mark to the user.
        NoteCase{"GermanGrouping", "10.000", ",",
                 "Read as 10: \".\" is read as the decimal point."},
        NoteCase{"GermanMillion", "1.000.000", ",",
                 "Read as 1: \".\" is read as the decimal point; everything from \".\" on is "
                 "ignored."},
        NoteCase{"GermanFractionWhole", "10.5", ",",
                 "Read as 10,5: \".\" is read as the decimal point."},
        NoteCase{"PeriodLocaleFraction", "10.5", ".", nullptr},
        // Only a period in what was read is read as the decimal point.
        NoteCase{"GermanPeriodAfterTheEnd", "10x.5", ",",
                 "Read as 10: everything from \"x\" on is ignored."},
        NoteCase{"GermanHexThenPeriod", "&H10.5", ",",
                 "Read as 16: everything from \".\" on is ignored."},
        // A negative rate, the only reading that gives negative times.
        NoteCase{"Negative", "-5000", ".",
                 "Read as -5000: a negative rate gives negative hours and days."},
        NoteCase{"NegativeZero", "-0", ".", nullptr}, NoteCase{"Plus", "+5000", ".", nullptr},
        // Wholly a number, or nothing at all: no note.
        NoteCase{"Plain", "10000", ".", nullptr}, NoteCase{"Exponent", "1e4", ".", nullptr},
        NoteCase{"Hex", "&H2710", ".", nullptr}, NoteCase{"Spaced", " 1 0 0 0 0 ", ".", nullptr},
        NoteCase{"Empty", "", ".", nullptr}, NoteCase{"Blank", "   ", ".", nullptr},
        NoteCase{"Overflow", "1e400", ".", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ranktally
