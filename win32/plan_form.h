#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "box_note.h"
#include "form_design.h"
#include "plan_form_design.h"
#include "plan_handlers.h"

namespace ranktally {

// The plan window beside the form on the Win32 API: the planner's controls laid out by the form's
// fitting rule in the message font at the window's DPI, the steps in a list view, days in the
// user's regional format, and the day read anew after local midnight. What it shows, and when, is
// the plan handlers' business; what the form does with a rate it hands over is the form's.
class PlanForm : private PlanView {
public:
    using RateHandler = std::function<void(std::string_view rate)>;

    // Made hidden, owned by the form's window `owner`, which it stays above; `formInputs` are the
    // form's four inputs as they are now, in the order of Input.
    PlanForm(HINSTANCE instance, HWND owner, const std::array<std::string, 4>& formInputs,
             RateHandler useRate);
    ~PlanForm() override;
    PlanForm(const PlanForm&) = delete;
    PlanForm& operator=(const PlanForm&) = delete;

    // Shows it above the form, active.
    void Open();
    // None once the window is destroyed, as it is with its owner.
    HWND Window() const { return window_; }
    // The control with this name in the plan window's design.
    HWND Control(std::string_view name) const;
    void FormInputChanged(Input input, std::string_view text);

private:
    void ShowText(std::string_view control, std::string_view text) override;
    void ShowNote(std::string_view control, std::string_view note) override;
    void ShowArrival(const Arrival& arrival) override;
    void ShowSteps(const std::vector<PlanStep>& steps) override;
    void EnableControl(std::string_view control, bool enabled) override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam);
    LRESULT OnNotify(const NMHDR& header);

    void CreateControls();
    void UseFontFor(UINT dpi);
    void LayOut();
    // Each step's cells, with its day in the short regional format.
    void WriteSteps();
    void FitColumns();
    void WaitForMidnight();
    void UseRateButton_Click();

    HWND window_ = nullptr;
    std::array<HWND, kPlanFormControls.size()> controls_{};
    std::map<std::string, BoxNote, std::less<>> notes_;
    HFONT font_ = nullptr;
    HFONT headingFont_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    // The control that had the focus as the window was last left.
    HWND focus_ = nullptr;
    RateHandler useRate_;
    std::optional<Arrival> arrival_;
    std::vector<PlanStep> steps_;
    std::vector<std::array<std::wstring, kPlanColumns.size()>> cells_;
    // Made once the controls it tells are there.
    std::optional<PlanHandlers> handlers_;
};

}  // namespace ranktally
