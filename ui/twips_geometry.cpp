#include "twips_geometry.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace ranktally {
namespace {

constexpr double kDesignPixelsPerTwip = 1.0 / 15;
constexpr double kStep = 1.01;
constexpr int kMaxSteps = 500;

// The size a control needs for its text. A line edit's size hint is the width of 17 'x' plus its
// frame and margins; that overhead, the figure's own width and the cursor after it are what a
// figure needs to show whole, whichever end the cursor stands at.
QSize NeededSize(const QWidget* widget, const QString& widestFigure) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        const QFontMetrics metrics(edit->font());
        const QSize hint = edit->sizeHint();
        const int overhead = hint.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
        const int cursor = edit->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, edit);
        return {overhead + metrics.horizontalAdvance(widestFigure) + cursor, hint.height()};
    }
    return widget->sizeHint();
}

}  // namespace

int TwipsGeometry::ToPixels(int twips) const {
    return static_cast<int>(std::lround(twips * pixelsPerTwip_));
}

QRect TwipsGeometry::ToPixels(const TwipsRect& rect) const {
    // Edges, not sizes, are rounded, so that controls that touch in the design still touch.
    const int left = ToPixels(rect.left);
    const int top = ToPixels(rect.top);
    return QRect(left, top, ToPixels(rect.left + rect.width) - left,
                 ToPixels(rect.top + rect.height) - top);
}

bool TwipsGeometry::Fits(const Placement& placement, const QString& widestFigure) const {
    const QSize available = ToPixels(placement.rect).size();
    if (const auto* label = qobject_cast<const QLabel*>(placement.widget);
        label != nullptr && label->wordWrap()) {
        return label->heightForWidth(available.width()) <= available.height();
    }
    const QSize needed = NeededSize(placement.widget, widestFigure);
    return needed.width() <= available.width() && needed.height() <= available.height();
}

TwipsGeometry TwipsGeometry::Fitting(const std::vector<Placement>& placements,
                                     const QString& widestFigure) {
    // Start from the largest ratio of needed to designed size, which every single-line control
    // meets; wrapped text and rounding may want a few steps more.
    double scale = kDesignPixelsPerTwip;
    for (const Placement& placement : placements) {
        const QSize needed = NeededSize(placement.widget, widestFigure);
        const auto* label = qobject_cast<const QLabel*>(placement.widget);
        if (label == nullptr || !label->wordWrap()) {
            scale = std::max({scale, double(needed.width()) / placement.rect.width,
                              double(needed.height()) / placement.rect.height});
        }
    }
    TwipsGeometry geometry(scale);
    const auto allFit = [&] {
        return std::all_of(placements.begin(), placements.end(), [&](const Placement& placement) {
            return geometry.Fits(placement, widestFigure);
        });
    };
    // Every step widens every control, so all fit long before the bound; it only guards start-up
    // against a font whose metrics make no sense.
    for (int step = 0; step < kMaxSteps && !allFit(); ++step) {
        geometry.pixelsPerTwip_ *= kStep;
    }
    return geometry;
}

}  // namespace ranktally
