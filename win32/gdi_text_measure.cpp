#include "gdi_text_measure.h"

#include "calculator.h"
#include "wide_text.h"

namespace ranktally {
namespace {

// The Windows wording of a control's text.
std::wstring TextOf(const ControlDesign& control) {
    return Wide(control.text);
}

}  // namespace

GdiTextMeasure::GdiTextMeasure(HWND window, HFONT font, UINT dpi, std::wstring widestFigure)
    : window_(window),
      dc_(GetDC(window)),
      previousFont_(SelectObject(dc_, font)),
      dpi_(dpi),
      widestFigure_(std::move(widestFigure)) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    lineHeight_ = metrics.tmHeight;
}

GdiTextMeasure::~GdiTextMeasure() {
    SelectObject(dc_, previousFont_);
    ReleaseDC(window_, dc_);
}

SIZE GdiTextMeasure::Extent(std::wstring_view text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

PixelSize GdiTextMeasure::Needed(const ControlDesign& control) const {
    // A sunken edge on each side, and the room the edit and combo box controls keep inside it.
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi_);
    const int inner = MulDiv(3, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    const int boxHeight = lineHeight_ + 2 * edge + 2 * inner;
    switch (control.kind) {
        case ControlKind::Selector: {
            const int arrow = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
            return {Extent(L"220").cx + arrow + 2 * edge + 4 * inner, boxHeight};
        }
        case ControlKind::RateBox:
        case ControlKind::ResultBox:
            // The caret after the figure takes a pixel or two.
            return {Extent(widestFigure_).cx + 2 * edge + 2 * inner + 2, boxHeight};
        default: {
            const SIZE size = Extent(TextOf(control));
            return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
        }
    }
}

int GdiTextMeasure::HeightForWidth(const ControlDesign& control, int width) const {
    std::wstring text = TextOf(control);
    if (control.kind == ControlKind::Warning) {
        text = Wide(kWarningMessage);
    }
    RECT rect{0, 0, width, 0};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return rect.bottom;
}

std::wstring GdiTextMeasure::WidestFigure(HWND window, HFONT font,
                                          std::string_view decimalSeparator) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    const auto width = [dc](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    };
    char widest = '0';
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (width(std::wstring(1, static_cast<wchar_t>(digit))) >
            width(std::wstring(1, static_cast<wchar_t>(widest)))) {
            widest = digit;
        }
    }
    std::wstring wider;
    for (const std::string& figure : WidestFigures(widest, decimalSeparator)) {
        const std::wstring text = Wide(figure);
        if (width(text) > width(wider)) {
            wider = text;
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return wider;
}

}  // namespace ranktally
