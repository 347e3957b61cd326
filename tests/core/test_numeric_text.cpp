#include "numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace ranktally {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ParseCase {
    const char* name;
    std::string text;
    double expected;
    bool overflow = false;
};

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsLeadingNumber) {
    const ParsedNumber parsed = ParseNumber(GetParam().text);
    EXPECT_EQ(parsed.value, GetParam().expected);
    EXPECT_EQ(parsed.overflow, GetParam().overflow);
}

const std::string kManyZeros(100000, '0');

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(
        // Plain numbers and their signs.
        ParseCase{"Whole", "10000", 10000}, ParseCase{"Empty", "", 0},
        ParseCase{"PlusSign", "+5", 5}, ParseCase{"MinusSign", "-5", -5},
        ParseCase{"LeadingPeriod", ".5", 0.5}, ParseCase{"NegativeFraction", "-.25", -0.25},
        ParseCase{"TrailingPeriod", "5.", 5}, ParseCase{"Exponent", "1e3", 1000},
        ParseCase{"SignedExponent", "2.5E-1", 0.25}, ParseCase{"PlusExponent", "1E+3", 1000},
        // Blanks, tabs and line feeds vanish wherever they stand.
        ParseCase{"BlanksOnly", "   ", 0}, ParseCase{"SpacedDigits", "1 0 0 0 0", 10000},
        ParseCase{"TabAndLineFeed", "\t12\n3", 123}, ParseCase{"SpaceAfterSign", "- 7", -7},
        // Reading stops at the first character that cannot continue the number.
        ParseCase{"TrailingLetters", "12abc", 12}, ParseCase{"NoDigits", "abc", 0},
        ParseCase{"CommaIsNoSeparator", "2,5", 2}, ParseCase{"CurrencySign", "$5", 0},
        ParseCase{"SignAlone", "-", 0}, ParseCase{"PeriodAlone", ".", 0},
        ParseCase{"SecondPeriod", "1.2.3", 1.2}, ParseCase{"SecondExponent", "1e3e4", 1000},
        ParseCase{"MarkWithoutDigits", "5e", 5}, ParseCase{"MarkAndSignOnly", "5e+", 5},
        ParseCase{"DIsNoExponent", "1d3", 1}, ParseCase{"CPrefixIsNoRadix", "0x10", 0},
        ParseCase{"InfinityIsText", "inf", 0}, ParseCase{"NanIsText", "nan", 0},
        ParseCase{"CarriageReturnStops", "12\r3", 12},
        // Radix prefixes, letters in either case, up to the first non-digit of the base.
        ParseCase{"Hex", "&H1F", 31}, ParseCase{"HexLowerCase", "&h1f", 31},
        ParseCase{"HexIsUnsigned", "&HFFFF", 65535}, ParseCase{"HexStops", "&H1FG2", 31},
        ParseCase{"HexNoDigits", "&H", 0}, ParseCase{"HexBadDigit", "&HG", 0},
        ParseCase{"HexSpaced", "& H 10", 16}, ParseCase{"Octal", "&O17", 15},
        ParseCase{"OctalLowerCase", "&o777", 511}, ParseCase{"OctalStopsAtEight", "&O78", 7},
        ParseCase{"OctalNoDigits", "&O8", 0}, ParseCase{"UnknownRadix", "&B1", 0},
        ParseCase{"OctalBeyondWord", "&O1777777777777777777777", 18446744073709551615.0},
        // Correct rounding, whatever the length: one digit far out decides a halfway case.
        ParseCase{"HalfwayRoundsToEven", "9007199254740993", 9007199254740992.0},
        ParseCase{"JustAboveHalfway", "9007199254740993." + kManyZeros + "1", 9007199254740994.0},
        ParseCase{"FortyZerosThenExponent", "0." + std::string(40, '0') + "1e43", 100},
        ParseCase{"LongFractionThenExponent", "0." + kManyZeros + "1e100003", 100},
        ParseCase{"HexBeyondMantissa", "&H20000000000001", 9007199254740992.0},
        // Below the smallest double is zero, not an error.
        ParseCase{"Underflow", "1e-400", 0}, ParseCase{"NegativeUnderflow", "-1e-400", 0},
        ParseCase{"HugeNegativeExponent", "1e-99999999999999999999999", 0},
        ParseCase{"LongUnderflow", "0." + kManyZeros + "1", 0},
        ParseCase{"SmallestSubnormal", "4.9e-324", std::numeric_limits<double>::denorm_min()},
        ParseCase{"ZeroWithHugeExponent", "0e99999999999999", 0},
        // Beyond the largest double is an overflow, reported with the number's sign.
        ParseCase{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ParseCase{"Overflow", "1e400", kInfinity, true},
        ParseCase{"NegativeOverflow", "-1e400", -kInfinity, true},
        ParseCase{"JustBeyondLargest", "1.8e308", kInfinity, true},
        ParseCase{"HundredThousandDigits", std::string(100000, '9'), kInfinity, true},
        ParseCase{"HugeExponent", "1e99999999999999999999999", kInfinity, true},
        ParseCase{"SmallMantissaHugeExponent", "0.0000001e99999999999", kInfinity, true},
        ParseCase{"HexOverflow", "&H" + std::string(300, 'F'), kInfinity, true},
        ParseCase{"OctalOverflow", "&O" + std::string(400, '7'), kInfinity, true}),
    [](const auto& info) { return info.param.name; });

TEST(ParseNumber, NegativeZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(ParseNumber("-0").value));
}

struct FormatCase {
    const char* name;
    double value;
    const char* separator;
    const char* expected;
};

class FormatGeneralTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralTest, WritesFifteenDigits) {
    EXPECT_EQ(FormatGeneral(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralTest,
    testing::Values(
        // Whole numbers carry no separator.
        FormatCase{"Zero", 0, ".", "0"}, FormatCase{"NegativeZero", -0.0, ".", "0"},
        FormatCase{"One", 1, ".", "1"}, FormatCase{"TopLevel", 220, ".", "220"},
        FormatCase{"WholeTable", 2076261991, ".", "2076261991"},
        FormatCase{"Negative", -5, ".", "-5"},
        FormatCase{"FifteenDigits", 123456789012345, ".", "123456789012345"},
        // Fractions to 15 significant digits, trailing zeros dropped.
        FormatCase{"ThreeDecimals", 0.145, ".", "0.145"},
        FormatCase{"FourDecimals", 207626.1991, ".", "207626.1991"},
        FormatCase{"RoundedToFifteen", 2076261991.0 / 10000 / 24, ".", "8651.09162916667"},
        FormatCase{"Third", 1.0 / 3, ".", "0.333333333333333"},
        // A sixteenth digit of exactly 5 rounds to the even fifteenth, as printf does.
        FormatCase{"HalfwayStaysEven", 100000000000000.5, ".", "100000000000000"},
        FormatCase{"HalfwayToEven", 100000000000001.5, ".", "100000000000002"},
        FormatCase{"NegativeFraction", -0.145, ".", "-0.145"},
        FormatCase{"SmallestPositional", 0.0001, ".", "0.0001"},
        // The caller's separator, one byte or several.
        FormatCase{"Comma", 0.145, ",", "0,145"},
        FormatCase{"CommaLong", 2076261991.0 / 10000 / 24, ",", "8651,09162916667"},
        FormatCase{"ArabicSeparator", 0.145, "\xd9\xab",
                   "0\xd9\xab"
                   "145"},
        FormatCase{"CommaInExponentForm", 1.5e-10, ",", "1,5E-10"},
        // Outside 1E-4 to 1E+15 the exponent form takes over.
        FormatCase{"LargeWhole", 1e15, ".", "1E+15"},
        FormatCase{"BelowPositional", 0.00001, ".", "1E-05"},
        FormatCase{"SmallFraction", 1450.0 / 2e7 / 24, ".", "3.02083333333333E-06"},
        FormatCase{"Huge", 1e300, ".", "1E+300"},
        FormatCase{"NegativeTiny", -1.5e-10, ".", "-1.5E-10"},
        FormatCase{"Subnormal", 5e-324, ".", "4.94065645841247E-324"}),
    [](const auto& info) { return info.param.name; });

// Against the C library, over doubles of every magnitude and texts of up to 17 digits: the short
// ways through both conversions must round as the long ones do.
TEST(NumericText, AgreesWithTheCLibrary) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 20000; ++i) {
        // Any finite double, or one of 53 bits from 2^53 down to 2^-36, as figures of play are.
        const std::uint64_t bits = random() >> 1;
        double value = std::ldexp(static_cast<double>(random() >> 11), -(i % 90));
        if (i % 2 == 0) {
            std::memcpy(&value, &bits, sizeof value);
        }
        if (!std::isfinite(value)) {
            continue;
        }
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15G", value);
        ASSERT_EQ(FormatGeneral(value, "."), expected) << bits;

        const std::string digits = std::to_string(random() % 100000000000000000 >> (i % 17 * 3));
        const auto point = static_cast<int>(random() % digits.size());
        char text[64];
        std::snprintf(text, sizeof text, "%.*s.%se%d", point, digits.c_str(),
                      digits.c_str() + point, static_cast<int>(random() % 80) - 40);
        ASSERT_EQ(ParseNumber(text).value, std::strtod(text, nullptr)) << text;
    }
}

struct RoundCase {
    const char* name;
    double value;
    std::optional<std::int16_t> expected;
};

class RoundToInt16Test : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16Test, RoundsHalfToEven) {
    EXPECT_EQ(RoundToInt16(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToInt16Test,
    testing::Values(
        // Halfway goes to the even neighbour, on both sides of zero.
        RoundCase{"HalfToZero", 0.5, 0}, RoundCase{"OneAndHalfUp", 1.5, 2},
        RoundCase{"TwoAndHalfDown", 2.5, 2}, RoundCase{"NegativeHalf", -0.5, 0},
        RoundCase{"NegativeOneAndHalf", -1.5, -2},
        RoundCase{"JustBelowHalf", 0.49999999999999994, 0},
        RoundCase{"JustAboveHalf", 2.5000000000000004, 3}, RoundCase{"Whole", 220, 220},
        // The 16-bit range, judged after rounding.
        RoundCase{"Largest", 32767.4, 32767}, RoundCase{"RoundsPastLargest", 32767.5, std::nullopt},
        RoundCase{"SmallestByRounding", -32768.5, -32768},
        RoundCase{"BelowSmallest", -32769, std::nullopt}, RoundCase{"Huge", 1e300, std::nullopt},
        RoundCase{"Infinity", std::numeric_limits<double>::infinity(), std::nullopt},
        RoundCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), std::nullopt}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ranktally
