#include "form1.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <optional>

#include "gdi_text_measure.h"
#include "level_table.h"
#include "rate_reading.h"
#include "wide_text.h"

namespace ranktally {
namespace {

constexpr wchar_t kWindowClass[] = L"RanktallyForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kFirstControlId = 100;
// A drop-down list is as high as its closed face plus its open list.
constexpr int kVisibleEntries = 12;

std::size_t IndexOf(std::string_view name) {
    return static_cast<std::size_t>(&DesignOf(name) - kForm1Controls.data());
}

std::wstring WindowText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string UserDecimalSeparator() {
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return Narrow(separator);
}

HWND MakeControl(HWND parent, HINSTANCE instance, const ControlDesign& design, int id) {
    const wchar_t* windowClass = WC_STATICW;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (design.kind) {
        case ControlKind::Caption:
        case ControlKind::Credit:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case ControlKind::Warning:
            style = WS_CHILD | SS_LEFT | SS_NOPREFIX;  // hidden while it has nothing to say
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
            windowClass = WC_EDITW;
            style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;
            exStyle = WS_EX_CLIENTEDGE;
            break;
    }
    return CreateWindowExW(exStyle, windowClass, Wide(design.text).c_str(), style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           nullptr);
}

}  // namespace

Form1::Form1(HINSTANCE instance) : calculator_(*this) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"RANKTALLY");
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"RANKTALLY", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    window_ = CreateWindowExW(kExStyle, kWindowClass, L"Ranktally", kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    CreateControls();
    FollowLocale();
    ApplyDpi(GetDpiForWindow(window_));
    Form_Load();
}

Form1::~Form1() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

void Form1::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    SetFocus(Control(kTabOrder.front()));
}

HWND Form1::Control(std::string_view name) const {
    return controls_[IndexOf(name)];
}

void Form1::CreateControls() {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    // The keyboard visits controls in their z-order, and a screen reader names a control by the
    // label just before it; each control is created after its caption, in the designed tab order.
    const auto create = [&](std::size_t index) {
        controls_[index] = MakeControl(window_, instance, kForm1Controls[index],
                                       kFirstControlId + static_cast<int>(index));
    };
    for (const std::string_view name : kTabOrder) {
        const std::size_t index = IndexOf(name);
        if (index > 0 && kForm1Controls[index - 1].kind == ControlKind::Caption) {
            create(index - 1);
        }
        create(index);
    }
    for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
        if (controls_[index] == nullptr) {
            create(index);
        }
    }
    // A pasted rate of any length works, as it does everywhere else.
    SendMessageW(Control("SKTextBox"), EM_SETLIMITTEXT, 0, 0);
}

void Form1::FillSelector(std::string_view name, int count) {
    HWND selector = Control(name);
    for (const std::string& entry : ListEntries(count, decimalSeparator_)) {
        SendMessageW(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    }
}

void Form1::Form_Load() {
    FillSelector("CurrentLevelCombo", kLevelCount);
    FillSelector("TargetLevelCombo", kLevelCount);
    FillSelector("HourPlayCombo", kHoursPerDayCount);
    SendMessageW(Control("HourPlayCombo"), CB_SETCURSEL, 0, 0);
    calculator_.Recalculate();
}

void Form1::CurrentLevelCombo_Click() {
    calculator_.Recalculate();
}

void Form1::TargetLevelCombo_Click() {
    calculator_.TargetLevelPicked();
}

void Form1::HourPlayCombo_Click() {
    calculator_.Recalculate();
}

void Form1::SKTextBox_Change() {
    calculator_.Recalculate();
    ShowRateReading();
}

void Form1::ShowRateReading() {
    HWND box = Control("SKTextBox");
    const std::optional<std::string> note =
        RateReadingNote(Narrow(WindowText(box)), decimalSeparator_);
    const std::wstring text = note ? Wide(*note) : std::wstring();
    // A screen reader hears a new description once, not at every keystroke.
    if (text == rateNote_) {
        return;
    }
    rateNote_ = text;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    if (note && rateMarker_ == nullptr) {
        rateMarker_ =
            CreateWindowExW(0, WC_STATICW, nullptr, WS_CHILD | SS_ICON | SS_REALSIZECONTROL, 0, 0,
                            0, 0, box, nullptr, instance, nullptr);
        rateTip_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                            0, 0, window_, nullptr, instance, nullptr);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(box);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(rateTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (rateMarker_ != nullptr) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(box);
        tool.lpszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(rateTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(rateTip_, TTM_ACTIVATE, note.has_value(), 0);
        ShowWindow(rateMarker_, note ? SW_SHOWNA : SW_HIDE);
        PlaceRateMarker();
    }
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        if (note) {
            services->SetHwndPropStr(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_DESCRIPTION, text.c_str());
        } else {
            MSAAPROPID description = PROPID_ACC_DESCRIPTION;
            services->ClearHwndProps(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     &description, 1);
        }
        services->Release();
    }
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, box, OBJID_CLIENT, CHILDID_SELF);
}

void Form1::PlaceRateMarker() {
    if (rateMarker_ == nullptr) {
        return;
    }
    // The marker sits at the box's right end, and the text keeps clear of it while it shows.
    HWND box = Control("SKTextBox");
    const int size = GetSystemMetricsForDpi(SM_CXSMICON, dpi_);
    // The system's own warning icon, shared and never destroyed.
    const auto icon = static_cast<HICON>(
        LoadImageW(nullptr, MAKEINTRESOURCEW(OIC_WARNING), IMAGE_ICON, size, size, LR_SHARED));
    SendMessageW(rateMarker_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    RECT client{};
    GetClientRect(box, &client);
    const int gap = MulDiv(2, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    MoveWindow(rateMarker_, client.right - size - gap, (client.bottom - size) / 2, size, size,
               TRUE);
    const bool shown = IsWindowVisible(rateMarker_) != FALSE;
    SendMessageW(box, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, shown ? size + 2 * gap : 0));
}

std::string Form1::InputText(Input input) const {
    switch (input) {
        case Input::CurrentLevel:
            return Narrow(WindowText(Control("CurrentLevelCombo")));
        case Input::Rate:
            return Narrow(WindowText(Control("SKTextBox")));
        case Input::HoursPerDay:
            return Narrow(WindowText(Control("HourPlayCombo")));
        case Input::TargetLevel:
            return Narrow(WindowText(Control("TargetLevelCombo")));
    }
    return {};
}

void Form1::SetResultText(Result result, std::string_view text) {
    static constexpr std::string_view kBoxes[] = {"SKNeededTextBox", "HoursNeededTextBox",
                                                  "DaysNeededTextBox"};
    HWND box = Control(kBoxes[static_cast<int>(result)]);
    // Every rewrite, even of the same text, reaches a screen reader as new text.
    const std::wstring shown = Wide(text);
    if (WindowText(box) != shown) {
        SetWindowTextW(box, shown.c_str());
    }
}

void Form1::SetWarningCaption(std::string_view caption) {
    HWND warning = Control("WarningLabel");
    const bool appears = !caption.empty() && !IsWindowVisible(warning);
    SetWindowTextW(warning, Wide(caption).c_str());
    ShowWindow(warning, caption.empty() ? SW_HIDE : SW_SHOWNA);
    if (appears) {
        NotifyWinEvent(EVENT_SYSTEM_ALERT, warning, OBJID_CLIENT, CHILDID_SELF);
    }
}

void Form1::SetOuterHeight(int twips) {
    outerHeightTwips_ = twips;
    RECT frame{0, 0, scale_.ToPixels(kClientWidthTwips), scale_.ToPixels(ClientHeightTwips(twips))};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::ApplyDpi(UINT dpi) {
    dpi_ = dpi;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
    LayOut();
}

void Form1::LayOut() {
    const GdiTextMeasure measure(window_, font_, dpi_,
                                 GdiTextMeasure::WidestFigure(window_, font_, decimalSeparator_));
    scale_ = TwipsScale::Fitting(kForm1Controls, measure);
    for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
        const ControlDesign& design = kForm1Controls[index];
        const PixelRect rect = scale_.ToPixels(design.rect);
        int height = rect.height;
        if (design.kind == ControlKind::Selector) {
            // The closed face takes the height its font gives it; the rest is the open list.
            height += kVisibleEntries *
                      static_cast<int>(SendMessageW(controls_[index], CB_GETITEMHEIGHT, 0, 0));
        }
        MoveWindow(controls_[index], rect.left, rect.top, rect.width, height, TRUE);
    }
    PlaceRateMarker();
    SetOuterHeight(outerHeightTwips_);
}

void Form1::FollowLocale() {
    decimalSeparator_ = UserDecimalSeparator();
    calculator_.SetDecimalSeparator(decimalSeparator_);
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->Handle(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const auto control = reinterpret_cast<HWND>(lParam);
            const WORD code = HIWORD(wParam);
            if (code == CBN_SELCHANGE && control == Control("CurrentLevelCombo")) {
                CurrentLevelCombo_Click();
            } else if (code == CBN_SELCHANGE && control == Control("TargetLevelCombo")) {
                TargetLevelCombo_Click();
            } else if (code == CBN_SELCHANGE && control == Control("HourPlayCombo")) {
                HourPlayCombo_Click();
            } else if (code == EN_CHANGE && control == Control("SKTextBox")) {
                SKTextBox_Change();
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC: {
            // Read-only boxes and labels on the button face, in the theme's colours.
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ApplyDpi(HIWORD(wParam));
            return 0;
        }
        case WM_SETTINGCHANGE:
            if (lParam != 0 &&
                std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
                FollowLocale();
                LayOut();
                calculator_.Recalculate();
                ShowRateReading();
            } else if (wParam == SPI_SETNONCLIENTMETRICS) {
                ApplyDpi(dpi_);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace ranktally
