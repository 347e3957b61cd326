#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "form_design.h"
#include "form_handlers.h"

namespace ranktally {

// The calculator's one window on the Win32 API: its controls, laid out from the form's design in
// the system's message font at the window's DPI, drawing what the form's handlers tell it.
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

private:
    void ShowResult(Result result, std::string_view text) override;
    void ShowWarning(std::string_view caption) override;
    void SetOuterHeight(int twips) override;
    void LayOut(std::string_view decimalSeparator) override;
    void ShowRateNote(std::string_view note) override;
    void ShowNoteBalloon(std::string_view note) override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK RateBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CurrentLevelCombo_Click();
    void TargetLevelCombo_Click();
    void HourPlayCombo_Click();
    void SKTextBox_Change();

    void CreateControls();
    void Form_Load();
    void UseFontFor(UINT dpi);
    SIZE ClientSize() const;
    void ApplySize();
    void PlaceRateMarker();
    void PlaceNoteBalloon();
    HWND MakeTooltip(DWORD style, UINT flags, UINT_PTR id) const;
    void SetTooltipText(HWND tooltip, UINT_PTR id, std::string_view text) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::array<HWND, kForm1Controls.size()> controls_{};
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    TwipsScale scale_;
    int outerHeightTwips_ = kCompactHeightTwips;
    int sizeTakeBacks_ = 0;
    // Beside the rate box, made on first need: the marker, its hover text, and the balloon.
    HWND rateMarker_ = nullptr;
    HWND rateTip_ = nullptr;
    HWND noteBalloon_ = nullptr;
    HICON markerIcon_ = nullptr;
    bool balloonShown_ = false;
    FormHandlers handlers_;
};

}  // namespace ranktally
