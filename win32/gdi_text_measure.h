#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "form_design.h"

namespace ranktally {

// How big the window's Win32 controls must be for their texts in one font at one DPI, measured
// with GDI. It places nothing.
class GdiTextMeasure : public TextMeasure {
public:
    GdiTextMeasure(HWND window, HFONT font, UINT dpi, std::wstring widestFigure);
    ~GdiTextMeasure() override;
    GdiTextMeasure(const GdiTextMeasure&) = delete;
    GdiTextMeasure& operator=(const GdiTextMeasure&) = delete;

    PixelSize Needed(const ControlDesign& control) const override;
    int HeightForWidth(const ControlDesign& control, int width) const override;

    // The widest of the figures a result box can show, in this font.
    static std::wstring WidestFigure(HWND window, HFONT font, std::string_view decimalSeparator);

private:
    SIZE Extent(std::wstring_view text) const;

    HWND window_;
    HDC dc_;
    HGDIOBJ previousFont_;
    UINT dpi_;
    std::wstring widestFigure_;
    int lineHeight_;
};

}  // namespace ranktally
