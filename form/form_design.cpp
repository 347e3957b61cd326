#include "form_design.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calculator.h"
#include "numeric_text.h"

namespace ranktally {
namespace {

constexpr double kStep = 1.01;
constexpr int kMaxSteps = 500;
// FormatGeneral writes at most this many significant digits.
constexpr int kSignificantDigits = 15;

bool Wraps(const ControlDesign& control) {
    return control.kind == ControlKind::Warning || control.kind == ControlKind::Credit;
}

}  // namespace

const ControlDesign& DesignOf(std::string_view name) {
    return *std::find_if(kForm1Controls.begin(), kForm1Controls.end(),
                         [name](const ControlDesign& control) { return control.name == name; });
}

std::vector<std::string> ListEntries(int count, std::string_view decimalSeparator) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (double counter = 1; counter <= count; ++counter) {
        entries.push_back(FormatGeneral(counter, decimalSeparator));
    }
    return entries;
}

int ClientHeightTwips(int outerHeightTwips) {
    return outerHeightTwips - (kCompactHeightTwips - kDesignedClientHeightTwips);
}

std::array<std::string, 2> WidestFigures(char widestDigit, std::string_view decimalSeparator) {
    std::string positional("-0");
    positional.append(decimalSeparator).append("000").append(kSignificantDigits, widestDigit);
    std::string exponent("-");
    exponent.append(1, widestDigit)
        .append(decimalSeparator)
        .append(kSignificantDigits - 1, widestDigit)
        .append("E-")
        .append(3, widestDigit);
    return {positional, exponent};
}

int TwipsScale::ToPixels(int twips) const {
    return static_cast<int>(std::lround(twips * pixelsPerTwip_));
}

PixelRect TwipsScale::ToPixels(const TwipsRect& rect) const {
    const int left = ToPixels(rect.left);
    const int top = ToPixels(rect.top);
    return {left, top, ToPixels(rect.left + rect.width) - left,
            ToPixels(rect.top + rect.height) - top};
}

bool TwipsScale::Fits(const ControlDesign& control, const TextMeasure& measure) const {
    const PixelRect available = ToPixels(control.rect);
    if (Wraps(control)) {
        return measure.HeightForWidth(control, available.width) <= available.height;
    }
    const PixelSize needed = measure.Needed(control);
    return needed.width <= available.width && needed.height <= available.height;
}

TwipsScale TwipsScale::Fitting(std::span<const ControlDesign> controls,
                               const TextMeasure& measure) {
    // Start from the largest ratio of needed to designed size, which every single-line control
    // meets; wrapped text and rounding may want a few steps more.
    double scale = kDesignPixelsPerTwip;
    for (const ControlDesign& control : controls) {
        if (!Wraps(control)) {
            const PixelSize needed = measure.Needed(control);
            scale = std::max({scale, double(needed.width) / control.rect.width,
                              double(needed.height) / control.rect.height});
        }
    }
    TwipsScale fitting(scale);
    const auto allFit = [&] {
        return std::all_of(controls.begin(), controls.end(), [&](const ControlDesign& control) {
            return fitting.Fits(control, measure);
        });
    };
    // Every step widens every control, so all fit long before the bound; it only guards start-up
    // against a font whose metrics make no sense.
    for (int step = 0; step < kMaxSteps && !allFit(); ++step) {
        fitting.pixelsPerTwip_ *= kStep;
    }
    return fitting;
}

}  // namespace ranktally
