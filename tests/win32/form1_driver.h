#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls.h"
#include "form1.h"
#include "translation.h"
#include "wide_text.h"

namespace ranktally::win32_testing {

// Drives the Windows window as a user does, through keys sent to its controls and the program's
// own dispatch of what reaches its queue, and reads what it shows.
class Form1Driver : public testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES |
                                                                              ICC_LINK_CLASS |
                                                                              ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        UseLanguage(Languages().front());
        Open();
    }

    void TearDown() override {
        form_.reset();
        if (!separatorBefore_.empty()) {
            SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separatorBefore_.c_str());
        }
    }

    void Open() {
        form_.reset();
        form_ = std::make_unique<Form1>(GetModuleHandleW(nullptr));
        form_->Show(SW_SHOWNORMAL);
        Pump();
    }

    // Sets the decimal separator of the user's regional format, as a user would, and opens the
    // window anew under it.
    void UseSeparator(const char* separator) {
        wchar_t before[8] = L".";
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before, 8);
        if (separatorBefore_.empty()) {
            separatorBefore_ = before;
        }
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, Wide(separator).c_str()));
        Open();
    }

    // Opens the window anew in the language with this tag, as if it were the user's.
    void UseLanguageTagged(std::string_view tag) {
        const std::vector<std::string> preferred{std::string(tag)};
        const Language& language = MatchLanguage(preferred);
        ASSERT_EQ(language.tag, tag);
        UseLanguage(language);
        Open();
    }

    // As the program's message loop does.
    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!form_->HandleDialogKey(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    void Key(HWND control, WPARAM key) {
        SendMessageW(control, WM_KEYDOWN, key, 1);
        SendMessageW(control, WM_KEYUP, key, 0xC0000001);
        Pump();
    }

    // A key pressed where the focus is, through the program's message loop.
    void Press(WPARAM key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump();
    }

    // Walks the closed selector to the entry with the arrow keys, as a keyboard user picks.
    void Pick(const char* selector, const std::string& entry) {
        HWND combo = form_->Control(selector);
        SetFocus(combo);
        const auto wanted = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(Wide(entry).c_str()));
        ASSERT_GE(wanted, 0) << entry;
        while (SendMessageW(combo, CB_GETCURSEL, 0, 0) != wanted) {
            const auto before = SendMessageW(combo, CB_GETCURSEL, 0, 0);
            Key(combo, before < wanted ? VK_DOWN : VK_UP);
            ASSERT_NE(SendMessageW(combo, CB_GETCURSEL, 0, 0), before);
        }
    }

    // Replaces a box's text by typing it, character by character.
    void Type(HWND box, const std::string& text) {
        SetFocus(box);
        SendMessageW(box, EM_SETSEL, 0, -1);
        SendMessageW(box, WM_CHAR, VK_BACK, 1);
        for (const wchar_t character : Wide(text)) {
            SendMessageW(box, WM_CHAR, character, 1);
        }
        Pump();
        ASSERT_EQ(TextOf(box), text);
    }

    void TypeRate(const std::string& rate) { Type(form_->Control("SKTextBox"), rate); }

    std::string Shown(const char* name) const { return TextOf(form_->Control(name)); }

    // Wine resizes a window through the X server and its window manager, which on a busy machine
    // may answer late: a check of the window's size waits, up to a long bound, for what it expects.
    template <typename Done>
    bool WaitFor(Done done) {
        const ULONGLONG deadline = GetTickCount64() + 60000;
        while (!done()) {
            if (GetTickCount64() > deadline) {
                return false;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            Pump();
        }
        return true;
    }

    static SIZE ClientSize(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return {client.right, client.bottom};
    }
    SIZE ClientSize() const { return ClientSize(form_->Window()); }

    // As Windows tells a window when it moves to a screen of another DPI.
    static void ChangeDpi(HWND window, UINT dpi) {
        RECT suggested{};
        GetWindowRect(window, &suggested);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    void ChangeDpi(UINT dpi) { ChangeDpi(form_->Window(), dpi); }

    std::unique_ptr<Form1> form_;
    std::wstring separatorBefore_;
};

}  // namespace ranktally::win32_testing
