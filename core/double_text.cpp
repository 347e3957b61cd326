#include "double_text.h"

#include <charconv>
#include <system_error>
#include <version>

#if !defined(__cpp_lib_to_chars) || defined(RANKTALLY_OWN_CHARCONV)
#define RANKTALLY_USES_OWN_CHARCONV
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>
#endif

namespace ranktally {

#if !defined(RANKTALLY_USES_OWN_CHARCONV)

CharsReading ReadChars(std::string_view run, bool hex) {
    double value = 0;
    const auto result = std::from_chars(run.data(), run.data() + run.size(), value,
                                        hex ? std::chars_format::hex : std::chars_format::general);
    return {value, result.ec == std::errc::result_out_of_range};
}

// to_chars is defined to write what printf writes in the C locale.
std::string_view WriteGeneral15(double value, char (&buffer)[64]) {
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

#else

namespace {

// The WebAssembly build's libc++ has no std::bit_cast either.
template <typename To, typename From>
To BitCast(From from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

int HexValue(char digit) {
    if (digit <= '9') {
        return digit - '0';
    }
    return (digit | 0x20) - 'a' + 10;
}

// A whole hexadecimal number: its first 64 bits, with any bit set below them kept in the lowest
// (far below where a double rounds), converted in one correctly rounded step, then scaled by a
// power of two, which is exact up to the largest double.
double ReadHexDigits(std::string_view digits) {
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    constexpr std::size_t kDigitsInWord = 16;
    std::uint64_t word = 0;
    for (const char digit : digits.substr(0, kDigitsInWord)) {
        word = word << 4 | static_cast<std::uint64_t>(HexValue(digit));
    }
    if (digits.size() <= kDigitsInWord) {
        return static_cast<double>(word);
    }
    const std::string_view rest = digits.substr(kDigitsInWord);
    if (rest.find_first_not_of('0') != std::string_view::npos) {
        word |= 1;
    }
    constexpr std::uint64_t kLargestPower = 1023;
    const std::uint64_t power = rest.size() * 4;
    if (power > kLargestPower) {
        return HUGE_VAL;
    }
    return static_cast<double>(word) * BitCast<double>((kLargestPower + power) << 52);
}

// A decimal read digit by digit and halved or doubled until it is a double's mantissa, which is
// exact for any length: the value is 0.digits_ × 10^point_, with `truncated_` set when a digit
// that is not zero was dropped beyond the most a halfway case can need.
class Decimal {
public:
    // Digits, an optional point and digits, an optional exponent: what the caller checked.
    explicit Decimal(std::string_view run) {
        std::int64_t point = 0;
        bool seenPoint = false;
        std::size_t at = 0;
        for (; at < run.size() && run[at] != 'e' && run[at] != 'E'; ++at) {
            if (run[at] == '.') {
                seenPoint = true;
                continue;
            }
            if (digits_.empty() && run[at] == '0') {
                point -= seenPoint ? 1 : 0;
                continue;
            }
            point += seenPoint ? 0 : 1;
            Append(run[at]);
        }
        if (at < run.size()) {
            const std::string_view exponent = run.substr(at + 1);
            const bool negative = exponent.front() == '-';
            std::int64_t value = 0;
            for (const char digit : exponent.substr(exponent.front() == '+' || negative ? 1 : 0)) {
                value = std::min<std::int64_t>(value * 10 + (digit - '0'), kSaturated);
            }
            point += negative ? -value : value;
        }
        point_ = static_cast<int>(std::clamp<std::int64_t>(point, -kFar, kFar));
        Trim();
    }

    bool IsZero() const { return digits_.empty(); }

    // Up to 15 digits are a whole number a double holds exactly, as it holds every power of ten
    // up to 10^22, so one multiplication or division rounds their value correctly (Clinger's fast
    // path): every figure this program writes is read so, with no long arithmetic.
    std::optional<double> Exactly() const {
        constexpr std::size_t kExactDigits = 15;
        constexpr int kExactPowers = 22;
        const int power10 = point_ - static_cast<int>(digits_.size());
        if (truncated_ || digits_.size() > kExactDigits || std::abs(power10) > kExactPowers) {
            return std::nullopt;
        }
        double whole = 0;
        for (const char digit : digits_) {
            whole = whole * 10 + (digit - '0');
        }
        double scale = 1;
        for (int i = 0; i < std::abs(power10); ++i) {
            scale *= 10;
        }
        return power10 < 0 ? whole / scale : whole * scale;
    }
    int Point() const { return point_; }
    char First() const { return digits_.empty() ? '0' : digits_.front(); }

    // Times 2^shift, or divided by 2^-shift; a shift of at most 27 keeps the carry in 64 bits.
    void Shift(int shift) {
        for (; shift > 0; shift -= std::min(shift, kMostShift)) {
            Double(std::min(shift, kMostShift));
        }
        for (; shift < 0; shift += std::min(-shift, kMostShift)) {
            Halve(std::min(-shift, kMostShift));
        }
    }

    // The whole part, rounded half to even.
    std::uint64_t Rounded() const {
        std::uint64_t whole = 0;
        for (int at = 0; at < point_; ++at) {
            whole = whole * 10 + static_cast<std::uint64_t>(Digit(at) - '0');
        }
        const bool half = Digit(point_) == '5' &&
                          static_cast<std::size_t>(point_) + 1 == digits_.size() && !truncated_;
        const bool up = Digit(point_) >= '5' && !(half && whole % 2 == 0);
        return whole + (up && point_ >= 0 ? 1 : 0);
    }

private:
    static constexpr std::size_t kMostDigits = 800;
    static constexpr int kMostShift = 27;
    // Far beyond where a double ends, either way, yet far within an int.
    static constexpr std::int64_t kFar = 100000;
    static constexpr std::int64_t kSaturated = std::int64_t{1} << 40;

    char Digit(int at) const {
        return at >= 0 && static_cast<std::size_t>(at) < digits_.size() ? digits_[at] : '0';
    }
    void Append(char digit) {
        if (digits_.size() < kMostDigits) {
            digits_ += digit;
        } else if (digit != '0') {
            truncated_ = true;
        }
    }
    void Trim() { digits_.erase(digits_.find_last_not_of('0') + 1); }

    void Double(int shift) {
        std::uint64_t carry = 0;
        for (auto digit = digits_.rbegin(); digit != digits_.rend(); ++digit) {
            carry += static_cast<std::uint64_t>(*digit - '0') << shift;
            *digit = static_cast<char>('0' + carry % 10);
            carry /= 10;
        }
        std::string front;
        for (; carry != 0; carry /= 10) {
            front.insert(front.begin(), static_cast<char>('0' + carry % 10));
        }
        digits_.insert(0, front);
        point_ += static_cast<int>(front.size());
        if (digits_.size() > kMostDigits) {
            truncated_ =
                truncated_ || digits_.find_first_not_of('0', kMostDigits) != std::string::npos;
            digits_.resize(kMostDigits);
        }
        Trim();
    }
    void Halve(int shift) {
        std::string halved;
        std::uint64_t remainder = 0;
        std::size_t read = 0;
        for (; read < digits_.size() || (remainder != 0 && halved.size() < kMostDigits); ++read) {
            remainder = remainder * 10 + (read < digits_.size() ? digits_[read] - '0' : 0);
            const std::uint64_t digit = remainder >> shift;
            remainder &= (std::uint64_t{1} << shift) - 1;
            if (halved.empty() && digit == 0) {
                --point_;
                continue;
            }
            halved += static_cast<char>('0' + digit);
        }
        truncated_ = truncated_ || remainder != 0;
        digits_ = std::move(halved);
        Trim();
    }

    std::string digits_;
    int point_ = 0;
    bool truncated_ = false;
};

// A decimal run as the nearest double, halfway cases to even; an infinity beyond the largest, 0
// below the smallest.
double ReadDecimalDigits(std::string_view run) {
    Decimal decimal(run);
    if (const std::optional<double> exact = decimal.Exactly()) {
        return *exact;
    }
    constexpr int kBias = 1023;
    constexpr int kMantissaBits = 52;
    if (decimal.IsZero() || decimal.Point() < -330) {
        return 0;
    }
    if (decimal.Point() > 310) {
        return HUGE_VAL;
    }
    // Halved or doubled into [0.5, 1), counting the powers of two.
    int power2 = 0;
    constexpr int kStep = 27;
    while (decimal.Point() < 0) {
        decimal.Shift(kStep);
        power2 -= kStep;
    }
    while (decimal.Point() > 0) {
        decimal.Shift(-kStep);
        power2 += kStep;
    }
    while (decimal.Point() < 0 || (decimal.Point() == 0 && decimal.First() < '5')) {
        decimal.Shift(1);
        power2 -= 1;
    }
    power2 -= 1;  // [1, 2), as a double's mantissa reads
    if (power2 < 1 - kBias) {
        decimal.Shift(power2 - (1 - kBias));  // a subnormal keeps fewer digits
        power2 = 1 - kBias;
    }
    decimal.Shift(kMantissaBits + 1);
    std::uint64_t mantissa = decimal.Rounded();
    if (mantissa == std::uint64_t{2} << kMantissaBits) {
        mantissa >>= 1;
        ++power2;
    }
    if (power2 + kBias >= 0x7FF) {
        return HUGE_VAL;
    }
    const bool normal = (mantissa >> kMantissaBits) != 0;
    const auto biased = static_cast<std::uint64_t>(normal ? power2 + kBias : 0);
    return BitCast<double>(biased << kMantissaBits |
                           (mantissa & ((std::uint64_t{1} << kMantissaBits) - 1)));
}

// The digits of a whole number held in limbs of nine decimal digits, the least first.
class DecimalDigits {
public:
    explicit DecimalDigits(std::uint64_t value) {
        for (; value != 0; value /= kLimb) {
            limbs_.push_back(static_cast<std::uint32_t>(value % kLimb));
        }
    }

    // Multiplies by base^power, a few powers at a time.
    void MultiplyByPower(std::uint32_t base, int power, int powersAtOnce) {
        for (; power > 0; power -= powersAtOnce) {
            std::uint32_t factor = 1;
            for (int i = 0; i < std::min(power, powersAtOnce); ++i) {
                factor *= base;
            }
            std::uint64_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                carry += std::uint64_t{limb} * factor;
                limb = static_cast<std::uint32_t>(carry % kLimb);
                carry /= kLimb;
            }
            for (; carry != 0; carry /= kLimb) {
                limbs_.push_back(static_cast<std::uint32_t>(carry % kLimb));
            }
        }
    }

    std::string Written() const {
        std::string digits;
        for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
            for (std::uint32_t value = *limb, unit = kLimb / 10; unit != 0; unit /= 10) {
                digits += static_cast<char>('0' + value / unit % 10);
            }
        }
        digits.erase(0, digits.find_first_not_of('0'));
        return digits;
    }

private:
    static constexpr std::uint32_t kLimb = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

// The significant digits a figure is written with.
constexpr std::size_t kPrecision = 15;

// The exact decimal digits of mantissa × 2^power2, from the first that is not zero, and the power
// of ten of that first digit.
struct Expansion {
    std::string digits;
    int power10;
};

Expansion Expanded(std::uint64_t mantissa, int power2) {
    // Where the binary point falls within 60 bits, ten times the fraction stays within 64, so
    // its digits come one at a time with no long arithmetic: 2^-k has k digits.
    constexpr int kShortFraction = 60;
    constexpr int kShortWhole = 11;  // a mantissa of 53 bits shifted stays within 64
    if (power2 >= -kShortFraction && power2 <= kShortWhole) {
        const int shift = std::max(-power2, 0);
        const std::uint64_t whole = (mantissa << std::max(power2, 0)) >> shift;
        const std::uint64_t mask = (std::uint64_t{1} << shift) - 1;
        Expansion expansion{whole == 0 ? "" : std::to_string(whole), 0};
        expansion.power10 = static_cast<int>(expansion.digits.size()) - 1;
        for (std::uint64_t fraction = mantissa & mask; fraction != 0; fraction &= mask) {
            // The digit past the last written decides its rounding, and a last 1 stands for
            // every digit beyond that is not zero.
            if (expansion.digits.size() == kPrecision + 1) {
                expansion.digits += '1';
                break;
            }
            fraction *= 10;
            const auto digit = static_cast<char>('0' + (fraction >> shift));
            if (expansion.digits.empty() && digit == '0') {
                --expansion.power10;
            } else {
                expansion.digits += digit;
            }
        }
        return expansion;
    }
    DecimalDigits number(mantissa);
    if (power2 < 0) {
        number.MultiplyByPower(5, -power2, 13);  // 5^13 < 2^32
    } else {
        number.MultiplyByPower(2, power2, 29);
    }
    std::string digits = number.Written();
    const int power10 = static_cast<int>(digits.size()) - 1 - std::max(-power2, 0);
    return {std::move(digits), power10};
}

void Append(char*& out, std::string_view text) {
    out = std::copy(text.begin(), text.end(), out);
}

}  // namespace

CharsReading ReadChars(std::string_view run, bool hex) {
    const double value = hex ? ReadHexDigits(run) : ReadDecimalDigits(run);
    // The caller hands in no decimal run of zeros alone: 0 is a value too small.
    return {value, std::isinf(value) || (!hex && value == 0)};
}

// From the value's exact decimal expansion: a double is a whole number times a power of two, and
// 2^-k is 5^k / 10^k. Rounded half to even, as printf rounds.
std::string_view WriteGeneral15(double value, char (&buffer)[64]) {
    const auto bits = BitCast<std::uint64_t>(value);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int power2 = -1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        power2 = biased - 1075;
    }
    Expansion expansion = Expanded(mantissa, power2);
    std::string& digits = expansion.digits;
    int& power10 = expansion.power10;

    if (digits.size() > kPrecision) {
        const char next = digits[kPrecision];
        const bool beyond = digits.find_first_not_of('0', kPrecision + 1) != std::string::npos;
        const bool odd = (digits[kPrecision - 1] - '0') % 2 != 0;
        digits.resize(kPrecision);
        if (next > '5' || (next == '5' && (beyond || odd))) {
            std::size_t at = kPrecision;
            for (; at > 0 && digits[at - 1] == '9'; --at) {
                digits[at - 1] = '0';
            }
            if (at == 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++power10;
            } else {
                ++digits[at - 1];
            }
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    char* out = buffer;
    if (std::signbit(value)) {
        *out++ = '-';
    }
    const auto digitsFrom = [&digits](std::size_t first) {
        return std::string_view(digits).substr(std::min(first, digits.size()));
    };
    if (power10 < -4 || power10 >= static_cast<int>(kPrecision)) {
        *out++ = digits[0];
        if (digits.size() > 1) {
            *out++ = '.';
            Append(out, digitsFrom(1));
        }
        *out++ = 'e';
        *out++ = power10 < 0 ? '-' : '+';
        const int magnitude = std::abs(power10);
        if (magnitude >= 100) {
            *out++ = static_cast<char>('0' + magnitude / 100);
        }
        *out++ = static_cast<char>('0' + magnitude / 10 % 10);
        *out++ = static_cast<char>('0' + magnitude % 10);
    } else if (power10 < 0) {
        Append(out, "0.");
        Append(out, std::string(static_cast<std::size_t>(-power10 - 1), '0'));
        Append(out, digits);
    } else {
        const auto whole = static_cast<std::size_t>(power10) + 1;
        Append(out, std::string_view(digits).substr(0, whole));
        Append(out, std::string(whole - std::min(whole, digits.size()), '0'));
        if (digits.size() > whole) {
            *out++ = '.';
            Append(out, digitsFrom(whole));
        }
    }
    return {buffer, static_cast<std::size_t>(out - buffer)};
}

#endif

}  // namespace ranktally
