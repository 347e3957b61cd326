#pragma once

#include <QRect>
#include <QString>

#include <vector>

class QWidget;

namespace ranktally {

// A rectangle in twips, 1/1440 inch: the unit the window was designed in.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// One control and the rectangle the design gives it.
struct Placement {
    QWidget* widget;
    TwipsRect rect;
};

// Twips to pixels with one factor for the whole window, so that the design keeps its proportions.
// It knows how big each kind of control must be for its text, not what the texts mean.
class TwipsGeometry {
public:
    explicit TwipsGeometry(double pixelsPerTwip = 1.0 / 15) : pixelsPerTwip_(pixelsPerTwip) {}

    // The smallest factor at which every placed control shows its whole text in its font, and
    // every line edit the whole of `widestFigure`; never below the design's 15 twips a pixel.
    static TwipsGeometry Fitting(const std::vector<Placement>& placements,
                                 const QString& widestFigure);

    double PixelsPerTwip() const { return pixelsPerTwip_; }
    int ToPixels(int twips) const;
    QRect ToPixels(const TwipsRect& rect) const;
    bool Fits(const Placement& placement, const QString& widestFigure) const;

private:
    double pixelsPerTwip_;
};

}  // namespace ranktally
