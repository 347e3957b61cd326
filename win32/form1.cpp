#include "form1.h"

#include <commctrl.h>

#include <string>

#include "controls.h"
#include "gdi_text_measure.h"
#include "note_marker.h"
#include "wide_text.h"

namespace ranktally {
namespace {

constexpr wchar_t kWindowClass[] = L"RanktallyForm1";
constexpr int kFirstControlId = 100;
constexpr UINT kTakeSizeBack = WM_APP;
constexpr int kSizeTakeBacks = 3;
// A drop-down list is as high as its closed face plus its open list.
constexpr int kVisibleEntries = 12;

constexpr int IdOf(std::string_view name) {
    return kFirstControlId + static_cast<int>(IndexOf(name));
}

}  // namespace

Form1::Form1(HINSTANCE instance) : instance_(instance), handlers_(*this, UserDecimalSeparator()) {
    RegisterWindowClass(instance, kWindowClass, WindowProcedure);

    window_ =
        CreateWindowExW(kTopLevelExStyle, kWindowClass, Wide(kWindowTitle).c_str(), kTopLevelStyle,
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
        controls_[index] = MakeControl(window_, instance_, kForm1Controls[index],
                                       IdOf(kForm1Controls[index].name));
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
    rateNote_.emplace(Control("SKTextBox"));
}

bool Form1::HandleDialogKey(MSG& message) {
    // Each window takes the keys of its own controls, and lets pass the others'.
    return IsDialogMessageW(window_, &message) || (plan_ != nullptr && plan_->Window() != nullptr &&
                                                   IsDialogMessageW(plan_->Window(), &message));
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

void Form1::ShowRateNote(std::string_view note) {
    rateNote_->Show(note);
    PlaceNoteBalloon();
}

void Form1::ShowNoteBalloon(std::string_view note) {
    balloonShown_ = !note.empty();
    if (noteBalloon_ == nullptr) {
        if (!balloonShown_) {
            return;
        }
        noteBalloon_ = MakeTooltip(window_, TTS_BALLOON, TTF_TRACK | TTF_ABSOLUTE, 0);
    }
    SetTooltipText(noteBalloon_, window_, 0, note);
    // Placed before it shows, so that it never shows elsewhere first.
    PlaceNoteBalloon();
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    SendMessageW(noteBalloon_, TTM_TRACKACTIVATE, balloonShown_, reinterpret_cast<LPARAM>(&tool));
}

void Form1::PlaceNoteBalloon() {
    if (!balloonShown_) {
        return;
    }
    // It points at the marker, as Windows tells of a box's input, in the box's font.
    RECT marker{};
    GetWindowRect(rateNote_->Marker(), &marker);
    SendMessageW(noteBalloon_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(noteBalloon_, TTM_SETMAXTIPWIDTH, 0,
                 FontMetricsOf(noteBalloon_).tmAveCharWidth * kNoteBalloonCharacters);
    SendMessageW(noteBalloon_, TTM_TRACKPOSITION, 0,
                 MAKELPARAM((marker.left + marker.right) / 2, marker.bottom));
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
    SetClientSize(window_, {client.cx, client.cy}, dpi_);
}

void Form1::UseFontFor(UINT dpi) {
    dpi_ = dpi;
    HFONT font = MessageFont(dpi);
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
}

void Form1::LayOut(std::string_view decimalSeparator) {
    const GdiTextMeasure measure(kForm1Controls, controls_, dpi_);
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
    rateNote_->Place();
    PlaceNoteBalloon();
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
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == Control("Label1") &&
                (header->code == NM_CLICK || header->code == NM_RETURN)) {
                Label1_Click();
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            return PaintOnButtonFace(reinterpret_cast<HDC>(wParam));
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
    InputChanged(Input::CurrentLevel, Control("CurrentLevelCombo"));
}

void Form1::TargetLevelCombo_Click() {
    InputChanged(Input::TargetLevel, Control("TargetLevelCombo"));
}

void Form1::HourPlayCombo_Click() {
    InputChanged(Input::HoursPerDay, Control("HourPlayCombo"));
}

void Form1::SKTextBox_Change() {
    InputChanged(Input::Rate, Control("SKTextBox"));
}

void Form1::InputChanged(Input input, HWND control) {
    const std::string text = TextOf(control);
    handlers_.InputChanged(input, text);
    if (plan_ != nullptr) {
        plan_->FormInputChanged(input, text);
    }
}

void Form1::Label1_Click() {
    // Made on first need, and made anew only if its window was destroyed.
    if (plan_ == nullptr || plan_->Window() == nullptr) {
        std::array<std::string, 4> inputs;
        for (const Input input : kInputs) {
            inputs[static_cast<std::size_t>(input)] = TextOf(Control(ControlOf(input)));
        }
        plan_ = std::make_unique<PlanForm>(instance_, window_, inputs,
                                           [this](std::string_view rate) { UseRate(rate); });
    }
    plan_->Open();
}

void Form1::UseRate(std::string_view rate) {
    HWND box = Control("SKTextBox");
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(rate).c_str()));
}

}  // namespace ranktally
