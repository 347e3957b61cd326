#include "form_design.h"

#include <algorithm>
#include <string>

#include "calculator.h"
#include "numeric_text.h"
#include "plan.h"

namespace ranktally {
namespace {

constexpr double kStep = 1.01;
constexpr int kMaxSteps = 500;
// FormatGeneral writes at most this many significant digits.
constexpr int kSignificantDigits = 15;

bool Wraps(const ControlDesign& control) {
    return control.kind == ControlKind::Warning || control.kind == ControlKind::Notice ||
           control.kind == ControlKind::Credit;
}

const SelectorDesign& SelectorOf(std::string_view name) {
    const auto* found = std::find_if(kSelectors.begin(), kSelectors.end(),
                                     [name](const SelectorDesign& s) { return s.name == name; });
    if (found == kSelectors.end()) {
        throw std::out_of_range("no selector of the form is named " + std::string(name));
    }
    return *found;
}

// A control with the text it must show, and, when it is single-line, the size that takes.
struct Measured {
    const ControlDesign& control;
    std::string text;
    PixelSize needed;
};

std::vector<Measured> MeasureAll(std::span<const ControlDesign> controls,
                                 const TextMeasure& measure, std::string_view decimalSeparator) {
    const std::string figure = WidestFigure(measure, decimalSeparator);
    std::vector<Measured> measured;
    measured.reserve(controls.size());
    for (const ControlDesign& control : controls) {
        std::string text = MeasuredText(control, measure, figure);
        // A table needs no size of its own: it scrolls.
        const bool sized = !Wraps(control) && control.kind != ControlKind::Table;
        const PixelSize needed = sized ? measure.Needed(control, text) : PixelSize{};
        measured.push_back({control, std::move(text), needed});
    }
    return measured;
}

}  // namespace

std::string ListEntry(int index) {
    return FormatGeneral(index + 1);
}

std::vector<std::string> ListEntries(const SelectorDesign& selector) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(selector.entries));
    for (int index = 0; index < selector.entries; ++index) {
        entries.push_back(ListEntry(index));
    }
    return entries;
}

std::string StartingText(Input input) {
    const ControlDesign& control = DesignOf(ControlOf(input));
    if (control.kind != ControlKind::Selector) {
        return std::string(control.text);
    }
    const int pick = SelectorOf(control.name).startingPick;
    return pick == kNothingPicked ? std::string() : ListEntry(pick);
}

std::optional<Input> InputOf(std::string_view control) {
    for (const Input input : kInputs) {
        if (ControlOf(input) == control) {
            return input;
        }
    }
    return std::nullopt;
}

int ClientHeightTwips(int outerHeightTwips) {
    return outerHeightTwips - (kCompactHeightTwips - kDesignedClientHeightTwips);
}

PixelSize ClientSize(const TwipsScale& scale, int outerHeightTwips) {
    return {scale.ToPixels(kClientWidthTwips), scale.ToPixels(ClientHeightTwips(outerHeightTwips))};
}

std::string WidestFigure(const TextMeasure& measure, std::string_view decimalSeparator) {
    char widestDigit = '0';
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (measure.FigureWidth(std::string(1, digit)) >
            measure.FigureWidth(std::string(1, widestDigit))) {
            widestDigit = digit;
        }
    }
    std::string positional("-0");
    positional.append(decimalSeparator).append("000").append(kSignificantDigits, widestDigit);
    std::string exponent("-");
    exponent.append(1, widestDigit)
        .append(decimalSeparator)
        .append(kSignificantDigits - 1, widestDigit)
        .append("E-")
        .append(3, widestDigit);
    return measure.FigureWidth(exponent) > measure.FigureWidth(positional) ? exponent : positional;
}

std::string MeasuredText(const ControlDesign& control, const TextMeasure& measure,
                         std::string_view widestFigure) {
    switch (control.kind) {
        case ControlKind::Selector:
            // The entries are whole numbers from 1 up: the last is the longest.
            return ListEntry(SelectorOf(control.name).entries - 1);
        case ControlKind::RateBox:
            return std::string(widestFigure);
        case ControlKind::ResultBox: {
            std::string_view widest = widestFigure;
            for (const std::string_view verdict : {Translated(kUnlimited), Translated(kOverflow)}) {
                if (measure.FigureWidth(verdict) > measure.FigureWidth(widest)) {
                    widest = verdict;
                }
            }
            return std::string(widest);
        }
        case ControlKind::DateBox: {
            std::string widest = measure.WidestDate();
            const std::string_view far = Translated(kAfterYear9999);
            if (measure.FigureWidth(far) > measure.FigureWidth(widest)) {
                widest = far;
            }
            return widest;
        }
        case ControlKind::Warning:
            return std::string(Translated(kWarningMessage));
        case ControlKind::Credit:
            return std::string(Translated(control.text)) + "\n" +
                   std::string(Translated(kPlanLinkText));
        case ControlKind::Table:
            return {};
        case ControlKind::Caption:
        case ControlKind::Heading:
        case ControlKind::Button:
        case ControlKind::Notice:
            break;
    }
    return std::string(Translated(control.text));
}

std::string AccessibleName(const ControlDesign& caption) {
    std::string name(Translated(caption.text));
    // A colon, then any plain, no-break (U+00A0) or narrow no-break (U+202F) space before it.
    constexpr std::string_view kTrailing[] = {":", " ", "\xC2\xA0", "\xE2\x80\xAF"};
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view tail : kTrailing) {
            if (name.ends_with(tail)) {
                name.resize(name.size() - tail.size());
                trimmed = true;
            }
        }
    }
    return name;
}

int TwipsScale::ToPixels(int twips) const {
    // Halves away from zero, as std::lround, which would be the program's one call into the
    // maths library: linked, that library stands ahead of the C library in each of the loader's
    // ten thousand symbol lookups at start-up.
    const double pixels = twips * pixelsPerTwip_;
    const int whole = static_cast<int>(pixels);
    const double rest = pixels - whole;
    return whole + (rest >= 0.5 ? 1 : 0) - (rest <= -0.5 ? 1 : 0);
}

PixelRect TwipsScale::ToPixels(const TwipsRect& rect) const {
    const int left = ToPixels(rect.left);
    const int top = ToPixels(rect.top);
    return {left, top, ToPixels(rect.left + rect.width) - left,
            ToPixels(rect.top + rect.height) - top};
}

namespace {

bool Fits(const TwipsScale& scale, const Measured& measured, const TextMeasure& measure) {
    const PixelRect available = scale.ToPixels(measured.control.rect);
    if (Wraps(measured.control)) {
        return measure.HeightForWidth(measured.control, measured.text, available.width) <=
               available.height;
    }
    return measured.needed.width <= available.width && measured.needed.height <= available.height;
}

bool AllFit(const TwipsScale& scale, const std::vector<Measured>& measured,
            const TextMeasure& measure) {
    return std::all_of(measured.begin(), measured.end(),
                       [&](const Measured& one) { return Fits(scale, one, measure); });
}

}  // namespace

TwipsScale TwipsScale::Fitting(std::span<const ControlDesign> controls, const TextMeasure& measure,
                               std::string_view decimalSeparator) {
    // Each text is measured once. Start from the largest ratio of needed to designed size, which
    // every single-line control meets; wrapped text and rounding may want a few steps more.
    const std::vector<Measured> measured = MeasureAll(controls, measure, decimalSeparator);
    double scale = kDesignPixelsPerTwip;
    for (const Measured& one : measured) {
        if (!Wraps(one.control)) {
            scale = std::max({scale, double(one.needed.width) / one.control.rect.width,
                              double(one.needed.height) / one.control.rect.height});
        }
    }
    TwipsScale fitting(scale);
    // Every step widens every control, so all fit long before the bound; it only guards start-up
    // against a font whose metrics make no sense.
    for (int step = 0; step < kMaxSteps && !AllFit(fitting, measured, measure); ++step) {
        fitting.pixelsPerTwip_ *= kStep;
    }
    return fitting;
}

}  // namespace ranktally
