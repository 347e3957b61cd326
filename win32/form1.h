#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "box_note.h"
#include "form_design.h"
#include "form_handlers.h"
#include "plan_form.h"

namespace ranktally {

// The calculator's main window on the Win32 API: its controls, laid out from the form's design in
// the system's message font at the window's DPI, drawing what the form's handlers tell it, and the
// plan window its credit's link opens, which it tells of every input. What the plan shows is the
// plan window's business.
class Form1 : private FormView {
public:
    // Creates the window, hidden, and runs its start-up; Show() shows it.
    explicit Form1(HINSTANCE instance);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void Show(int showCommand);
    HWND Window() const { return window_; }
    // The control with this name in the form's design.
    HWND Control(std::string_view name) const;
    // None until the credit's link first opens it.
    PlanForm* Plan() const { return plan_.get(); }
    // Tab, Shift+Tab, Enter and the arrow keys move between and press the controls of the form
    // and of the plan, as in a dialog: true when the message was such a key and is handled.
    bool HandleDialogKey(MSG& message);

private:
    void ShowResult(Result result, std::string_view text) override;
    void ShowWarning(std::string_view caption) override;
    void SetOuterHeight(int twips) override;
    void LayOut(std::string_view decimalSeparator) override;
    void ShowRateNote(std::string_view note) override;
    void ShowNoteBalloon(std::string_view note) override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CurrentLevelCombo_Click();
    void TargetLevelCombo_Click();
    void HourPlayCombo_Click();
    void SKTextBox_Change();
    void Label1_Click();
    // Told to the form's handlers, then to the plan's.
    void InputChanged(Input input, HWND control);
    // "Use as my rate": as a user's edit of the rate box, which the box's own undo takes back.
    void UseRate(std::string_view rate);

    void CreateControls();
    void Form_Load();
    void UseFontFor(UINT dpi);
    SIZE ClientSize() const;
    void ApplySize();
    void PlaceNoteBalloon();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::array<HWND, kForm1Controls.size()> controls_{};
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    TwipsScale scale_;
    int outerHeightTwips_ = kCompactHeightTwips;
    int sizeTakeBacks_ = 0;
    // Made with the rate box; the balloon that points at its marker, on the first note.
    std::optional<BoxNote> rateNote_;
    HWND noteBalloon_ = nullptr;
    bool balloonShown_ = false;
    FormHandlers handlers_;
    std::unique_ptr<PlanForm> plan_;
};

}  // namespace ranktally
