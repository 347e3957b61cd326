#include "form1.h"

#include <commctrl.h>
#include <oleacc.h>

#include <stdexcept>
#include <string>

#include "gdi_text_measure.h"
#include "note_marker.h"
#include "wide_text.h"

namespace ranktally {
namespace {

constexpr wchar_t kWindowClass[] = L"RanktallyForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kFirstControlId = 100;
constexpr UINT kTakeSizeBack = WM_APP;
constexpr int kSizeTakeBacks = 3;
// A drop-down list is as high as its closed face plus its open list.
constexpr int kVisibleEntries = 12;

constexpr int IdOf(std::string_view name) {
    return kFirstControlId + static_cast<int>(IndexOf(name));
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

TTTOOLINFOW ToolOf(HWND window, UINT_PTR id) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = id;
    return tool;
}

HWND MakeControl(HWND parent, HINSTANCE instance, const ControlDesign& design) {
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
        case ControlKind::Heading:
        case ControlKind::DateBox:
        case ControlKind::Button:
        case ControlKind::Notice:
        case ControlKind::Table:
            throw std::invalid_argument("the form has no control of this kind");
    }
    const auto id = static_cast<INT_PTR>(IdOf(design.name));
    return CreateWindowExW(exStyle, windowClass, Wide(Translated(design.text)).c_str(), style, 0, 0,
                           0, 0, parent, reinterpret_cast<HMENU>(id), instance, nullptr);
}

}  // namespace

Form1::Form1(HINSTANCE instance) : instance_(instance), handlers_(*this, UserDecimalSeparator()) {
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

    window_ = CreateWindowExW(kExStyle, kWindowClass, Wide(kWindowTitle).c_str(), kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    CreateControls();
    UseFontFor(GetDpiForWindow(window_));
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
    if (markerIcon_ != nullptr) {
        DestroyIcon(markerIcon_);
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
    // The keyboard visits controls in their z-order, and a screen reader names a control by the
    // label just before it; each control is created after its caption, in the designed tab order.
    const auto create = [&](std::size_t index) {
        controls_[index] = MakeControl(window_, instance_, kForm1Controls[index]);
    };
    for (const std::string_view name : kTabOrder) {
        if (const ControlDesign* caption = CaptionOf(name)) {
            create(IndexOf(caption->name));
        }
        create(IndexOf(name));
    }
    for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
        if (controls_[index] == nullptr) {
            create(index);
        }
    }
    // A pasted rate of any length works, as it does everywhere else.
    SendMessageW(Control("SKTextBox"), EM_SETLIMITTEXT, 0, 0);
}

void Form1::Form_Load() {
    for (const SelectorDesign& design : kSelectors) {
        HWND selector = Control(design.name);
        for (const std::string& entry : ListEntries(design)) {
            SendMessageW(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
        }
        SendMessageW(selector, CB_SETCURSEL, static_cast<WPARAM>(design.startingPick), 0);
    }
    handlers_.Loaded();
}

HWND Form1::MakeTooltip(DWORD style, UINT flags, UINT_PTR id) const {
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | style, 0, 0, 0, 0,
                                   window_, nullptr, instance_, nullptr);
    TTTOOLINFOW tool = ToolOf(window_, id);
    tool.uFlags = flags;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tooltip;
}

void Form1::SetTooltipText(HWND tooltip, UINT_PTR id, std::string_view text) const {
    std::wstring wide = Wide(text);
    TTTOOLINFOW tool = ToolOf(window_, id);
    tool.lpszText = wide.data();
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form1::ShowRateNote(std::string_view note) {
    HWND box = Control("SKTextBox");
    const auto boxId = reinterpret_cast<UINT_PTR>(box);
    if (!note.empty() && rateMarker_ == nullptr) {
        rateMarker_ =
            CreateWindowExW(0, WC_STATICW, nullptr, WS_CHILD | SS_ICON | SS_REALSIZECONTROL, 0, 0,
                            0, 0, box, nullptr, instance_, nullptr);
        // The box colours its marker, so that the icon stands on the box's own white.
        SetWindowSubclass(box, RateBoxProcedure, 0, 0);
        rateTip_ = MakeTooltip(0, TTF_IDISHWND | TTF_SUBCLASS, boxId);
        noteBalloon_ = MakeTooltip(TTS_BALLOON, TTF_TRACK | TTF_ABSOLUTE, 0);
    }
    if (rateMarker_ != nullptr) {
        SetTooltipText(rateTip_, boxId, note);
        SendMessageW(rateTip_, TTM_ACTIVATE, !note.empty(), 0);
        ShowWindow(rateMarker_, note.empty() ? SW_HIDE : SW_SHOWNA);
        PlaceRateMarker();
    }
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        if (note.empty()) {
            MSAAPROPID description = PROPID_ACC_DESCRIPTION;
            services->ClearHwndProps(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     &description, 1);
        } else {
            services->SetHwndPropStr(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_DESCRIPTION, Wide(note).c_str());
        }
        services->Release();
    }
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, box, OBJID_CLIENT, CHILDID_SELF);
}

void Form1::ShowNoteBalloon(std::string_view note) {
    balloonShown_ = !note.empty();
    SetTooltipText(noteBalloon_, 0, note);
    // Placed before it shows, so that it never shows elsewhere first.
    PlaceNoteBalloon();
    TTTOOLINFOW tool = ToolOf(window_, 0);
    SendMessageW(noteBalloon_, TTM_TRACKACTIVATE, balloonShown_, reinterpret_cast<LPARAM>(&tool));
}

void Form1::PlaceRateMarker() {
    if (rateMarker_ == nullptr) {
        return;
    }
    HWND box = Control("SKTextBox");
    RECT client{};
    GetClientRect(box, &client);
    const NoteMarkerPlace place = PlaceNoteMarker({client.right, client.bottom},
                                                  GdiTextMeasure(box, font_, dpi_).LineHeight());
    const PixelRect& marker = place.marker;
    // The system's own warning icon, loaded anew at the marker's size: a shared one keeps the
    // size it was first loaded at.
    if (marker.width > 0) {
        if (auto* icon =
                static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(OIC_WARNING), IMAGE_ICON,
                                              marker.width, marker.height, 0))) {
            SendMessageW(rateMarker_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            if (markerIcon_ != nullptr) {
                DestroyIcon(markerIcon_);
            }
            markerIcon_ = icon;
        }
    }
    MoveWindow(rateMarker_, marker.left, marker.top, marker.width, marker.height, TRUE);
    const bool shown = IsWindowVisible(rateMarker_) != FALSE;
    SendMessageW(box, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, shown ? place.textMargin : 0));
    PlaceNoteBalloon();
}

void Form1::PlaceNoteBalloon() {
    if (!balloonShown_) {
        return;
    }
    // It points at the marker, as Windows tells of a box's input, in the box's font.
    RECT marker{};
    GetWindowRect(rateMarker_, &marker);
    SendMessageW(noteBalloon_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(
        noteBalloon_, TTM_SETMAXTIPWIDTH, 0,
        GdiTextMeasure(noteBalloon_, font_, dpi_).AverageCharacterWidth() * kNoteBalloonCharacters);
    SendMessageW(noteBalloon_, TTM_TRACKPOSITION, 0,
                 MAKELPARAM((marker.left + marker.right) / 2, marker.bottom));
}

LRESULT CALLBACK Form1::RateBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR) {
    if (message == WM_CTLCOLORSTATIC) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, RateBoxProcedure, 0);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void Form1::ShowResult(Result result, std::string_view text) {
    SetWindowTextW(Control(ControlOf(result)), Wide(text).c_str());
}

void Form1::ShowWarning(std::string_view caption) {
    HWND warning = Control("WarningLabel");
    SetWindowTextW(warning, Wide(caption).c_str());
    ShowWindow(warning, caption.empty() ? SW_HIDE : SW_SHOWNA);
    if (!caption.empty()) {
        // Read out at once, as a screen reader reads a message box.
        NotifyWinEvent(EVENT_SYSTEM_ALERT, warning, OBJID_CLIENT, CHILDID_SELF);
    }
}

void Form1::SetOuterHeight(int twips) {
    outerHeightTwips_ = twips;
    sizeTakeBacks_ = kSizeTakeBacks;
    ApplySize();
}

SIZE Form1::ClientSize() const {
    const PixelSize size = ranktally::ClientSize(scale_, outerHeightTwips_);
    return {size.width, size.height};
}

void Form1::ApplySize() {
    const SIZE client = ClientSize();
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::UseFontFor(UINT dpi) {
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
}

void Form1::LayOut(std::string_view decimalSeparator) {
    const GdiTextMeasure measure(window_, font_, dpi_);
    scale_ = TwipsScale::Fitting(kForm1Controls, measure, decimalSeparator);
    for (std::size_t index = 0; index < kForm1Controls.size(); ++index) {
        PixelRect rect = scale_.ToPixels(kForm1Controls[index].rect);
        if (kForm1Controls[index].kind == ControlKind::Selector) {
            // The closed face takes the height its font gives it; the rest is the open list.
            rect.height += kVisibleEntries *
                           static_cast<int>(SendMessageW(controls_[index], CB_GETITEMHEIGHT, 0, 0));
        }
        MoveWindow(controls_[index], rect.left, rect.top, rect.width, rect.height, TRUE);
    }
    PlaceRateMarker();
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->OnMessage(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // The entry already shown, picked again from the open list, sends CBN_SELENDOK alone.
            switch (static_cast<DWORD>(wParam)) {
                case MAKELONG(IdOf("CurrentLevelCombo"), CBN_SELCHANGE):
                case MAKELONG(IdOf("CurrentLevelCombo"), CBN_SELENDOK):
                    CurrentLevelCombo_Click();
                    break;
                case MAKELONG(IdOf("TargetLevelCombo"), CBN_SELCHANGE):
                case MAKELONG(IdOf("TargetLevelCombo"), CBN_SELENDOK):
                    TargetLevelCombo_Click();
                    break;
                case MAKELONG(IdOf("HourPlayCombo"), CBN_SELCHANGE):
                case MAKELONG(IdOf("HourPlayCombo"), CBN_SELENDOK):
                    HourPlayCombo_Click();
                    break;
                case MAKELONG(IdOf("SKTextBox"), EN_CHANGE):
                    SKTextBox_Change();
                    break;
                case MAKELONG(IdOf("SKTextBox"), EN_SETFOCUS):
                case MAKELONG(IdOf("SKTextBox"), EN_KILLFOCUS):
                    handlers_.RateFocusChanged(HIWORD(wParam) == EN_SETFOCUS);
                    break;
                default:
                    break;
            }
            return 0;
        case WM_CTLCOLORSTATIC: {
            // Read-only boxes and labels on the button face, in the theme's colours.
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_MOVE:
            PlaceNoteBalloon();
            return 0;
        case WM_SIZE:
            // Taken back for Wine, where a window manager's late answer to an earlier size can
            // arrive after the latest one; a few times at most, never to fight one that insists.
            if (wParam == SIZE_RESTORED && lParam != MAKELPARAM(ClientSize().cx, ClientSize().cy) &&
                sizeTakeBacks_ > 0) {
                --sizeTakeBacks_;
                PostMessageW(window_, kTakeSizeBack, 0, 0);
            }
            return 0;
        case kTakeSizeBack:
            ApplySize();
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            UseFontFor(HIWORD(wParam));
            handlers_.FontChanged();
            return 0;
        }
        case WM_SETTINGCHANGE:
            if (lParam != 0 &&
                std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
                handlers_.DecimalSeparatorChanged(UserDecimalSeparator());
            } else if (wParam == SPI_SETNONCLIENTMETRICS) {
                UseFontFor(dpi_);
                handlers_.FontChanged();
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Form1::CurrentLevelCombo_Click() {
    handlers_.InputChanged(Input::CurrentLevel, TextOf(Control("CurrentLevelCombo")));
}

void Form1::TargetLevelCombo_Click() {
    handlers_.InputChanged(Input::TargetLevel, TextOf(Control("TargetLevelCombo")));
}

void Form1::HourPlayCombo_Click() {
    handlers_.InputChanged(Input::HoursPerDay, TextOf(Control("HourPlayCombo")));
}

void Form1::SKTextBox_Change() {
    handlers_.InputChanged(Input::Rate, TextOf(Control("SKTextBox")));
}

}  // namespace ranktally
