#include "whole_points.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "numeric_text.h"
#include "rate_reading.h"
#include "translation.h"

namespace ranktally {
namespace {

constexpr std::int64_t kBillion = 1000000000;
// A percent above this is as good as any larger one: it is more than a whole step.
constexpr std::int64_t kLargestPercent = 1000;

// What stands around a number without being part of it: ASCII blanks, U+00A0 and U+202F.
constexpr std::array<std::string_view, 5> kBlanks = {" ", "\t", "\n", "\xC2\xA0", "\xE2\x80\xAF"};
// What may stand between groups of three digits.
constexpr std::array<std::string_view, 6> kGroupSeparators = {" ", "\xC2\xA0", "\xE2\x80\xAF",
                                                              ".", ",",        "'"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The one of these that `text` starts with; empty when none.
template <std::size_t N>
std::string_view StartingWith(std::string_view text, const std::array<std::string_view, N>& any) {
    for (const std::string_view candidate : any) {
        if (text.starts_with(candidate)) {
            return candidate;
        }
    }
    return {};
}

std::string_view Trimmed(std::string_view text) {
    for (std::string_view blank; !(blank = StartingWith(text, kBlanks)).empty();) {
        text.remove_prefix(blank.size());
    }
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : kBlanks) {
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

std::string_view LeadingDigits(std::string_view text) {
    return text.substr(0, static_cast<std::size_t>(
                              std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin()));
}

// Takes a leading sign off the text: true when it was a minus.
bool TakeSign(std::string_view& text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    return negative;
}

// A sign, digits, a mark and digits, blanks, "%": the percent in billionths; none otherwise.
std::optional<std::int64_t> ReadPercent(std::string_view text) {
    if (!text.ends_with('%')) {
        return std::nullopt;
    }
    text = Trimmed(text.substr(0, text.size() - 1));
    const bool negative = TakeSign(text);
    const std::string_view whole = LeadingDigits(text);
    text.remove_prefix(whole.size());
    std::string_view fraction;
    if (!whole.empty() && (text.starts_with('.') || text.starts_with(','))) {
        fraction = LeadingDigits(text.substr(1));
        text.remove_prefix(1 + fraction.size());
    }
    if (whole.empty() || !text.empty()) {
        return std::nullopt;
    }
    std::int64_t billionths = 0;
    for (const char digit : whole) {
        billionths = std::min(billionths * 10 + (digit - '0'), kLargestPercent);
    }
    std::int64_t unit = kBillion;
    billionths *= unit;
    for (const char digit : fraction.substr(0, 9)) {
        unit /= 10;
        billionths += (digit - '0') * unit;
    }
    return negative ? -billionths : billionths;
}

std::string NoNumberNote() {
    return std::string(Translated(N_("No number here: read as 0.")));
}

// Said when reading stopped before `rest`.
std::string ReadAsNote(double value, std::string_view rest, std::string_view decimalSeparator) {
    return Filled(Translated(N_("Read as %1: everything from \"%2\" on is ignored.")),
                  {FormatGeneral(value, decimalSeparator), FirstCharacter(rest)});
}

}  // namespace

WholePointsReading ReadWholePoints(std::string_view text, std::string_view decimalSeparator) {
    text = Trimmed(text);
    WholePointsReading reading;
    if (text.empty()) {
        return reading;
    }
    reading.given = true;
    if (const std::optional<std::int64_t> percent = ReadPercent(text)) {
        reading.number = true;
        reading.percentBillionths = percent;
        return reading;
    }
    std::string_view rest = text;
    const bool negative = TakeSign(rest);
    const std::string_view first = LeadingDigits(rest);
    if (first.empty()) {
        reading.note = NoNumberNote();
        return reading;
    }
    reading.number = true;
    std::string digits(first);
    rest.remove_prefix(first.size());
    // Groups of three after a first of one to three digits, all by the same separator.
    std::string_view separator;
    while (first.size() <= 3) {
        const std::string_view next = StartingWith(rest, kGroupSeparators);
        const std::string_view group = LeadingDigits(rest.substr(next.size()));
        if (next.empty() || group.size() != 3 || (!separator.empty() && next != separator)) {
            break;
        }
        separator = next;
        digits += group;
        rest.remove_prefix(next.size() + group.size());
    }
    for (const char digit : digits) {
        reading.points = reading.points * 10 + (digit - '0');
    }
    reading.points = negative ? -reading.points : reading.points;
    if (!rest.empty()) {
        reading.note = ReadAsNote(reading.points, rest, decimalSeparator);
    }
    return reading;
}

DecimalReading ReadDecimal(std::string_view text, std::string_view decimalSeparator) {
    std::string_view rest = Trimmed(text);
    DecimalReading reading;
    if (rest.empty()) {
        return reading;
    }
    const bool negative = TakeSign(rest);
    const std::string_view whole = LeadingDigits(rest);
    if (whole.empty()) {
        reading.note = NoNumberNote();
        return reading;
    }
    rest.remove_prefix(whole.size());
    std::string number(whole);
    if (rest.starts_with('.') || rest.starts_with(',')) {
        const std::string_view fraction = LeadingDigits(rest.substr(1));
        number += '.';
        number += fraction;
        rest.remove_prefix(1 + fraction.size());
    }
    reading.value = ParseNumber(number).value * (negative ? -1 : 1);
    if (!rest.empty()) {
        reading.note = ReadAsNote(reading.value, rest, decimalSeparator);
    }
    return reading;
}

double PercentOf(std::int64_t percentBillionths, double points) {
    // points × percent / (100 × 10^9) in parts that each stay far within 64 bits: the percent as
    // high × 10^5 + low, and the high part's share carried over in millionths.
    const auto whole = static_cast<std::int64_t>(points);
    const std::int64_t percent = std::min(
        percentBillionths < 0 ? -percentBillionths : percentBillionths, kLargestPercent * kBillion);
    const std::int64_t high = whole * (percent / 100000);
    const std::int64_t low = whole * (percent % 100000);
    const std::int64_t share = high / 1000000 + (high % 1000000 * 100000 + low) / (100 * kBillion);
    return static_cast<double>(percentBillionths < 0 ? -share : share);
}

}  // namespace ranktally
