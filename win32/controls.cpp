#include "controls.h"

#include <commctrl.h>

#include "link_accessible.h"
#include "wide_text.h"

namespace ranktally {
namespace {

// Space presses the link as Enter does, as it presses a button. Wine's SysLink (8.0) answers no
// screen reader: where the control gives no object of its own, the program gives one.
LRESULT CALLBACK LinkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR credit) {
    if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        wParam = VK_RETURN;
    }
    if (message == WM_GETOBJECT && static_cast<long>(lParam) == OBJID_CLIENT) {
        if (const LRESULT own = DefSubclassProc(link, message, wParam, lParam)) {
            return own;
        }
        return LinkAccessibleObject(
            link, wParam, Wide(Translated(reinterpret_cast<const ControlDesign*>(credit)->text)),
            Wide(Translated(kPlanLinkText)));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(link, LinkProcedure, 0);
    }
    return DefSubclassProc(link, message, wParam, lParam);
}

// The credit, then on a line of its own the link to the plan. SysLink markup has no escape: the
// credit stands as it is, which a text with no "<a" in it does.
std::wstring CreditMarkup(std::string_view credit) {
    return Wide(Translated(credit)) + L"\n<a>" + Wide(Translated(kPlanLinkText)) + L"</a>";
}

}  // namespace

HWND MakeControl(HWND parent, HINSTANCE instance, const ControlDesign& design, int id) {
    const wchar_t* windowClass = WC_STATICW;
    std::wstring text = Wide(Translated(design.text));
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (design.kind) {
        case ControlKind::Caption:
        case ControlKind::Heading:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case ControlKind::Warning:
        case ControlKind::Notice:
            style = WS_CHILD | SS_LEFT | SS_NOPREFIX;
            text.clear();
            break;
        case ControlKind::Credit:
            windowClass = WC_LINK;
            style |= WS_TABSTOP | LWS_NOPREFIX;
            text = CreditMarkup(design.text);
            break;
        case ControlKind::Selector:
            windowClass = WC_COMBOBOXW;
            style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
            break;
        case ControlKind::RateBox:
            windowClass = WC_EDITW;
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::ResultBox:
        case ControlKind::DateBox:
            windowClass = WC_EDITW;
            style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Button:
            windowClass = WC_BUTTONW;
            style |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case ControlKind::Table:
            // Its rows are asked of the window as they are drawn.
            windowClass = WC_LISTVIEWW;
            style |= WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA;
            exStyle = WS_EX_CLIENTEDGE;
            break;
    }
    HWND control =
        CreateWindowExW(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (design.kind == ControlKind::Credit) {
        SetWindowSubclass(control, LinkProcedure, 0, reinterpret_cast<DWORD_PTR>(&design));
    } else if (design.kind == ControlKind::Table) {
        SendMessageW(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    }
    return control;
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"RANKTALLY");
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"RANKTALLY", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

std::string TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

std::string UserDecimalSeparator() {
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return Narrow(separator);
}

HFONT MessageFont(UINT dpi, bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    if (bold) {
        metrics.lfMessageFont.lfWeight = FW_BOLD;
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

LRESULT PaintOnButtonFace(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void SetClientSize(HWND window, PixelSize client, UINT dpi) {
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ranktally
