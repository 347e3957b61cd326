#include "gdi_text_measure.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "dates.h"
#include "wide_text.h"

namespace ranktally {
namespace {

std::string_view FirstOfKind(std::span<const ControlDesign> design, ControlKind kind) {
    const auto found = std::find_if(design.begin(), design.end(),
                                    [kind](const ControlDesign& one) { return one.kind == kind; });
    return found != design.end() ? found->name : std::string_view();
}

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

}  // namespace

GdiTextMeasure::GdiTextMeasure(std::span<const ControlDesign> design,
                               std::span<const HWND> controls, UINT dpi)
    : design_(design),
      controls_(controls),
      dpi_(dpi),
      dc_(GetDC(nullptr)),
      previousFont_(GetCurrentObject(dc_, OBJ_FONT)),
      figureBox_(FirstOfKind(design, ControlKind::ResultBox)) {
    if (figureBox_.empty()) {
        throw std::invalid_argument("a window's design without a result box measures no figure");
    }
}

GdiTextMeasure::~GdiTextMeasure() {
    SelectObject(dc_, previousFont_);
    ReleaseDC(nullptr, dc_);
}

TEXTMETRICW GdiTextMeasure::UseFontOf(std::string_view name) const {
    SelectObject(dc_, FontOf(controls_[IndexOf(design_, name)]));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics;
}

SIZE GdiTextMeasure::Extent(std::string_view text) const {
    const std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.data(), static_cast<int>(wide.size()), &size);
    return size;
}

int GdiTextMeasure::FigureWidth(std::string_view figure) const {
    UseFontOf(figureBox_);
    return Extent(figure).cx;
}

PixelSize GdiTextMeasure::Needed(const ControlDesign& control, std::string_view text) const {
    const int lineHeight = UseFontOf(control.name).tmHeight;
    const SIZE extent = Extent(text);
    // A sunken edge on each side, and the room the edit and combo box controls keep inside it.
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi_);
    const int inner = MulDiv(3, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    const int boxHeight = lineHeight + 2 * edge + 2 * inner;
    switch (control.kind) {
        case ControlKind::Selector: {
            const int arrow = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
            return {extent.cx + arrow + 2 * edge + 4 * inner, boxHeight};
        }
        case ControlKind::RateBox:
        case ControlKind::ResultBox:
        case ControlKind::DateBox:
            // The caret after the figure takes a pixel or two.
            return {extent.cx + 2 * edge + 2 * inner + 2, boxHeight};
        case ControlKind::Button: {
            // A raised edge, the focus rectangle within it, and a gap to the text.
            const int face =
                2 * (2 * edge + GetSystemMetricsForDpi(SM_CXFOCUSBORDER, dpi_) + inner);
            return {extent.cx + face, lineHeight + face};
        }
        default:
            return {static_cast<int>(extent.cx), static_cast<int>(extent.cy)};
    }
}

int GdiTextMeasure::HeightForWidth(const ControlDesign& control, std::string_view text,
                                   int width) const {
    // In lines no wider than the room, broken as the static control breaks them, and where the
    // text has a line feed; a word wider than the room never fits, since the control would cut
    // it. The link's control spaces its lines by the font's external leading as well, and breaks
    // them only at spaces, never after a hyphen as the static control does.
    UseFontOf(control.name);
    if (control.kind == ControlKind::Credit) {
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
            if (Extent(text.substr(start, end - start)).cx > width) {
                return std::numeric_limits<int>::max();
            }
            start = end + 1;
        }
    }
    const std::wstring wide = Wide(text);
    RECT rect{0, 0, width, 0};
    const UINT leading = control.kind == ControlKind::Credit ? DT_EXTERNALLEADING : 0;
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | leading);
    return rect.right > width ? std::numeric_limits<int>::max() : static_cast<int>(rect.bottom);
}

std::string GdiTextMeasure::WidestDate() const {
    if (FirstOfKind(design_, ControlKind::DateBox).empty()) {
        return {};
    }
    std::string widest;
    int widestWidth = -1;
    constexpr CivilDate kFirst = {2888, 1, 1};
    for (std::int64_t days = 0;; ++days) {
        const CivilDate day = *DaysAfter(kFirst, days);
        if (day.year != kFirst.year) {
            break;
        }
        std::string text = DateText(day, DATE_LONGDATE);
        if (const int width = FigureWidth(text); width > widestWidth) {
            widestWidth = width;
            widest = std::move(text);
        }
    }
    return widest;
}

TEXTMETRICW FontMetricsOf(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, FontOf(control));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return metrics;
}

}  // namespace ranktally
