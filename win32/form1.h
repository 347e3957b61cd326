#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "form_design.h"
#include "form_handlers.h"

namespace ranktally {

// The calculator's one window on the Win32 API: its controls, laid out from the form's design in
// the system's message font at the window's DPI, and the handlers that hand every pick and edit
// to the calculator. What the figures and the warning say is the calculator's business.
class Form1 : public FormWindow {
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

    std::string InputText(Input input) const override;
    void SetResultText(Result result, std::string_view text) override;
    void SetWarningCaption(std::string_view caption) override;
    void SetOuterHeight(int twips) override;
    void LayOut() override;
    void ShowRateNote(std::string_view note) override;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK RateBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void Form_Load();
    void CurrentLevelCombo_Click();
    void TargetLevelCombo_Click();
    void HourPlayCombo_Click();
    void SKTextBox_Change();

    void UseFontFor(UINT dpi);
    SIZE DesignedClientSize() const;
    void ApplySize();
    void PlaceRateMarker();
    void PlaceNoteBalloon();
    HWND MakeTooltip(DWORD style, UINT flags, UINT_PTR id) const;
    void SetTooltipText(HWND tooltip, UINT_PTR id) const;

    HWND window_ = nullptr;
    std::array<HWND, kForm1Controls.size()> controls_{};
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    TwipsScale scale_;
    int outerHeightTwips_ = kCompactHeightTwips;
    int sizeRestores_ = 0;
    // How the rate box read its text: the marker, its tooltip and the balloon shown while the box
    // has the focus, made on first need.
    std::wstring rateNote_;
    HWND rateMarker_ = nullptr;
    HWND rateTip_ = nullptr;
    HWND noteBalloon_ = nullptr;
    FormHandlers handlers_;
};

}  // namespace ranktally
