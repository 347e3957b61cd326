#pragma once

#include <QString>

#include <utility>

#include "form_design.h"

class QWidget;

namespace ranktally {

// How big the window's Qt controls must be for their texts in their fonts; it finds each control
// by its object name among the window's children. It places nothing.
class QtTextMeasure : public TextMeasure {
public:
    QtTextMeasure(const QWidget& window, QString widestFigure)
        : window_(window), widestFigure_(std::move(widestFigure)) {}

    PixelSize Needed(const ControlDesign& control) const override;
    int HeightForWidth(const ControlDesign& control, int width) const override;

private:
    const QWidget& Widget(const ControlDesign& control) const;

    const QWidget& window_;
    QString widestFigure_;
};

}  // namespace ranktally
