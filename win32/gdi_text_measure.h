#pragma once

#include <windows.h>

#include "form_design.h"

namespace ranktally {

// How big the window's Win32 controls must be for a text in one font at one DPI, measured with
// GDI. It places nothing.
class GdiTextMeasure : public TextMeasure {
public:
    GdiTextMeasure(HWND window, HFONT font, UINT dpi);
    ~GdiTextMeasure() override;
    GdiTextMeasure(const GdiTextMeasure&) = delete;
    GdiTextMeasure& operator=(const GdiTextMeasure&) = delete;

    int LineHeight() const { return lineHeight_; }
    int AverageCharacterWidth() const { return averageCharacterWidth_; }
    int FigureWidth(std::string_view figure) const override;
    PixelSize Needed(const ControlDesign& control, std::string_view text) const override;
    int HeightForWidth(const ControlDesign& control, std::string_view text,
                       int width) const override;

private:
    SIZE Extent(std::string_view text) const;

    HWND window_;
    HDC dc_;
    HGDIOBJ previousFont_;
    UINT dpi_;
    int lineHeight_;
    int averageCharacterWidth_;
};

}  // namespace ranktally
