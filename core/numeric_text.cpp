#include "numeric_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "double_text.h"

namespace ranktally {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !IsBlank(c); });
    return kept;
}

std::string_view LeadingRun(std::string_view text, bool (*belongs)(char)) {
    const auto end = std::find_if_not(text.begin(), text.end(), belongs);
    return text.substr(0, static_cast<std::size_t>(end - text.begin()));
}

ParsedNumber Overflow(bool negative) {
    const double infinity = std::numeric_limits<double>::infinity();
    return {negative ? -infinity : infinity, true};
}

// Regroups octal digits into hexadecimal ones, bit for bit, so that the one correctly rounding
// reader serves both radixes.
std::string OctalAsHex(std::string_view octal) {
    std::string bits;
    bits.reserve(octal.size() * 3 + 3);
    for (const char digit : octal) {
        const int value = digit - '0';
        bits += (value & 4) ? '1' : '0';
        bits += (value & 2) ? '1' : '0';
        bits += (value & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    hex.reserve(bits.size() / 4 + 1);
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                           (bits[i + 3] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    return hex;
}

ParsedNumber ReadHex(std::string_view digits) {
    if (digits.empty()) {
        return {};
    }
    const CharsReading reading = ReadChars(digits, true);
    // A run of hexadecimal digits is a whole number: out of range can only mean too large.
    if (reading.outOfRange) {
        return Overflow(false);
    }
    return {reading.value, false};
}

// The power of ten of the leading nonzero digit of an unsigned decimal that is not zero, with its
// exponent mark taken into account; saturates long before an int64 would.
std::int64_t DecimalMagnitude(std::string_view integral, std::string_view fraction,
                              std::string_view exponent) {
    constexpr std::int64_t kSaturation = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    const auto firstIntegral = integral.find_first_not_of('0');
    if (firstIntegral != std::string_view::npos) {
        magnitude = static_cast<std::int64_t>(integral.size() - firstIntegral) - 1;
    } else {
        magnitude = -static_cast<std::int64_t>(fraction.find_first_not_of('0')) - 1;
    }
    bool negativeExponent = false;
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        negativeExponent = exponent.front() == '-';
        exponent.remove_prefix(1);
    }
    std::int64_t exponentValue = 0;
    for (const char digit : exponent) {
        exponentValue = std::min(exponentValue * 10 + (digit - '0'), kSaturation);
    }
    return magnitude + (negativeExponent ? -exponentValue : exponentValue);
}

// Reads the leading decimal number of `text`; `used` is set to how many characters made it.
ParsedNumber ReadDecimal(std::string_view text, std::size_t& used) {
    used = 0;
    bool negative = false;
    std::size_t signLength = 0;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        signLength = 1;
    }
    const std::string_view integral = LeadingRun(text, IsDigit);
    std::string_view fraction;
    std::size_t length = integral.size();
    if (length < text.size() && text[length] == '.') {
        fraction = LeadingRun(text.substr(length + 1), IsDigit);
        length += 1 + fraction.size();
    }
    if (integral.empty() && fraction.empty()) {
        return {};
    }
    std::string_view exponent;
    if (length < text.size() && (text[length] == 'e' || text[length] == 'E')) {
        const std::string_view rest = text.substr(length + 1);
        const std::size_t exponentSign =
            (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) ? 1 : 0;
        const std::string_view exponentDigits = LeadingRun(rest.substr(exponentSign), IsDigit);
        // A mark with no digits after it is not part of the number: "5e" reads as 5.
        if (!exponentDigits.empty()) {
            exponent = rest.substr(0, exponentSign + exponentDigits.size());
            length += 1 + exponent.size();
        }
    }
    used = signLength + length;
    const bool allZero = integral.find_first_not_of('0') == std::string_view::npos &&
                         fraction.find_first_not_of('0') == std::string_view::npos;
    if (allZero) {
        return {negative ? -0.0 : 0.0, false};
    }
    const CharsReading reading = ReadChars(text.substr(0, length), false);
    double value = reading.value;
    if (reading.outOfRange) {
        // The reader reports both ends of the range alike; only the large end is an overflow.
        if (DecimalMagnitude(integral, fraction, exponent) >= 0) {
            return Overflow(negative);
        }
        value = 0;
    }
    return {negative ? -value : value, false};
}

bool StartsWithPrefix(std::string_view text, char upperLetter) {
    return text.size() >= 2 && text[0] == '&' &&
           std::toupper(static_cast<unsigned char>(text[1])) == upperLetter;
}

}  // namespace

NumberReading ReadNumber(std::string_view text) {
    const std::string compact = WithoutBlanks(text);
    const std::string_view view = compact;
    NumberReading reading;
    std::size_t used = 0;
    if (StartsWithPrefix(view, 'H')) {
        const std::string_view hex = LeadingRun(view.substr(2), IsHexDigit);
        reading.number = ReadHex(hex);
        used = hex.empty() ? 0 : 2 + hex.size();
    } else if (StartsWithPrefix(view, 'O')) {
        const std::string_view octal = LeadingRun(view.substr(2), IsOctalDigit);
        reading.number = octal.empty() ? ParsedNumber{} : ReadHex(OctalAsHex(octal));
        used = octal.empty() ? 0 : 2 + octal.size();
    } else {
        reading.number = ReadDecimal(view, used);
    }
    // Back from the text without blanks to the text as typed: up to the last character used.
    for (std::size_t kept = 0; kept < used; ++reading.used) {
        if (!IsBlank(text[reading.used])) {
            ++kept;
        }
    }
    return reading;
}

ParsedNumber ParseNumber(std::string_view text) {
    return ReadNumber(text).number;
}

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
    if (value == 0) {
        return "0";  // negative zero too: "-0" means nothing to a player
    }
    char buffer[64];
    // A whole number below 1E+15 is written as its digits, with no separator: the common case
    // (every list entry, every points figure) needs no general formatting.
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
        return std::string(buffer, result.ptr);
    }
    const std::string_view written = WriteGeneral15(value, buffer);
    std::string text;
    text.reserve(written.size() + decimalSeparator.size());
    for (const char c : written) {
        if (c == '.') {
            text += decimalSeparator;
        } else {
            text += (c == 'e') ? 'E' : c;
        }
    }
    return text;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even unless someone
    // changed it; rounding by hand keeps the rule independent of that.
    constexpr int kSmallest = std::numeric_limits<std::int16_t>::min();
    constexpr int kLargest = std::numeric_limits<std::int16_t>::max();
    const double floor = std::floor(value);
    // Out of range whichever way it rounds, or not a number.
    if (!(floor >= kSmallest - 1 && floor <= kLargest)) {
        return std::nullopt;
    }
    const int whole = static_cast<int>(floor);
    const double fraction = value - floor;
    const int rounded = whole + ((fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ? 1 : 0);
    if (rounded < kSmallest || rounded > kLargest) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace ranktally
