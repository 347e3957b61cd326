#include "plan_form.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "controls.h"
#include "dates.h"
#include "gdi_text_measure.h"
#include "plan_design.h"
#include "translation.h"
#include "wide_text.h"

namespace ranktally {
namespace {

constexpr wchar_t kWindowClass[] = L"RanktallyPlanForm";
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kMidnightTimer = 1;
constexpr UINT kDayMilliseconds = 24 * 60 * 60 * 1000;
constexpr std::string_view kSteps = "PlanSteps";
constexpr std::string_view kPlanNote = "PlanNoteLabel";

constexpr int IdOf(std::size_t index) {
    return kFirstControlId + static_cast<int>(index);
}

// The boxes whose notes the handlers tell: what the user types in, and the measured rate.
bool HasNote(const ControlDesign& design) {
    return design.kind == ControlKind::RateBox || design.name == "MeasuredRateTextBox";
}

}  // namespace

PlanForm::PlanForm(HINSTANCE instance, HWND owner, const std::array<std::string, 4>& formInputs,
                   RateHandler useRate)
    : useRate_(std::move(useRate)) {
    RegisterWindowClass(instance, kWindowClass, WindowProcedure);

    CreateWindowExW(kTopLevelExStyle, kWindowClass, Wide(Translated(kPlanWindowTitle)).c_str(),
                    kTopLevelStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr, instance,
                    this);
    CreateControls();
    UseFontFor(GetDpiForWindow(window_));
    handlers_.emplace(static_cast<PlanView&>(*this), UserDecimalSeparator(), formInputs, Today());
    WaitForMidnight();
    LayOut();
}

PlanForm::~PlanForm() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (HFONT font : {font_, headingFont_}) {
        DeleteObject(font);
    }
}

void PlanForm::Open() {
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
}

HWND PlanForm::Control(std::string_view name) const {
    return controls_[IndexOf(kPlanFormControls, name)];
}

void PlanForm::FormInputChanged(Input input, std::string_view text) {
    handlers_->FormInputChanged(input, text);
}

void PlanForm::CreateControls() {
    // In the design's order, which the keyboard follows, each caption just before the box it
    // names, as a screen reader names a box by the label before it.
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    for (std::size_t index = 0; index < kPlanFormControls.size(); ++index) {
        const ControlDesign& design = kPlanFormControls[index];
        controls_[index] = MakeControl(window_, instance, design, IdOf(index));
        if (design.kind == ControlKind::RateBox) {
            // A pasted figure of any length works, as it does in the form.
            SendMessageW(controls_[index], EM_SETLIMITTEXT, 0, 0);
        }
        if (HasNote(design)) {
            notes_.try_emplace(std::string(design.name), controls_[index]);
        }
    }
    HWND steps = Control(kSteps);
    for (std::size_t column = 0; column < kPlanColumns.size(); ++column) {
        std::wstring header = Wide(Translated(kPlanColumns[column]));
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_FMT;
        // Figures line up by their last digit; the level and the kind read from the left.
        item.fmt = column < 2 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        item.pszText = header.data();
        SendMessageW(steps, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&item));
    }
}

void PlanForm::UseFontFor(UINT dpi) {
    dpi_ = dpi;
    HFONT font = MessageFont(dpi);
    HFONT heading = MessageFont(dpi, true);
    for (std::size_t index = 0; index < kPlanFormControls.size(); ++index) {
        const bool isHeading = kPlanFormControls[index].kind == ControlKind::Heading;
        SendMessageW(controls_[index], WM_SETFONT,
                     reinterpret_cast<WPARAM>(isHeading ? heading : font), FALSE);
    }
    for (HFONT old : {font_, headingFont_}) {
        DeleteObject(old);
    }
    font_ = font;
    headingFont_ = heading;
}

void PlanForm::LayOut() {
    const GdiTextMeasure measure(kPlanFormControls, controls_, dpi_);
    const TwipsScale scale =
        TwipsScale::Fitting(kPlanFormControls, measure, UserDecimalSeparator());
    for (std::size_t index = 0; index < kPlanFormControls.size(); ++index) {
        const PixelRect rect = scale.ToPixels(kPlanFormControls[index].rect);
        MoveWindow(controls_[index], rect.left, rect.top, rect.width, rect.height, TRUE);
    }
    for (auto& [name, note] : notes_) {
        note.Place();
    }
    FitColumns();
    SetClientSize(window_,
                  {scale.ToPixels(kPlanClientWidthTwips), scale.ToPixels(kPlanClientHeightTwips)},
                  dpi_);
}

void PlanForm::ShowText(std::string_view control, std::string_view text) {
    SetWindowTextW(Control(control), Wide(text).c_str());
}

void PlanForm::ShowNote(std::string_view control, std::string_view note) {
    if (control != kPlannerName) {
        notes_.find(control)->second.Show(note);
        return;
    }
    HWND label = Control(kPlanNote);
    SetWindowTextW(label, Wide(note).c_str());
    ShowWindow(label, note.empty() ? SW_HIDE : SW_SHOWNA);
    if (!note.empty()) {
        // Read out at once, as the form's warning is.
        NotifyWinEvent(EVENT_SYSTEM_ALERT, label, OBJID_CLIENT, CHILDID_SELF);
    }
}

void PlanForm::ShowArrival(const Arrival& arrival) {
    arrival_ = arrival;
    ShowText("ArrivalTextBox", DateText(arrival, DATE_LONGDATE));
}

void PlanForm::ShowSteps(const std::vector<PlanStep>& steps) {
    steps_ = steps;
    WriteSteps();
    FitColumns();
}

void PlanForm::EnableControl(std::string_view control, bool enabled) {
    EnableWindow(Control(control), enabled);
}

void PlanForm::WriteSteps() {
    cells_.clear();
    cells_.reserve(steps_.size());
    for (std::size_t row = 0; row < steps_.size(); ++row) {
        const PlanStep& step = steps_[row];
        cells_.push_back({Wide(std::to_string(step.level)), Wide(StepKindText(steps_, row)),
                          Wide(step.points), Wide(step.hours), Wide(step.hoursOfPlay),
                          Wide(DateText(step.reached, DATE_SHORTDATE))});
    }
    HWND list = Control(kSteps);
    SendMessageW(list, LVM_SETITEMCOUNT, cells_.size(), 0);
    InvalidateRect(list, nullptr, TRUE);
}

void PlanForm::FitColumns() {
    // Each column as wide as its header or its widest cell, with the room a header keeps either
    // side of its text, three edges, which is more than a cell keeps. Measured here in one pass:
    // the list's own fitting measures each column's every cell anew, which on each keystroke is
    // slow under Wine.
    HWND list = Control(kSteps);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi_);
    std::array<int, kPlanColumns.size()> widths{};
    const auto measure = [](HWND control, auto&& each) {
        HDC dc = GetDC(control);
        HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        const auto width = [dc](const std::wstring& text) {
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            return static_cast<int>(size.cx);
        };
        each(width);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
    };
    measure(header, [&](const auto& width) {
        for (std::size_t column = 0; column < kPlanColumns.size(); ++column) {
            widths[column] = width(Wide(Translated(kPlanColumns[column]))) + 6 * edge;
        }
    });
    measure(list, [&](const auto& width) {
        for (const auto& row : cells_) {
            for (std::size_t column = 0; column < row.size(); ++column) {
                widths[column] = std::max(widths[column], width(row[column]) + 6 * edge);
            }
        }
    });
    for (std::size_t column = 0; column < widths.size(); ++column) {
        SendMessageW(list, LVM_SETCOLUMNWIDTH, column, widths[column]);
    }
}

void PlanForm::WaitForMidnight() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const UINT sinceMidnight =
        ((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds;
    // A second past it, so that the day read then is the new one. On the night the clock changes
    // it comes an hour early, finds the same day and waits again, or an hour late.
    SetTimer(window_, kMidnightTimer, kDayMilliseconds - sinceMidnight + 1000, nullptr);
}

void PlanForm::UseRateButton_Click() {
    if (const auto& rate = handlers_->RateToUse()) {
        useRate_(*rate);
    }
}

LRESULT CALLBACK PlanForm::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* plan =
            static_cast<PlanForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        plan->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(plan));
    }
    auto* plan = reinterpret_cast<PlanForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && plan != nullptr) {
        plan->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        plan = nullptr;
    }
    return plan != nullptr ? plan->OnMessage(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT PlanForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam);
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CTLCOLORSTATIC:
            return PaintOnButtonFace(reinterpret_cast<HDC>(wParam));
        case WM_ACTIVATE:
            // The control that had the focus gets it back, as in a dialog.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focus_ = GetFocus();
                return 0;
            }
            SetFocus(IsChild(window_, focus_) ? focus_ : Control("EarnedTextBox"));
            // A day that passed while the machine slept, or as the clock was set.
            handlers_->DayChanged(Today());
            return 0;
        case WM_TIMER:
            if (wParam == kMidnightTimer) {
                handlers_->DayChanged(Today());
                WaitForMidnight();
            }
            return 0;
        case WM_SETTINGCHANGE:
            if (lParam != 0 &&
                std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
                handlers_->DecimalSeparatorChanged(UserDecimalSeparator());
                ShowArrival(*arrival_);
                WriteSteps();
                LayOut();
            } else if (wParam == SPI_SETNONCLIENTMETRICS) {
                UseFontFor(dpi_);
                LayOut();
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            UseFontFor(HIWORD(wParam));
            LayOut();
            return 0;
        }
        case WM_CLOSE:
            // Hidden, it keeps what the user typed for the next time it opens.
            ShowWindow(window_, SW_HIDE);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void PlanForm::OnCommand(WPARAM wParam) {
    const auto index = static_cast<std::size_t>(LOWORD(wParam) - kFirstControlId);
    if (index >= kPlanFormControls.size()) {
        return;
    }
    const ControlDesign& design = kPlanFormControls[index];
    if (design.kind == ControlKind::RateBox && HIWORD(wParam) == EN_CHANGE) {
        handlers_->InputChanged(design.name, TextOf(controls_[index]));
    } else if (design.name == "UseRateButton" && HIWORD(wParam) == BN_CLICKED) {
        UseRateButton_Click();
    }
}

LRESULT PlanForm::OnNotify(const NMHDR& header) {
    // The list asks for each cell it draws.
    if (header.hwndFrom == Control(kSteps) && header.code == LVN_GETDISPINFOW) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
        const auto row = static_cast<std::size_t>(item.iItem);
        const auto column = static_cast<std::size_t>(item.iSubItem);
        if ((item.mask & LVIF_TEXT) && row < cells_.size() && column < kPlanColumns.size()) {
            lstrcpynW(item.pszText, cells_[row][column].c_str(), item.cchTextMax);
        }
    }
    return 0;
}

}  // namespace ranktally
