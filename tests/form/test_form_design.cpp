#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form_design.h"

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
                             ToPixelsRow{"twice_the_design", 2.0 / 15, 3330, 444}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TwipsScale, NeighboursStillTouch) {
    const TwipsScale scale(1.37 / 15);
    const PixelRect left = scale.ToPixels(TwipsRect{0, 0, 1869, 221});
    const PixelRect right = scale.ToPixels(TwipsRect{1869, 0, 1417, 221});
    EXPECT_EQ(left.left + left.width, right.left);
}

// A font whose texts need a fixed number of pixels a character; wrapped texts need lines of
// the width they are given.
class FakeMeasure : public TextMeasure {
public:
    explicit FakeMeasure(int pixelsPerCharacter) : perCharacter_(pixelsPerCharacter) {}

    PixelSize Needed(const ControlDesign& control) const override {
        return {perCharacter_ * static_cast<int>(control.text.size()), 2 * perCharacter_};
    }
    int HeightForWidth(const ControlDesign& control, int width) const override {
        const int perLine = std::max(1, width / perCharacter_);
        const int lines = (static_cast<int>(control.text.size()) + perLine - 1) / perLine;
        return lines * 2 * perCharacter_;
    }

private:
    int perCharacter_;
};

TEST(TwipsScale, DesignFactorWhenEverythingFits) {
    const std::vector<ControlDesign> controls = {
        {"caption", ControlKind::Caption, {0, 0, 3000, 3000}, "x"}};
    EXPECT_EQ(TwipsScale::Fitting(controls, FakeMeasure(1)).PixelsPerTwip(), 1.0 / 15);
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
    const TwipsScale scale = TwipsScale::Fitting(controls, measure);
    EXPECT_GT(scale.PixelsPerTwip(), 1.0 / 15);
    EXPECT_TRUE(scale.Fits(controls[0], measure) && scale.Fits(controls[1], measure));
    const TwipsScale smaller(scale.PixelsPerTwip() / 1.02);
    EXPECT_FALSE(smaller.Fits(controls[0], measure) && smaller.Fits(controls[1], measure));
}

INSTANTIATE_TEST_SUITE_P(Table, GrowTest,
                         testing::Values(GrowRow{"single_line_caption", ControlKind::Caption, 7},
                                         GrowRow{"wrapped_warning", ControlKind::Warning, 9},
                                         GrowRow{"large_font", ControlKind::Caption, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

// The design itself: every control in the client area, no two overlapping, every tab stop a
// control of the design.
TEST(Form1Design, ControlsLieInsideAndApart) {
    for (const ControlDesign& control : kForm1Controls) {
        EXPECT_LE(control.rect.left + control.rect.width, kClientWidthTwips) << control.name;
        for (const ControlDesign& other : kForm1Controls) {
            const bool apart = &other == &control ||
                               control.rect.left + control.rect.width <= other.rect.left ||
                               other.rect.left + other.rect.width <= control.rect.left ||
                               control.rect.top + control.rect.height <= other.rect.top ||
                               other.rect.top + other.rect.height <= control.rect.top;
            EXPECT_TRUE(apart) << control.name << " overlaps " << other.name;
        }
    }
    for (const std::string_view name : kTabOrder) {
        EXPECT_EQ(DesignOf(name).name, name);
    }
}

TEST(Form1Design, WidestFiguresUseTheSeparator) {
    EXPECT_EQ(WidestFigures('8', ",")[0], "-0,000888888888888888");
    EXPECT_EQ(WidestFigures('8', ".")[1], "-8.88888888888888E-888");
}

}  // namespace
}  // namespace ranktally
