#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "form_design.h"

namespace ranktally {

// How big a window's Win32 controls must be for a text, each in the font it draws in at one DPI,
// measured with GDI. It places nothing.
class GdiTextMeasure : public TextMeasure {
public:
    // The window's design and its controls, one for each control of the design, in its order.
    GdiTextMeasure(std::span<const ControlDesign> design, std::span<const HWND> controls, UINT dpi);
    ~GdiTextMeasure() override;
    GdiTextMeasure(const GdiTextMeasure&) = delete;
    GdiTextMeasure& operator=(const GdiTextMeasure&) = delete;

    int FigureWidth(std::string_view figure) const override;
    PixelSize Needed(const ControlDesign& control, std::string_view text) const override;
    int HeightForWidth(const ControlDesign& control, std::string_view text,
                       int width) const override;
    // Every day of 2888, a leap year of the widest digits, so every month and weekday, written
    // long.
    std::string WidestDate() const override;

private:
    // Draws the next texts in the font of the control with this name, and tells its metrics.
    TEXTMETRICW UseFontOf(std::string_view name) const;
    SIZE Extent(std::string_view text) const;

    std::span<const ControlDesign> design_;
    std::span<const HWND> controls_;
    UINT dpi_;
    HDC dc_;
    HGDIOBJ previousFont_;
    // Figures are measured in a result box's font.
    std::string_view figureBox_;
};

// The metrics of the font a control draws its text in.
TEXTMETRICW FontMetricsOf(HWND control);

}  // namespace ranktally
