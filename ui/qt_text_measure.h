#pragma once

#include <QFontMetrics>

#include "form_design.h"

class QWidget;

namespace ranktally {

// How big the window's Qt controls must be for a text in their fonts; it finds each control by
// its object name among the window's children. It places nothing.
class QtTextMeasure : public TextMeasure {
public:
    explicit QtTextMeasure(const QWidget& window);

    int FigureWidth(std::string_view figure) const override;
    PixelSize Needed(const ControlDesign& control, std::string_view text) const override;
    int HeightForWidth(const ControlDesign& control, std::string_view text,
                       int width) const override;

private:
    const QWidget& Widget(std::string_view name) const;

    const QWidget& window_;
    // The result boxes' font, which every figure is measured in.
    QFontMetrics figureMetrics_;
};

}  // namespace ranktally
