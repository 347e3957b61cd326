#pragma once

#include <string_view>

namespace ranktally {

// A double from a run of digits and back, in the C locale whatever the user's: the standard
// library's own conversions where it has them, and where it has not (the WebAssembly build's
// libc++), correctly rounded conversions that need none of the C library's locale-bound ones. It
// knows nothing of signs, prefixes or separators, which numeric_text.h reads and writes. Built with
// RANKTALLY_OWN_CHARCONV, it uses its own conversions anywhere, so that every build tests them.

// A run of digits the caller has checked, read as a double: decimal (with its point and exponent)
// or a whole hexadecimal number; out of range both where it is too large and where it is too
// small.
struct CharsReading {
    double value = 0;
    bool outOfRange = false;
};

CharsReading ReadChars(std::string_view run, bool hex);

// printf's "%.15g" of a finite value, into the buffer.
std::string_view WriteGeneral15(double value, char (&buffer)[64]);

}  // namespace ranktally
