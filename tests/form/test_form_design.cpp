#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator.h"
#include "form_design.h"
#include "plan_form_design.h"

namespace ranktally {
namespace {

// Twips to pixels: edges are rounded to the nearest pixel.
struct ToPixelsRow {
    const char* name;
    double pixelsPerTwip;
    int twips;
    int pixels;
};

class ToPixelsTest : public testing::TestWithParam<ToPixelsRow> {};

TEST_P(ToPixelsTest, Rounds) {
    EXPECT_EQ(TwipsScale(GetParam().pixelsPerTwip).ToPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, ToPixelsTest,
                         testing::Values(
                             // The design's own factor: 15 twips a pixel.
                             ToPixelsRow{"compact_height", 1.0 / 15, 2775, 185},
                             ToPixelsRow{"expanded_height", 1.0 / 15, 3800, 253},
                             ToPixelsRow{"rounds_up_past_half", 1.0 / 15, 1869, 125},
                             // A larger factor scales every length alike.
                             ToPixelsRow{"twice_the_design", 2.0 / 15, 3330, 444},
                             // Halves go away from zero; just below a half goes down.
                             ToPixelsRow{"half_rounds_up", 0.5, 3, 2},
                             ToPixelsRow{"negative_half_rounds_down", 0.5, -3, -2},
                             ToPixelsRow{"just_below_half", 0.49999999999999994, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Controls that touch in the design still touch in pixels, across and down, at any factor.
TEST(TwipsScale, DesignNeighboursStillTouch) {
    int pairs = 0;
    for (const double factor : {1.0, 1.13, 1.37, 1.5, 2.25}) {
        const TwipsScale scale(factor / 15);
        for (const ControlDesign& a : kForm1Controls) {
            for (const ControlDesign& b : kForm1Controls) {
                const PixelRect first = scale.ToPixels(a.rect);
                const PixelRect second = scale.ToPixels(b.rect);
                if (a.rect.left + a.rect.width == b.rect.left) {
                    ++pairs;
                    EXPECT_EQ(first.left + first.width, second.left) << a.name << b.name << factor;
                }
                if (a.rect.top + a.rect.height == b.rect.top) {
                    ++pairs;
                    EXPECT_EQ(first.top + first.height, second.top) << a.name << b.name << factor;
                }
            }
        }
    }
    EXPECT_GE(pairs, 10);
}

TEST(Form1Design, ClientHeightWithinTheOuterHeight) {
    EXPECT_EQ(ClientHeightTwips(kCompactHeightTwips), kDesignedClientHeightTwips);
    EXPECT_EQ(ClientHeightTwips(kExpandedHeightTwips), 3425);
    EXPECT_EQ(ClientSize(TwipsScale(), kCompactHeightTwips), (PixelSize{222, 160}));
    EXPECT_EQ(ClientSize(TwipsScale(2.0 / 15), kExpandedHeightTwips), (PixelSize{444, 457}));
}

// Each box and list is named by the caption just before it; the other controls by none.
TEST(Form1Design, CaptionsNameTheirControls) {
    const std::pair<std::string_view, std::string_view> named[] = {{"CurrentLevelCombo", "Label8"},
                                                                   {"TargetLevelCombo", "Label5"},
                                                                   {"HourPlayCombo", "Label6"},
                                                                   {"SKTextBox", "Label7"},
                                                                   {"SKNeededTextBox", "Label4"},
                                                                   {"HoursNeededTextBox", "Label3"},
                                                                   {"DaysNeededTextBox", "Label2"},
                                                                   {"WarningLabel", ""},
                                                                   {"Label1", ""},
                                                                   {"Label8", ""}};
    for (const auto& [control, caption] : named) {
        const ControlDesign* found = CaptionOf(control);
        EXPECT_EQ(found == nullptr ? "" : found->name, caption) << control;
    }
}

// A font whose texts need a fixed number of pixels a character (an '8' twice as many), and whose
// wrapped lines are `lineHeight` high.
class FakeMeasure : public TextMeasure {
public:
    explicit FakeMeasure(int pixelsPerCharacter, int lineHeight = 0)
        : perCharacter_(pixelsPerCharacter),
          lineHeight_(lineHeight > 0 ? lineHeight : 2 * pixelsPerCharacter) {}

    int FigureWidth(std::string_view figure) const override {
        return perCharacter_ *
               static_cast<int>(figure.size() + std::count(figure.begin(), figure.end(), '8'));
    }
    PixelSize Needed(const ControlDesign&, std::string_view text) const override {
        return {perCharacter_ * static_cast<int>(text.size()), 2 * perCharacter_};
    }
    int HeightForWidth(const ControlDesign&, std::string_view text, int width) const override {
        const int perLine = std::max(1, width / perCharacter_);
        const int lines = (static_cast<int>(text.size()) + perLine - 1) / perLine;
        return lines * lineHeight_;
    }

private:
    int perCharacter_;
    int lineHeight_;
};

// The same font, in a window whose widest date is `date`.
class DatedMeasure : public FakeMeasure {
public:
    explicit DatedMeasure(std::string date) : FakeMeasure(1), date_(std::move(date)) {}
    std::string WidestDate() const override { return date_; }

private:
    std::string date_;
};

// A scale's pixels per twip, to seven digits.
double Factor(const TwipsScale& scale) {
    return scale.ToPixels(10'000'000) / 1e7;
}

// Whether the text shows whole in the control at this scale, in the measure's font.
bool ShowsWhole(const TwipsScale& scale, const ControlDesign& control, std::string_view text,
                const TextMeasure& measure) {
    const PixelRect room = scale.ToPixels(control.rect);
    if (control.kind == ControlKind::Credit || control.kind == ControlKind::Warning ||
        control.kind == ControlKind::Notice) {
        return measure.HeightForWidth(control, text, room.width) <= room.height;
    }
    const PixelSize needed = measure.Needed(control, text);
    return needed.width <= room.width && needed.height <= room.height;
}

TEST(TwipsScale, DesignFactorWhenEverythingFits) {
    const std::vector<ControlDesign> controls = {
        {"caption", ControlKind::Caption, {0, 0, 3000, 3000}, "x"}};
    EXPECT_EQ(Factor(TwipsScale::Fitting(controls, FakeMeasure(1), ".")), Factor(TwipsScale()));
}

// The smallest factor at which everything fits: a step smaller, something would not.
struct GrowRow {
    const char* name;
    ControlKind kind;
    int pixelsPerCharacter;
};

class GrowTest : public testing::TestWithParam<GrowRow> {};

TEST_P(GrowTest, GrowsJustEnoughForLongTexts) {
    const std::string text(80, 'W');
    const std::vector<ControlDesign> controls = {
        {"long", GetParam().kind, {0, 0, 1000, 300}, text},
        {"short", ControlKind::Caption, {0, 300, 1000, 300}, "x"}};
    const FakeMeasure measure(GetParam().pixelsPerCharacter);
    const TwipsScale scale = TwipsScale::Fitting(controls, measure, ".");
    EXPECT_GT(Factor(scale), Factor(TwipsScale()));
    EXPECT_TRUE(ShowsWhole(scale, controls[0], text, measure));
    EXPECT_FALSE(ShowsWhole(TwipsScale(Factor(scale) / 1.02), controls[0], text, measure));
}

INSTANTIATE_TEST_SUITE_P(Table, GrowTest,
                         testing::Values(GrowRow{"single_line_caption", ControlKind::Caption, 7},
                                         GrowRow{"wrapped_credit", ControlKind::Credit, 9},
                                         GrowRow{"wrapped_notice", ControlKind::Notice, 9},
                                         GrowRow{"button", ControlKind::Button, 7},
                                         GrowRow{"large_font", ControlKind::Caption, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

// A table scrolls to show its rows, so however low its design, it grows nothing.
TEST(TwipsScale, NeverGrowsForATable) {
    const std::vector<ControlDesign> controls = {
        {"table", ControlKind::Table, {0, 0, 15, 15}, ""},
        {"caption", ControlKind::Caption, {0, 15, 3000, 3000}, "x"}};
    EXPECT_EQ(Factor(TwipsScale::Fitting(controls, FakeMeasure(4), ".")), Factor(TwipsScale()));
}

// A font of tall lines: only the warning's message, which is not shown when the window opens,
// needs more room than the design gives.
TEST(TwipsScale, GrowsForTheWarningMessage) {
    const FakeMeasure measure(1, 80);
    std::vector<ControlDesign> controls = {DesignOf("Label8"), DesignOf("SKTextBox")};
    EXPECT_EQ(Factor(TwipsScale::Fitting(controls, measure, ".")), Factor(TwipsScale()));
    controls.push_back(DesignOf("WarningLabel"));
    const TwipsScale scale = TwipsScale::Fitting(controls, measure, ".");
    EXPECT_GT(Factor(scale), Factor(TwipsScale()));
    EXPECT_TRUE(ShowsWhole(scale, DesignOf("WarningLabel"), kWarningMessage, measure));
}

// Every control of a design in its client area, no two overlapping.
void ExpectInsideAndApart(std::span<const ControlDesign> design, int width, int height) {
    for (const ControlDesign& control : design) {
        EXPECT_LE(control.rect.left + control.rect.width, width) << control.name;
        EXPECT_LE(control.rect.top + control.rect.height, height) << control.name;
        for (const ControlDesign& other : design) {
            const bool apart = &other == &control ||
                               control.rect.left + control.rect.width <= other.rect.left ||
                               other.rect.left + other.rect.width <= control.rect.left ||
                               control.rect.top + control.rect.height <= other.rect.top ||
                               other.rect.top + other.rect.height <= control.rect.top;
            EXPECT_TRUE(apart) << control.name << " overlaps " << other.name;
        }
    }
}

// The design itself: every control in the client area, no two overlapping, every tab stop a
// control of the design.
TEST(Form1Design, ControlsLieInsideAndApart) {
    ExpectInsideAndApart(kForm1Controls, kClientWidthTwips,
                         ClientHeightTwips(kExpandedHeightTwips));
    for (const std::string_view name : kTabOrder) {
        EXPECT_EQ(DesignOf(name).name, name);
    }
    EXPECT_THROW(DesignOf("Label9"), std::out_of_range);
}

// The plan window holds the planner's every control but the chart, each box named by its
// caption in the planner's description; the heading, the button, the note and the captions by
// none.
TEST(PlanFormDesign, HoldsThePlannerNamedByItsCaptions) {
    ExpectInsideAndApart(kPlanFormControls, kPlanClientWidthTwips, kPlanClientHeightTwips);
    for (const PlanControlDesign& control : kPlanControls) {
        if (control.kind == PlanControlKind::Chart) {
            EXPECT_THROW(IndexOf(kPlanFormControls, control.name), std::out_of_range);
            continue;
        }
        const ControlDesign* caption = CaptionOf(kPlanFormControls, control.name);
        if (control.kind == PlanControlKind::Button) {
            EXPECT_EQ(caption, nullptr);
            EXPECT_EQ(DesignOf(kPlanFormControls, control.name).text, control.caption);
        } else {
            ASSERT_NE(caption, nullptr) << control.name;
            EXPECT_EQ(caption->text, control.caption) << control.name;
        }
    }
    for (const std::string_view name : {"Readings", "PlanNoteLabel", "EarnedLabel"}) {
        EXPECT_EQ(CaptionOf(kPlanFormControls, name), nullptr) << name;
    }
}

// What each kind of control is measured with, in English and in the pseudo-language, whose
// "Unlimited" is wider than a short figure and whose texts are all bracketed.
TEST(Form1Design, MeasuredTexts) {
    const FakeMeasure measure(1);
    EXPECT_EQ(MeasuredText(DesignOf("TargetLevelCombo"), measure, "-1"), "220");
    EXPECT_EQ(MeasuredText(DesignOf("HourPlayCombo"), measure, "-1"), "24");
    EXPECT_EQ(MeasuredText(DesignOf("DaysNeededTextBox"), measure, "-1"), "Unlimited");
    EXPECT_EQ(MeasuredText(DesignOf("DaysNeededTextBox"), measure, "-0.00012345"), "-0.00012345");
    EXPECT_EQ(MeasuredText(DesignOf("SKTextBox"), measure, "-1"), "-1");
    EXPECT_EQ(MeasuredText(DesignOf("WarningLabel"), measure, "-1"), kWarningMessage);
    EXPECT_EQ(MeasuredText(DesignOf("Label6"), measure, "-1"), "Hours played per day:");
    EXPECT_EQ(AccessibleName(DesignOf("Label6")), "Hours played per day");
    EXPECT_EQ(WidestFigure(measure, ","), "-8,88888888888888E-888");
    EXPECT_EQ(MeasuredText(DesignOf("Label1"), measure, "-1"),
              "by the Ranktally team\nPlan the climb…");
    const ControlDesign& arrival = DesignOf(kPlanFormControls, "ArrivalTextBox");
    EXPECT_EQ(MeasuredText(arrival, measure, "-1"), "after the year 9999");
    EXPECT_EQ(MeasuredText(arrival, DatedMeasure("Wednesday, 30 September 2026"), "-1"),
              "Wednesday, 30 September 2026");
    EXPECT_EQ(MeasuredText(DesignOf(kPlanFormControls, "PlanNoteLabel"), measure, "-1"),
              kNegativeRate);

    const std::vector<std::string> pseudo = {"en-XA"};
    UseLanguage(MatchLanguage(pseudo));
    EXPECT_EQ(MeasuredText(DesignOf("DaysNeededTextBox"), measure, "-1"), Translated(kUnlimited));
    for (const std::string_view name : {"Label6", "WarningLabel", "Label1"}) {
        EXPECT_TRUE(MeasuredText(DesignOf(name), measure, "-1").starts_with("[")) << name;
    }
    EXPECT_EQ(MeasuredText(DesignOf("HourPlayCombo"), measure, "-1"), "24");
    UseLanguage(Languages().front());
}

}  // namespace
}  // namespace ranktally
