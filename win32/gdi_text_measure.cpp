#include "gdi_text_measure.h"

#include <limits>
#include <string>

#include "wide_text.h"

namespace ranktally {

GdiTextMeasure::GdiTextMeasure(HWND window, HFONT font, UINT dpi)
    : window_(window), dc_(GetDC(window)), previousFont_(SelectObject(dc_, font)), dpi_(dpi) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    lineHeight_ = metrics.tmHeight;
    averageCharacterWidth_ = metrics.tmAveCharWidth;
}

GdiTextMeasure::~GdiTextMeasure() {
    SelectObject(dc_, previousFont_);
    ReleaseDC(window_, dc_);
}

SIZE GdiTextMeasure::Extent(std::string_view text) const {
    const std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.data(), static_cast<int>(wide.size()), &size);
    return size;
}

int GdiTextMeasure::FigureWidth(std::string_view figure) const {
    return Extent(figure).cx;
}

PixelSize GdiTextMeasure::Needed(const ControlDesign& control, std::string_view text) const {
    // A sunken edge on each side, and the room the edit and combo box controls keep inside it.
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi_);
    const int inner = MulDiv(3, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    const int boxHeight = lineHeight_ + 2 * edge + 2 * inner;
    switch (control.kind) {
        case ControlKind::Selector: {
            const int arrow = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
            return {Extent(text).cx + arrow + 2 * edge + 4 * inner, boxHeight};
        }
        case ControlKind::RateBox:
        case ControlKind::ResultBox:
            // The caret after the figure takes a pixel or two.
            return {Extent(text).cx + 2 * edge + 2 * inner + 2, boxHeight};
        default: {
            const SIZE size = Extent(text);
            return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
        }
    }
}

int GdiTextMeasure::HeightForWidth(const ControlDesign&, std::string_view text, int width) const {
    // In lines no wider than the room, broken as the static control breaks them; a word wider
    // than the room never fits, since the control would cut it.
    const std::wstring wide = Wide(text);
    RECT rect{0, 0, width, 0};
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return rect.right > width ? std::numeric_limits<int>::max() : static_cast<int>(rect.bottom);
}

}  // namespace ranktally
