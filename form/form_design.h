#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calculator_window.h"
#include "level_table.h"
#include "translation.h"

namespace ranktally {

// The window as it was designed, in twips (1/1440 inch), and the rule that fits the design to the
// pixels of a screen and the texts of a font: the one description every front-end lays itself out
// from. It measures no text and draws nothing; each toolkit measures its own.

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
    int width;
    int height;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

enum class ControlKind {
    Caption,    // names the control that follows it
    Heading,    // heads a group of controls, and names none
    Selector,   // a drop-down list of fixed entries
    RateBox,    // a box the user types a figure into
    ResultBox,  // a read-only box on the button face
    DateBox,    // a read-only box of a date, written long
    Button,     // a push button
    Warning,    // wrapped, shown only with the warning
    Notice,     // wrapped, shown only with its text, which is the longest it shows
    Credit,     // wrapped, with the link to the plan after it
    Table,      // rows of figures, which scrolls to show them all
};

struct ControlDesign {
    std::string_view name;  // the control's object name
    ControlKind kind;
    TwipsRect rect;
    // The text it holds when the window is created: the source of its translation when marked.
    std::string_view text;
};

inline constexpr std::string_view kWindowTitle = "Ranktally";
inline constexpr int kClientWidthTwips = 3330;
inline constexpr int kDesignedClientHeightTwips = 2400;

// The controls in the order they are created, each caption just before the control it names, as
// screen readers on Windows expect.
inline constexpr std::array<ControlDesign, 16> kForm1Controls = {{
    // The selectors and Label6 were designed up to 15 twips higher, into the row below; each
    // stops where that row starts, so that no two controls overlap.
    {"Label8", ControlKind::Caption, {0, 104, 1066, 221}, N_("Current level:")},
    {"CurrentLevelCombo", ControlKind::Selector, {1869, 104, 716, 311}, ""},
    {"Label5", ControlKind::Caption, {0, 415, 1066, 221}, N_("Target level:")},
    {"TargetLevelCombo", ControlKind::Selector, {1869, 415, 716, 311}, ""},
    {"Label6", ControlKind::Caption, {0, 720, 1650, 315}, N_("Hours played per day:")},
    {"HourPlayCombo", ControlKind::Selector, {1869, 726, 716, 312}, ""},
    // Designed 1890 wide, running 21 twips under the rate box; it stops where the box starts.
    {"Label7", ControlKind::Caption, {0, 1035, 1869, 225}, N_("Average SK/XP per hour:")},
    {"SKTextBox", ControlKind::RateBox, {1869, 1038, 1417, 285}, "10000"},
    {"Label4", ControlKind::Caption, {0, 1453, 1300, 221}, N_("SK/XP needed:")},
    {"SKNeededTextBox", ControlKind::ResultBox, {1869, 1453, 1417, 285}, ""},
    {"Label3", ControlKind::Caption, {0, 1764, 1417, 221}, N_("Hours needed:")},
    {"HoursNeededTextBox", ControlKind::ResultBox, {1869, 1764, 1417, 285}, ""},
    {"Label2", ControlKind::Caption, {0, 2076, 1300, 221}, N_("Days Needed:")},
    {"DaysNeededTextBox", ControlKind::ResultBox, {1869, 2076, 1417, 285}, ""},
    {"WarningLabel", ControlKind::Warning, {0, 2387, 3286, 995}, ""},
    // Designed 720 wide, running 30 twips past the client area; it stops at its edge.
    {"Label1", ControlKind::Credit, {2640, 105, 690, 840}, N_("by the Ranktally team")},
}};

// What the credit offers after its text, opening the plan window.
inline constexpr std::string_view kPlanLinkText = N_("Plan the climb…");

// The position of the control with this name in a window's design; a name that is not there is a
// fault of the caller, and fails loudly.
constexpr std::size_t IndexOf(std::span<const ControlDesign> design, std::string_view name) {
    for (std::size_t index = 0; index < design.size(); ++index) {
        if (design[index].name == name) {
            return index;
        }
    }
    throw std::out_of_range("no control of the window is named " + std::string(name));
}
constexpr std::size_t IndexOf(std::string_view name) {
    return IndexOf(kForm1Controls, name);
}

// The design of the control with this name; see IndexOf.
constexpr const ControlDesign& DesignOf(std::span<const ControlDesign> design,
                                        std::string_view name) {
    return design[IndexOf(design, name)];
}
constexpr const ControlDesign& DesignOf(std::string_view name) {
    return DesignOf(kForm1Controls, name);
}

// The caption that names this control, whose text its accessible name is made of: the one the
// design places just before it. None for a control that no caption names.
constexpr const ControlDesign* CaptionOf(std::span<const ControlDesign> design,
                                         std::string_view control) {
    const std::size_t index = IndexOf(design, control);
    return index > 0 && design[index - 1].kind == ControlKind::Caption ? &design[index - 1]
                                                                       : nullptr;
}
constexpr const ControlDesign* CaptionOf(std::string_view control) {
    return CaptionOf(kForm1Controls, control);
}

// The controls the calculator reads and writes, in the order of Input and of Result.
inline constexpr std::array<std::string_view, 4> kInputControls = {
    "CurrentLevelCombo", "SKTextBox", "HourPlayCombo", "TargetLevelCombo"};
inline constexpr std::array<std::string_view, 3> kResultControls = {
    "SKNeededTextBox", "HoursNeededTextBox", "DaysNeededTextBox"};

inline constexpr std::array<Input, 4> kInputs = {Input::CurrentLevel, Input::Rate,
                                                 Input::HoursPerDay, Input::TargetLevel};

constexpr std::string_view ControlOf(Input input) {
    return kInputControls[static_cast<std::size_t>(input)];
}
// The input the control with this name holds; none for a control that is no input.
std::optional<Input> InputOf(std::string_view control);
constexpr std::string_view ControlOf(Result result) {
    return kResultControls[static_cast<std::size_t>(result)];
}

// A selector's list: the entries "1" to `entries`, and the one picked when the window opens.
struct SelectorDesign {
    std::string_view name;
    int entries;
    int startingPick;  // an index into the entries; kNothingPicked for none
};

inline constexpr int kNothingPicked = -1;
inline constexpr std::array<SelectorDesign, 3> kSelectors = {{
    {"CurrentLevelCombo", kLevelCount, kNothingPicked},
    {"TargetLevelCombo", kLevelCount, kNothingPicked},
    {"HourPlayCombo", 24, 0},
}};

// The entry at this index of any selector's list, written as every figure is.
std::string ListEntry(int index);
// All of a selector's entries.
std::vector<std::string> ListEntries(const SelectorDesign& selector);
// The text an input holds when the window opens: its starting pick, or the rate's starting text.
std::string StartingText(Input input);

// The designed order of the keyboard: the results sit between the current and the target level,
// and the credit's corner, where the plan's link is, comes last.
inline constexpr std::array<std::string_view, 8> kTabOrder = {
    "CurrentLevelCombo", "DaysNeededTextBox", "HoursNeededTextBox", "SKNeededTextBox",
    "TargetLevelCombo",  "HourPlayCombo",     "SKTextBox",          "Label1"};

// The window's outer heights count the title bar and borders, which the window system draws; the
// design's client area is kDesignedClientHeightTwips high within the compact outer height.
int ClientHeightTwips(int outerHeightTwips);

// What a toolkit measures of its own controls in its own font, in pixels.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The width of a figure in a result box's font.
    virtual int FigureWidth(std::string_view figure) const = 0;
    // The size a single-line control needs to show this text whole.
    virtual PixelSize Needed(const ControlDesign& control, std::string_view text) const = 0;
    // The height a wrapped control needs for this text at this width.
    // Lines end where the text has a line feed, and where a line would be wider than `width`.
    virtual int HeightForWidth(const ControlDesign& control, std::string_view text,
                               int width) const = 0;
    // The widest text a date box shows, a date written long in the user's regional format; none
    // where the window has no date box.
    virtual std::string WidestDate() const { return {}; }
};

// The longest text a result box can show in the measure's font, in the user's decimal separator:
// with the widest digit, either a negative fraction just above 1E-4 or a negative exponent form
// with three exponent digits.
std::string WidestFigure(const TextMeasure& measure, std::string_view decimalSeparator);

// The text a control must show whole, in the language in use: a caption its own, a selector its
// longest entry, a box typed into the widest figure, a result box the widest of that figure,
// "Unlimited" and "Overflow", a date box the widest date, the warning its message (whether or not
// it shows now), the credit its own and the link on a line of its own. A table is not measured.
std::string MeasuredText(const ControlDesign& control, const TextMeasure& measure,
                         std::string_view widestFigure);

// The name a screen reader gives the control a caption names: the caption in the language in use,
// without its closing colon and the space some languages put before it.
std::string AccessibleName(const ControlDesign& caption);

// Twips to pixels with one factor for the whole window, so that the design keeps its proportions.
class TwipsScale {
public:
    static constexpr double kDesignPixelsPerTwip = 1.0 / 15;

    explicit TwipsScale(double pixelsPerTwip = kDesignPixelsPerTwip)
        : pixelsPerTwip_(pixelsPerTwip) {}

    // The smallest factor, never below the design's 15 twips a pixel, at which every control
    // shows its whole text.
    static TwipsScale Fitting(std::span<const ControlDesign> controls, const TextMeasure& measure,
                              std::string_view decimalSeparator);

    int ToPixels(int twips) const;
    // Edges, not sizes, are rounded, so that controls that touch in the design still touch.
    PixelRect ToPixels(const TwipsRect& rect) const;

private:
    double pixelsPerTwip_;
};

// The client area at this scale for this outer height: the design's width, and the height
// ClientHeightTwips leaves.
PixelSize ClientSize(const TwipsScale& scale, int outerHeightTwips);

}  // namespace ranktally
