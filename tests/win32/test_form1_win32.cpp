#include <gtest/gtest.h>

#include "form1.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "climbs.h"
#include "form1_driver.h"
#include "gdi_text_measure.h"
#include "rate_reading.h"
#include "user_languages.h"
#include "wide_text.h"

namespace ranktally {
namespace {

// The form's own behaviour, and what it shows of the rate's note.
class Form1Win32 : public win32_testing::Form1Driver {
protected:
    // The balloon that shows the rate note while the box has the focus, if it is shown.
    HWND ShownBalloon() const {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM result) {
                wchar_t name[32] = L"";
                GetClassNameW(window, name, 32);
                if (std::wstring_view(name) == TOOLTIPS_CLASSW && IsWindowVisible(window) &&
                    (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON)) {
                    *reinterpret_cast<HWND*>(result) = window;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    std::string BalloonText() const {
        HWND balloon = ShownBalloon();
        if (balloon == nullptr) {
            return "(no balloon)";
        }
        wchar_t text[512] = L"";
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form_->Window();
        tool.lpszText = text;
        SendMessageW(balloon, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
        return Narrow(text);
    }

    std::array<HWND, kForm1Controls.size()> Controls() const {
        std::array<HWND, kForm1Controls.size()> controls{};
        for (std::size_t index = 0; index < controls.size(); ++index) {
            controls[index] = form_->Control(kForm1Controls[index].name);
        }
        return controls;
    }
};

TEST_F(Form1Win32, StartUp) {
    EXPECT_EQ(Narrow([&] {
                  wchar_t title[32];
                  GetWindowTextW(form_->Window(), title, 32);
                  return std::wstring(title);
              }()),
              "Ranktally");
    for (const char* name : {"CurrentLevelCombo", "TargetLevelCombo"}) {
        EXPECT_EQ(SendMessageW(form_->Control(name), CB_GETCOUNT, 0, 0), 220);
        EXPECT_EQ(Shown(name), "");
    }
    EXPECT_EQ(SendMessageW(form_->Control("HourPlayCombo"), CB_GETCOUNT, 0, 0), 24);
    EXPECT_EQ(Shown("HourPlayCombo"), "1");
    EXPECT_EQ(Shown("SKTextBox"), "10000");
    // The results read as part of the window face; the rate box, which takes typing, does not.
    const auto middleRight = [&](const char* name) {
        HWND box = form_->Control(name);
        RECT client{};
        GetClientRect(box, &client);
        HDC dc = GetDC(box);
        const COLORREF color = GetPixel(dc, client.right - 4, client.bottom / 2);
        ReleaseDC(box, dc);
        return color;
    };
    for (const char* name : {"SKNeededTextBox", "HoursNeededTextBox", "DaysNeededTextBox"}) {
        EXPECT_EQ(Shown(name), "0");
        EXPECT_TRUE(GetWindowLongW(form_->Control(name), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(middleRight(name), GetSysColor(COLOR_BTNFACE)) << name;
    }
    EXPECT_NE(middleRight("SKTextBox"), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(IsWindowVisible(form_->Control("WarningLabel")));
    EXPECT_EQ(GetFocus(), form_->Control("CurrentLevelCombo"));
    const LONG style = GetWindowLongW(form_->Window(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(SendMessageW(form_->Control("SKTextBox"), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

using testing_data::Climb;

class Climbs : public Form1Win32, public testing::WithParamInterface<Climb> {};

TEST_P(Climbs, ShowTheFigures) {
    const Climb& climb = GetParam();
    Pick("CurrentLevelCombo", climb.current);
    Pick("TargetLevelCombo", climb.target);
    Pick("HourPlayCombo", climb.hours);
    TypeRate(climb.rate);
    EXPECT_EQ(Shown("SKNeededTextBox"), climb.points);
    EXPECT_EQ(Shown("HoursNeededTextBox"), climb.hoursNeeded);
    EXPECT_EQ(Shown("DaysNeededTextBox"), climb.daysNeeded);
    EXPECT_EQ(Shown("WarningLabel"), climb.warning ? std::string(kWarningMessage) : "");
}

std::vector<Climb> WindowClimbs() {
    std::vector<Climb> rows;
    std::copy_if(testing_data::kClimbs.begin(), testing_data::kClimbs.end(),
                 std::back_inserter(rows), [](const Climb& climb) { return climb.inWindows; });
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, Climbs, testing::ValuesIn(WindowClimbs()),
                         [](const auto& info) { return std::string(info.param.name); });

int alerts = 0;

void CALLBACK CountAlert(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ++alerts;
}

TEST_F(Form1Win32, WarningGrowsAndShrinksTheWindow) {
    const SIZE compact = ClientSize();
    // The designed client area, 3330 by 2400 twips, to a pixel.
    EXPECT_LE(std::abs(compact.cy * 3330 - compact.cx * 2400), 3330 + 2400);
    alerts = 0;
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, CountAlert,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    Pick("HourPlayCombo", "2");
    UnhookWinEvent(hook);
    // A screen reader hears the warning once, when it appears.
    EXPECT_EQ(alerts, 1);
    HWND warning = form_->Control("WarningLabel");
    EXPECT_TRUE(IsWindowVisible(warning));
    RECT label{};
    GetWindowRect(warning, &label);
    MapWindowPoints(nullptr, form_->Window(), reinterpret_cast<POINT*>(&label), 2);
    EXPECT_TRUE(WaitFor([&] { return ClientSize().cy >= label.bottom; })) << ClientSize().cy;
    EXPECT_EQ(ClientSize().cx, compact.cx);
    EXPECT_GT(ClientSize().cy, compact.cy);
    Pick("TargetLevelCombo", "200");
    EXPECT_TRUE(WaitFor([&] { return ClientSize().cy == compact.cy; })) << ClientSize().cy;
    EXPECT_FALSE(IsWindowVisible(warning));
}

TEST_F(Form1Win32, NoFigureGoesStaleWhileTheRateIsCleared) {
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    HWND box = form_->Control("SKTextBox");
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_CHAR, VK_BACK, 1);
    Pump();
    EXPECT_EQ(Shown("HoursNeededTextBox"), "Unlimited");
    Pick("TargetLevelCombo", "200");
    EXPECT_EQ(Shown("SKNeededTextBox"), "2061326950");
    EXPECT_FALSE(IsWindowVisible(form_->Control("WarningLabel")));
}

TEST_F(Form1Win32, LongPaste) {
    // Far past an edit box's default limit of 30,000 characters, through the clipboard.
    const std::wstring digits(100000, L'9');
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (digits.size() + 1) * sizeof(wchar_t));
    std::copy_n(digits.c_str(), digits.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(form_->Window()));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    HWND box = form_->Control("SKTextBox");
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
    Pump();
    EXPECT_EQ(GetWindowTextLengthW(box), 100000);
    EXPECT_EQ(Shown("HoursNeededTextBox"), "Overflow");
}

int descriptions = 0;

void CALLBACK CountDescription(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ++descriptions;
}

// The note reaches a screen reader as the box's description, and a keyboard user in a balloon
// while the box has the focus; the marker stands on the box's own background until the note goes.
TEST_F(Form1Win32, NoteShownBesideTheBox) {
    descriptions = 0;
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                        CountDescription, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    TypeRate("10k");
    Pump();
    UnhookWinEvent(hook);
    EXPECT_GT(descriptions, 0);
    EXPECT_EQ(BalloonText(), "Read as 10: everything from \"k\" on is ignored.");
    HWND marker = GetWindow(form_->Control("SKTextBox"), GW_CHILD);
    HDC dc = GetDC(marker);
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_WINDOW));
    ReleaseDC(marker, dc);
    SetFocus(form_->Control("HourPlayCombo"));
    Pump();
    EXPECT_EQ(ShownBalloon(), nullptr);
    TypeRate("10");
    EXPECT_FALSE(IsWindowVisible(marker));
}

// What a screen reader finds in the credit's corner: the credit's text, and in it a link named as
// it reads.
TEST_F(Form1Win32, TheCreditsLinkIsALinkToAScreenReader) {
    IAccessible* corner = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(form_->Control("Label1"), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&corner)),
              S_OK);
    long children = 0;
    corner->get_accChildCount(&children);
    std::vector<std::pair<long, std::string>> found;
    for (long child = CHILDID_SELF; child <= children; ++child) {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        VARIANT role{};
        BSTR name = nullptr;
        corner->get_accRole(id, &role);
        corner->get_accName(id, &name);
        found.emplace_back(role.vt == VT_I4 ? role.lVal : -1,
                           name != nullptr ? Narrow(name) : std::string());
        SysFreeString(name);
    }
    corner->Release();
    EXPECT_NE(std::find(found.begin(), found.end(),
                        std::pair<long, std::string>(ROLE_SYSTEM_LINK, Translated(kPlanLinkText))),
              found.end());
}

// In another language every word the window shows is the catalogue's, and no figure is: the
// pseudo-language brackets each of its texts, so that one that missed the catalogue shows.
class InLanguage : public Form1Win32, public testing::WithParamInterface<const char*> {};

TEST_P(InLanguage, EveryWordFromTheCatalogue) {
    UseLanguageTagged(GetParam());
    const bool pseudo = !LanguageInUse().shipped;
    const auto expectWords = [&](const std::string& shown, std::string_view source,
                                 std::string_view where) {
        EXPECT_EQ(shown, Translated(source)) << where;
        if (pseudo) {
            EXPECT_TRUE(shown.starts_with('[') && shown.ends_with(']')) << where << ": " << shown;
        }
    };
    // The captions and the credit with its link, from the start.
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind == ControlKind::Caption) {
            expectWords(Shown(std::string(design.name).c_str()), design.text, design.name);
        }
    }
    const std::string credit = Shown("Label1");
    const std::size_t link = credit.find("\n<a>");
    ASSERT_NE(link, std::string::npos) << credit;
    ASSERT_TRUE(credit.ends_with("</a>")) << credit;
    expectWords(credit.substr(0, link), DesignOf("Label1").text, "Label1");
    expectWords(credit.substr(link + 4, credit.size() - link - 8), kPlanLinkText, "the link");
    // The words a climb past level 200 and its rate bring.
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    const struct {
        const char* rate;
        const char* control;
        std::string_view source;
    } said[] = {
        {"10000", "WarningLabel", kWarningMessage},
        {"", "HoursNeededTextBox", kUnlimited},
        {"1e400", "DaysNeededTextBox", kOverflow},
    };
    for (const auto& row : said) {
        TypeRate(row.rate);
        expectWords(Shown(row.control), row.source, row.control);
    }
    TypeRate("10k");
    const std::string note = BalloonText();
    EXPECT_EQ(note, RateReadingNote("10k", ".").value_or("(no note)"));
    EXPECT_EQ(pseudo, note.starts_with('[') && note.ends_with(']')) << note;
    // The figures, as in English.
    TypeRate("10000");
    EXPECT_EQ(Shown("SKTextBox") + " " + Shown("HourPlayCombo") + " " + Shown("SKNeededTextBox"),
              "10000 1 2076261991");
}

INSTANTIATE_TEST_SUITE_P(Table, InLanguage, testing::Values("de", "en-XA"), [](const auto& info) {
    return std::string(info.param[0] == 'd' ? "german" : "pseudo");
});

// The decimal separator of the user's regional format, set before the window opens, and the
// language the user reads: two choices, neither following the other.
struct Format {
    const char* name;
    const char* language;
    const char* separator;
};

class LocaleDecimalSeparator : public Form1Win32, public testing::WithParamInterface<Format> {};

TEST_P(LocaleDecimalSeparator, ShowsTheFiguresInItAndTheWordsInTheLanguage) {
    UseLanguageTagged(GetParam().language);
    UseSeparator(GetParam().separator);
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "2");
    std::string expected("0");
    expected.append(GetParam().separator).append("145");
    EXPECT_EQ(Shown("HoursNeededTextBox"), expected);
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind == ControlKind::Caption) {
            EXPECT_EQ(Shown(std::string(design.name).c_str()), Translated(design.text));
        }
    }
    // A comma typed into the rate still ends the number, and the box says so.
    TypeRate("2,5");
    EXPECT_EQ(Shown("HoursNeededTextBox"), "725");
    HWND marker = GetWindow(form_->Control("SKTextBox"), GW_CHILD);
    EXPECT_TRUE(marker != nullptr && IsWindowVisible(marker));
}

INSTANTIATE_TEST_SUITE_P(Table, LocaleDecimalSeparator,
                         testing::Values(Format{"english_period", "en", "."},
                                         Format{"english_comma", "en", ","},
                                         Format{"german_period", "de", "."},
                                         Format{"german_comma", "de", ","}),
                         [](const auto& info) { return std::string(info.param.name); });

// The user changes the decimal separator in the settings while the window is open.
TEST_F(Form1Win32, FollowsALocaleChange) {
    wchar_t before[8] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before, 8);
    const wchar_t* other = std::wstring_view(before) == L"," ? L"." : L",";
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, other));
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "2");
    SendMessageW(form_->Window(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    const std::string shown = Shown("HoursNeededTextBox");
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before);
    std::string expected("0");
    expected.append(Narrow(other)).append("145");
    EXPECT_EQ(shown, expected);
}

TEST_F(Form1Win32, KeyboardVisitsTheDesignedTabOrder) {
    std::vector<std::string> visited;
    HWND control = form_->Control(kTabOrder.front());
    for (std::size_t step = 0; step <= kTabOrder.size(); ++step) {
        for (const ControlDesign& design : kForm1Controls) {
            if (form_->Control(design.name) == control) {
                visited.emplace_back(design.name);
            }
        }
        control = GetNextDlgTabItem(form_->Window(), control, FALSE);
    }
    std::vector<std::string> expected(kTabOrder.begin(), kTabOrder.end());
    expected.push_back(expected.front());
    EXPECT_EQ(visited, expected);
}

// F4 opens the list, the arrow walks it and Enter picks, without a mouse.
TEST_F(Form1Win32, PicksFromTheOpenListByKeyboard) {
    const Climb& climb =
        *std::find_if(testing_data::kClimbs.begin(), testing_data::kClimbs.end(),
                      [](const Climb& row) { return row.name == std::string_view("one_level"); });
    Pick("HourPlayCombo", climb.hours);
    TypeRate(climb.rate);
    Pick("CurrentLevelCombo", climb.current);
    Pick("TargetLevelCombo", climb.current);
    HWND combo = form_->Control("TargetLevelCombo");
    Key(combo, VK_F4);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    Key(combo, VK_DOWN);
    Key(combo, VK_RETURN);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Shown("TargetLevelCombo"), climb.target);
    EXPECT_EQ(Shown("SKNeededTextBox"), climb.points);
    EXPECT_EQ(Shown("HoursNeededTextBox"), climb.hoursNeeded);
}

// A new DPI takes effect at once, not at the next pick.
TEST_F(Form1Win32, TakesItsSizeAtANewDpi) {
    const SIZE before = ClientSize();
    ChangeDpi(192);
    EXPECT_TRUE(WaitFor([&] { return ClientSize().cx > before.cx && ClientSize().cy > before.cy; }))
        << ClientSize().cx << "x" << ClientSize().cy;
}

// In each language, at the DPIs of common screens: every text whole, nothing overlapping, and the
// design's proportions kept, every edge at one scale for the whole window.
struct Fit {
    std::string_view language;
    UINT dpi;
};

class Fits : public Form1Win32, public testing::WithParamInterface<Fit> {};

TEST_P(Fits, EveryTextWholeInTheDesignsProportions) {
    UseLanguageTagged(GetParam().language);
    ChangeDpi(GetParam().dpi);
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    TypeRate("-3e305");
    Pick("HourPlayCombo", "7");

    HWND window = form_->Window();
    HWND warning = form_->Control("WarningLabel");
    EXPECT_TRUE(WaitFor([&] {
        RECT label{};
        GetWindowRect(warning, &label);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&label), 2);
        return label.bottom <= ClientSize().cy;
    }));
    // One scale for every edge: the client area's width over the design's.
    const double scale = ClientSize().cx / double(kClientWidthTwips);
    const SIZE client = ClientSize();
    std::vector<std::pair<std::string_view, RECT>> placed;
    for (const ControlDesign& design : kForm1Controls) {
        HWND control = form_->Control(design.name);
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        // The texts as the control's own font draws them, within the control's own area: for a
        // selector, its longest entry within the closed face's item; for a result box, also
        // the words it shows in place of a figure.
        RECT area{};
        GetClientRect(control, &area);
        std::vector<std::wstring> texts{Wide(Shown(std::string(design.name).c_str()))};
        if (design.kind == ControlKind::Credit) {
            // The link's own layout of its lines, and the text it shows without its markup. Given a
            // size to fill, LM_GETIDEALHEIGHT is the SDK's LM_GETIDEALSIZE, which MinGW lacks.
            SIZE ideal{};
            SendMessageW(control, LM_GETIDEALHEIGHT, static_cast<WPARAM>(area.right),
                         reinterpret_cast<LPARAM>(&ideal));
            EXPECT_LE(ideal.cx, area.right) << design.name;
            EXPECT_LE(ideal.cy, area.bottom) << design.name;
            texts = {Wide(std::string(Translated(design.text)) + "\n" +
                          std::string(Translated(kPlanLinkText)))};
        }
        if (design.kind == ControlKind::ResultBox) {
            texts.push_back(Wide(Translated(kUnlimited)));
            texts.push_back(Wide(Translated(kOverflow)));
        }
        if (design.kind == ControlKind::Selector) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            GetComboBoxInfo(control, &info);
            rect.bottom = rect.top + (info.rcButton.bottom + info.rcButton.top);
            area = info.rcItem;
            texts = {L"220"};
        }
        placed.emplace_back(design.name, rect);
        const int edges[] = {rect.left, rect.top, rect.right, rect.bottom};
        const int twipsEdges[] = {design.rect.left, design.rect.top,
                                  design.rect.left + design.rect.width,
                                  design.rect.top + design.rect.height};
        // A selector's closed face is as high as its font makes it, not as the design says.
        const std::size_t edgeCount = design.kind == ControlKind::Selector ? 3 : 4;
        for (std::size_t edge = 0; edge < edgeCount; ++edge) {
            EXPECT_LE(std::abs(edges[edge] - twipsEdges[edge] * scale), 1.05)
                << design.name << " edge " << edge;
        }
        EXPECT_LE(rect.right, client.cx) << design.name;
        EXPECT_LE(rect.bottom, client.cy) << design.name;

        HDC dc = GetDC(control);
        HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        for (const std::wstring& text : texts) {
            RECT needed{0, 0, area.right - area.left, 0};
            const bool wraps =
                design.kind == ControlKind::Warning || design.kind == ControlKind::Credit;
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                      DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
            if (design.kind == ControlKind::RateBox || design.kind == ControlKind::ResultBox) {
                const auto margins = SendMessageW(control, EM_GETMARGINS, 0, 0);
                needed.right += LOWORD(margins) + HIWORD(margins);
            }
            EXPECT_LE(needed.right, area.right - area.left) << design.name << ": " << Narrow(text);
            EXPECT_LE(needed.bottom, area.bottom - area.top) << design.name << ": " << Narrow(text);
        }
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            RECT overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &placed[i].second, &placed[j].second))
                << placed[i].first << " overlaps " << placed[j].first;
        }
    }
}

// Every language compiled in at 96 and 192 DPI, and English at 144 as well.
std::vector<Fit> EveryLanguageAtTwoDpis() {
    std::vector<Fit> rows;
    for (const Language& language : Languages()) {
        rows.push_back({language.tag, 96});
        rows.push_back({language.tag, 192});
    }
    rows.push_back({"en", 144});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, Fits, testing::ValuesIn(EveryLanguageAtTwoDpis()),
                         [](const auto& info) {
                             std::string name(info.param.language);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name + "_" + std::to_string(info.param.dpi) + "dpi";
                         });

// CTest runs this under Unix locales that Wine makes the user's display language
// (tests/win32/CMakeLists.txt), and names the language the window should then speak.
TEST(UserLanguages, MatchedAsTheProgramStarts) {
    const char* expected = std::getenv("RANKTALLY_EXPECTED_LANGUAGE");
    if (expected == nullptr) {
        GTEST_SKIP() << "run by CTest under a chosen locale";
    }
    EXPECT_EQ(MatchLanguage(UserLanguages()).tag, expected);
}

// Windows hands out several names in one buffer, each ending in a NUL, and an empty one ends
// the list.
TEST(NamesInList, ReadsEveryNameInOrder) {
    using namespace std::string_view_literals;
    const struct {
        const char* name;
        std::wstring_view list;
        std::vector<std::string> names;
    } rows[] = {
        {"several_in_order", L"pt-PT\0de-DE\0en-US\0\0"sv, {"pt-PT", "de-DE", "en-US"}},
        {"none", L"\0\0"sv, {}},
        {"no_final_nul", L"de-DE\0fr-FR"sv, {"de-DE", "fr-FR"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(NamesInList(row.list), row.names) << row.name;
    }
}

// A wrapped text fits only where its longest word does: the control would cut that word. The
// credit's link control breaks no line after a hyphen.
TEST_F(Form1Win32, WrappedTextNeedsRoomForItsLongestWord) {
    const ControlDesign& credit = DesignOf("Label1");
    const auto controls = Controls();
    const GdiTextMeasure measure(kForm1Controls, controls, GetDpiForWindow(form_->Window()));
    const int word = measure.Needed(credit, "Ranktally").width;
    const int hyphenated = measure.Needed(credit, "Ranktally-Team").width;
    const struct {
        const char* name;
        const char* text;
        int width;
        bool fits;
    } rows[] = {
        {"room_for_the_longest_word", "by the Ranktally team", word, true},
        {"a_pixel_short_of_it", "by the Ranktally team", word - 1, false},
        {"room_for_the_hyphenated_word", "vom Ranktally-Team", hyphenated, true},
        {"room_up_to_its_hyphen", "vom Ranktally-Team", word + hyphenated / 4, false},
    };
    for (const auto& row : rows) {
        constexpr int kRoomForManyLines = 1000;
        EXPECT_EQ(measure.HeightForWidth(credit, row.text, row.width) <= kRoomForManyLines,
                  row.fits)
            << row.name;
    }
}

// Nothing cut beside a selector's arrow, at the DPIs of common screens.
class AtDpi : public Form1Win32, public testing::WithParamInterface<UINT> {};

// The result boxes, not the selectors, set the scale at these DPIs: a selector just as wide as
// the measure asks still shows its longest entry beside its arrow.
TEST_P(AtDpi, SelectorAsWideAsMeasuredShowsItsLongestEntry) {
    ChangeDpi(GetParam());
    HWND combo = form_->Control("CurrentLevelCombo");
    const auto font = reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0));
    const auto controls = Controls();
    const int needed = GdiTextMeasure(kForm1Controls, controls, GetParam())
                           .Needed(DesignOf("CurrentLevelCombo"), "220")
                           .width;
    HDC dc = GetDC(combo);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE entry{};
    GetTextExtentPoint32W(dc, L"220", 3, &entry);
    SelectObject(dc, previous);
    ReleaseDC(combo, dc);
    RECT rect{};
    GetWindowRect(combo, &rect);
    SetWindowPos(combo, nullptr, 0, 0, needed, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    EXPECT_LE(entry.cx, info.rcItem.right - info.rcItem.left) << "at " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Table, AtDpi, testing::Values(96u, 144u, 192u),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

}  // namespace
}  // namespace ranktally
