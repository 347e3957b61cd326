#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ranktally {

// Whole points as a player types them, read the same in every locale: digits grouped by thousands
// with one separator throughout (a space, a no-break space, a period, a comma or an apostrophe),
// or a percent with "." or "," as its decimal mark. It knows nothing of levels or rates.

struct WholePointsReading {
    bool given = false;   // the text holds more than blanks
    bool number = false;  // it holds a number or a percent, not only what is read as 0
    double points = 0;    // what was read; 0 for an empty text, one with no number, or a percent
    // When the text is a percent: it, in billionths of a percent (43.5 % is 43500000000).
    std::optional<std::int64_t> percentBillionths;
    // Said when the reading stopped before the end of the text, or found no number in it.
    std::string note;
};

// An empty or blank text reads 0 with no note. Otherwise a sign, then digits: a separator between
// digits groups them when the first group has one to three digits and each later group three;
// reading stops before the first separator that breaks that rule, or at any other character, and
// the note says what was read. A percent is digits, a decimal mark and digits, blanks, then "%".
WholePointsReading ReadWholePoints(std::string_view text, std::string_view decimalSeparator);

// A number as a player types a count of minutes: a sign, digits, and "." or "," as its decimal mark
// with digits, blanks around it, no grouping.
struct DecimalReading {
    double value = 0;  // what was read; 0 for an empty text or one with no number
    std::string note;  // as a reading of whole points says it
};

// Reads as ReadWholePoints reads, with a decimal mark in place of grouping.
DecimalReading ReadDecimal(std::string_view text, std::string_view decimalSeparator);

// The percent of these whole points, rounded toward 0 to whole points, exactly for any points a
// level takes: a percent's decimals past the ninth are dropped as it is read, which moves no
// result by a thousandth of a point.
double PercentOf(std::int64_t percentBillionths, double points);

}  // namespace ranktally
