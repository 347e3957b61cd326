#include <gtest/gtest.h>

#include "plan_form.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "form1_driver.h"
#include "plan.h"
#include "plan_design.h"
#include "plan_form_design.h"
#include "translation.h"
#include "wide_text.h"

namespace ranktally {
namespace {

// The plan window beside the form, opened from the credit's link and driven as a user does: by
// picks in the form, typing in its own boxes and keys through the program's message loop.
class PlanFormWin32 : public win32_testing::Form1Driver {
protected:
    // By keyboard: Tab from the rate box to the link, then Enter.
    PlanForm& OpenPlan() {
        SetFocus(form_->Control("SKTextBox"));
        Press(VK_TAB);
        Press(VK_RETURN);
        EXPECT_NE(form_->Plan(), nullptr);
        return *form_->Plan();
    }

    HWND PlanControl(const char* name) const { return form_->Plan()->Control(name); }
    std::string PlanShown(const char* name) const { return TextOf(PlanControl(name)); }

    std::string Cell(int row, int column) const {
        wchar_t text[256] = L"";
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(PlanControl("PlanSteps"), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return Narrow(text);
    }

    // Every plan window of the program, shown or not.
    static std::vector<HWND> PlanWindows() {
        std::vector<HWND> found;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM result) {
                wchar_t name[32] = L"";
                GetClassNameW(window, name, 32);
                if (std::wstring_view(name) == L"RanktallyPlanForm") {
                    reinterpret_cast<std::vector<HWND>*>(result)->push_back(window);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static CivilDate Today() {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return {now.wYear, now.wMonth, now.wDay};
    }

    // The day in a format of the user's regional settings, or in a picture of one.
    static std::string Date(CivilDate day, DWORD flags, const wchar_t* picture = nullptr) {
        SYSTEMTIME time{};
        time.wYear = static_cast<WORD>(day.year);
        time.wMonth = static_cast<WORD>(day.month);
        time.wDay = static_cast<WORD>(day.day);
        wchar_t text[128] = L"";
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &time, picture, text, 128, nullptr);
        return Narrow(text);
    }
};

// Clicks the link's text, found where the link tells it is.
void ClickTheLink(HWND link) {
    RECT area{};
    GetClientRect(link, &area);
    LHITTESTINFO hit{};
    for (hit.pt.y = 0; hit.pt.y < area.bottom; ++hit.pt.y) {
        for (hit.pt.x = 0; hit.pt.x < area.right; ++hit.pt.x) {
            if (SendMessageW(link, LM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))) {
                const LPARAM at = MAKELPARAM(hit.pt.x, hit.pt.y);
                PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, at);
                PostMessageW(link, WM_LBUTTONUP, 0, at);
                return;
            }
        }
    }
    ADD_FAILURE() << "the link is nowhere in its window";
}

// The link is reached after the rate box and pressed as a link is; the window it opens is made
// then, once, and raised again when it is opened again, closed or not.
TEST_F(PlanFormWin32, TheCreditsLinkOpensOnePlanWindow) {
    const struct {
        const char* name;
        std::function<void()> press;
    } ways[] = {
        {"enter", [this] { Press(VK_RETURN); }},
        {"space", [this] { Press(VK_SPACE); }},
        {"click",
         [this] {
             ClickTheLink(form_->Control("Label1"));
             Pump();
         }},
    };
    for (const auto& way : ways) {
        Open();
        EXPECT_TRUE(PlanWindows().empty()) << way.name;
        SetFocus(form_->Control("SKTextBox"));
        Press(VK_TAB);
        EXPECT_EQ(GetFocus(), form_->Control("Label1")) << way.name;
        for (const bool closedFirst : {false, true}) {
            way.press();
            ASSERT_EQ(PlanWindows().size(), 1u) << way.name;
            HWND plan = PlanWindows().front();
            EXPECT_TRUE(IsWindowVisible(plan)) << way.name;
            EXPECT_EQ(GetWindow(plan, GW_OWNER), form_->Window());
            EXPECT_EQ(TextOf(plan), Translated(kPlanWindowTitle));
            if (!closedFirst) {
                SendMessageW(plan, WM_CLOSE, 0, 0);
                EXPECT_FALSE(IsWindowVisible(plan));
                SetFocus(form_->Control("Label1"));
            }
        }
    }
}

// Closed, as its title bar's button does, or destroyed, the plan leaves the form as it was, and
// the link opens a working plan again.
TEST_F(PlanFormWin32, TheFormOutlivesThePlan) {
    const struct {
        const char* name;
        void (*end)(HWND plan);
    } ends[] = {
        {"closed", [](HWND plan) { SendMessageW(plan, WM_CLOSE, 0, 0); }},
        {"destroyed", [](HWND plan) { DestroyWindow(plan); }},
    };
    for (const auto& end : ends) {
        Open();
        end.end(OpenPlan().Window());
        Pump();
        EXPECT_TRUE(IsWindowVisible(form_->Window())) << end.name;
        Pick("CurrentLevelCombo", "1");
        Pick("TargetLevelCombo", "2");
        EXPECT_EQ(Shown("HoursNeededTextBox"), "0.145") << end.name;
        OpenPlan();
        EXPECT_EQ(PlanWindows().size(), 1u) << end.name;
        EXPECT_EQ(PlanShown("PlanHoursTextBox"), "0.145") << end.name;
    }
}

TEST_F(PlanFormWin32, TabVisitsThePlanInItsDesignedOrder) {
    OpenPlan();
    // "Use as my rate" waits, disabled, for two readings.
    const std::vector<std::string> expected = {
        "EarnedTextBox",    "SKRateTextBox",       "FirstReadingTextBox", "SecondReadingTextBox",
        "MinutesTextBox",   "MeasuredRateTextBox", "XPLeftTextBox",       "SKLeftTextBox",
        "PlanHoursTextBox", "PlanDaysTextBox",     "ArrivalTextBox",      "PlanSteps",
        "EarnedTextBox"};
    std::vector<std::string> visited;
    for (std::size_t step = 0; step < expected.size(); ++step) {
        for (const ControlDesign& design : kPlanFormControls) {
            if (PlanControl(std::string(design.name).c_str()) == GetFocus()) {
                visited.emplace_back(design.name);
            }
        }
        Press(VK_TAB);
    }
    EXPECT_EQ(visited, expected);
}

// Climbs of the core's own table: earned as a percent with an SK rate of the player's own; from
// 200 up, where the SK rate counts for nothing; a negative rate, which plans nothing. The first
// two follow the form's inputs as they change, the last starts from them.
TEST_F(PlanFormWin32, ShowsTheCoresPlan) {
    const struct {
        const char* name;
        bool openFirst;
        PlanInputs inputs;
    } climbs[] = {
        {"percent_and_sk_rate", true, {"150", "210", "8", "50000", "43%", "2000"}},
        {"from_200_up", true, {"200", "210", "1", "10000", "", "2000"}},
        {"negative_rate", false, {"1", "2", "1", "-10000", "", ""}},
    };
    for (const auto& climb : climbs) {
        SCOPED_TRACE(climb.name);
        Open();
        if (climb.openFirst) {
            OpenPlan();
        }
        Pick("CurrentLevelCombo", std::string(climb.inputs.currentLevel));
        Pick("TargetLevelCombo", std::string(climb.inputs.targetLevel));
        Pick("HourPlayCombo", std::string(climb.inputs.hoursPerDay));
        TypeRate(std::string(climb.inputs.rate));
        if (!climb.openFirst) {
            OpenPlan();
        }
        Type(PlanControl("EarnedTextBox"), std::string(climb.inputs.earned));
        Type(PlanControl("SKRateTextBox"), std::string(climb.inputs.skRate));

        const Plan expected = MakePlan(climb.inputs, Today(), UserDecimalSeparator());
        EXPECT_EQ(PlanShown("XPLeftTextBox"), expected.xpLeft);
        EXPECT_EQ(PlanShown("SKLeftTextBox"), expected.skLeft);
        EXPECT_EQ(PlanShown("PlanHoursTextBox"), expected.hoursOfPlay);
        EXPECT_EQ(PlanShown("PlanDaysTextBox"), expected.daysOfPlay);
        EXPECT_EQ(PlanShown("ArrivalTextBox"), expected.arrival.date
                                                   ? Date(*expected.arrival.date, DATE_LONGDATE)
                                                   : expected.arrival.text);
        EXPECT_EQ(IsWindowEnabled(PlanControl("SKRateTextBox")) != FALSE, expected.skRateUsed);
        EXPECT_EQ(IsWindowVisible(PlanControl("PlanNoteLabel")) != FALSE,
                  !expected.rateNote.empty());
        EXPECT_EQ(PlanShown("PlanNoteLabel"), expected.rateNote);

        ASSERT_EQ(SendMessageW(PlanControl("PlanSteps"), LVM_GETITEMCOUNT, 0, 0),
                  static_cast<LRESULT>(expected.steps.size()));
        for (std::size_t row = 0; row < expected.steps.size(); ++row) {
            const PlanStep& step = expected.steps[row];
            const std::vector<std::string> cells = {
                std::to_string(step.level),
                std::string(StepKindText(expected.steps, row)),
                step.points,
                step.hours,
                step.hoursOfPlay,
                step.reached.date ? Date(*step.reached.date, DATE_SHORTDATE) : step.reached.text};
            for (std::size_t column = 0; column < cells.size(); ++column) {
                EXPECT_EQ(Cell(static_cast<int>(row), static_cast<int>(column)), cells[column])
                    << "row " << row << ", column " << column;
            }
        }
    }
}

// A setting of the user's regional format, set as in the settings and put back as it was.
class RegionalSetting {
public:
    RegionalSetting(LCTYPE setting, const wchar_t* value) : setting_(setting) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, setting, before_, 80);
        set_ = SetLocaleInfoW(LOCALE_USER_DEFAULT, setting, value) != FALSE;
    }
    ~RegionalSetting() { SetLocaleInfoW(LOCALE_USER_DEFAULT, setting_, before_); }
    RegionalSetting(const RegionalSetting&) = delete;
    RegionalSetting& operator=(const RegionalSetting&) = delete;

    bool Set() const { return set_; }

private:
    LCTYPE setting_;
    wchar_t before_[80] = L"";
    bool set_ = false;
};

// The user changes the date formats in the settings while the plan is open: the arrival follows
// the long one, the steps the short one.
TEST_F(PlanFormWin32, DaysFollowTheRegionalFormat) {
    const struct {
        const char* name;
        LCTYPE setting;
        const wchar_t* picture;
        DWORD format;
        std::function<std::string()> shown;
    } formats[] = {
        {"long", LOCALE_SLONGDATE, L"yyyy '~' MMMM d", DATE_LONGDATE,
         [this] { return PlanShown("ArrivalTextBox"); }},
        {"short", LOCALE_SSHORTDATE, L"yyyy~MM~dd", DATE_SHORTDATE, [this] { return Cell(0, 5); }},
    };
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        Open();
        OpenPlan();
        Pick("CurrentLevelCombo", "1");
        Pick("TargetLevelCombo", "2");
        TypeRate("1");
        const Plan plan = MakePlan({"1", "2", "1", "1", "", ""}, Today(), ".");
        ASSERT_TRUE(plan.arrival.date.has_value());
        const std::string before = format.shown();
        EXPECT_EQ(before, Date(*plan.arrival.date, format.format));
        const RegionalSetting setting(format.setting, format.picture);
        ASSERT_TRUE(setting.Set());
        SendMessageW(form_->Plan()->Window(), WM_SETTINGCHANGE, 0,
                     reinterpret_cast<LPARAM>(L"intl"));
        const std::string after = format.shown();
        EXPECT_EQ(after, Date(*plan.arrival.date, 0, format.picture));
        EXPECT_NE(after, before);
    }
}

// "Use as my rate" is a user's edit of the form's rate box: the form and the plan follow it, and
// the box's own undo takes it back.
TEST_F(PlanFormWin32, UseAsMyRateIsUndoneInTheRateBox) {
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "2");
    OpenPlan();
    HWND button = PlanControl("UseRateButton");
    EXPECT_FALSE(IsWindowEnabled(button));
    // 500 points in seven and a half minutes.
    Type(PlanControl("FirstReadingTextBox"), "1000");
    Type(PlanControl("SecondReadingTextBox"), "1500");
    Type(PlanControl("MinutesTextBox"), "7.5");
    EXPECT_EQ(PlanShown("MeasuredRateTextBox"), "4000");
    ASSERT_TRUE(IsWindowEnabled(button));
    SetFocus(button);
    Press(VK_SPACE);
    EXPECT_EQ(Shown("SKTextBox"), "4000");
    EXPECT_EQ(Shown("HoursNeededTextBox"), "0.3625");
    EXPECT_EQ(PlanShown("PlanHoursTextBox"), "0.3625");
    SendMessageW(form_->Control("SKTextBox"), EM_UNDO, 0, 0);
    Pump();
    EXPECT_EQ(Shown("SKTextBox"), "10000");
    EXPECT_EQ(Shown("HoursNeededTextBox"), "0.145");
    EXPECT_EQ(PlanShown("PlanHoursTextBox"), "0.145");
}

// In each language, at 96 and 192 DPI: every control within the window and none over another,
// each showing its longest texts whole, and every column of the steps its header and cells.
struct Fit {
    std::string_view language;
    UINT dpi;
};

class PlanFits : public PlanFormWin32, public testing::WithParamInterface<Fit> {};

// The size the text takes in the control's own font, on one line or wrapped to `width`.
SIZE TextSize(HWND control, const std::wstring& text, int width = 0) {
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_NOPREFIX | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {rect.right, rect.bottom};
}

TEST_P(PlanFits, EveryTextWhole) {
    UseLanguageTagged(GetParam().language);
    // The longest texts the boxes show: a climb past the year 9999, a long negative figure. The
    // form's inputs come first, so that the plan is made once for them, not at each pick.
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    TypeRate("1e-9");
    OpenPlan();
    HWND window = form_->Plan()->Window();
    ChangeDpi(window, GetParam().dpi);
    Type(PlanControl("FirstReadingTextBox"), "-88888888888888");
    ASSERT_EQ(PlanShown("ArrivalTextBox"), Translated(kAfterYear9999));

    const SIZE client = ClientSize(window);
    std::vector<std::pair<std::string_view, RECT>> placed;
    for (const ControlDesign& design : kPlanFormControls) {
        HWND control = PlanControl(std::string(design.name).c_str());
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.cx &&
                    rect.bottom <= client.cy)
            << design.name;
        placed.emplace_back(design.name, rect);
        RECT area{};
        GetClientRect(control, &area);
        SIZE needed{};
        switch (design.kind) {
            case ControlKind::Button:
                SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&needed));
                break;
            case ControlKind::Notice:
                // Hidden now; measured with the text it shows.
                needed = TextSize(control, Wide(Translated(design.text)), area.right);
                break;
            case ControlKind::Table:
                continue;
            case ControlKind::RateBox:
            case ControlKind::ResultBox:
            case ControlKind::DateBox: {
                needed = TextSize(control, Wide(TextOf(control)));
                const auto margins = SendMessageW(control, EM_GETMARGINS, 0, 0);
                needed.cx += LOWORD(margins) + HIWORD(margins);
                break;
            }
            default:
                needed = TextSize(control, Wide(TextOf(control)));
                break;
        }
        EXPECT_LE(needed.cx, area.right) << design.name << ": " << TextOf(control);
        EXPECT_LE(needed.cy, area.bottom) << design.name << ": " << TextOf(control);
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            RECT overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &placed[i].second, &placed[j].second))
                << placed[i].first << " overlaps " << placed[j].first;
        }
    }
    // A header keeps three edges' room either side of its text; a cell, one.
    HWND steps = PlanControl("PlanSteps");
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, GetParam().dpi);
    HWND header = reinterpret_cast<HWND>(SendMessageW(steps, LVM_GETHEADER, 0, 0));
    const auto rows = static_cast<int>(SendMessageW(steps, LVM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(rows, 219);
    for (int column = 0; column < static_cast<int>(kPlanColumns.size()); ++column) {
        const auto width = static_cast<int>(SendMessageW(steps, LVM_GETCOLUMNWIDTH, column, 0));
        const std::wstring title = Wide(Translated(kPlanColumns[static_cast<std::size_t>(column)]));
        EXPECT_LE(TextSize(header, title).cx + 6 * edge, width) << Narrow(title);
        for (int row = 0; row < rows; ++row) {
            const std::string cell = Cell(row, column);
            const auto text = static_cast<int>(SendMessageW(
                steps, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(Wide(cell).c_str())));
            EXPECT_LE(text + 2 * edge, width) << "row " << row << ": " << cell;
        }
    }
}

std::vector<Fit> EveryLanguageAtTwoDpis() {
    std::vector<Fit> rows;
    for (const Language& language : Languages()) {
        rows.push_back({language.tag, 96});
        rows.push_back({language.tag, 192});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, PlanFits, testing::ValuesIn(EveryLanguageAtTwoDpis()),
                         [](const auto& info) {
                             std::string name(info.param.language);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name + "_" + std::to_string(info.param.dpi) + "dpi";
                         });

}  // namespace
}  // namespace ranktally
