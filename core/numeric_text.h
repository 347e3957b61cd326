#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ranktally {

// The conversions between the texts a user sees and the numbers the calculator uses, by the
// same rules everywhere; they know no locale but the separator a caller hands in.

struct ParsedNumber {
    double value = 0;  // an infinity of the number's sign when `overflow` is set
    bool overflow = false;
};

// Reads the leading number of any text (blanks, tabs and line feeds anywhere are ignored;
// "&H" and "&O" prefixes read hexadecimal and octal); text with no leading number reads as 0.
// A number too small for a double reads as 0; one too large is reported as an overflow.
ParsedNumber ParseNumber(std::string_view text);

// A text's leading number, and how much of the text made it.
struct NumberReading {
    ParsedNumber number;
    // The characters of the text, blanks among them, up to the last one that made the number; 0
    // when no number was read.
    std::size_t used = 0;
};

// ParseNumber's reading, with how much of the text it used.
NumberReading ReadNumber(std::string_view text);

// Writes a finite value to 15 significant digits with no grouping and no trailing zeros,
// switching to an exponent form ("1E+15", "3.02083333333333E-06") outside 1E-4 to 1E+15.
std::string FormatGeneral(double value, std::string_view decimalSeparator = ".");

// Rounds half to even; no value outside the 16-bit range.
std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace ranktally
