// Prints what another program's window says, for the scripts that check it under Wine:
// read_window_text [--close] TITLE waits, up to two minutes, until the top-level window titled
// TITLE shows a page (a dialog within it, as a wizard's page, with its controls), then prints the
// window's title and the text of each window within it, one a line in UTF-8, with a line break
// within a text written as "\n". With --close it then closes the window as its title bar's close
// button does. It fails, naming the windows that are shown, when no such window shows its page in
// time.
#include <windows.h>

#include <string>
#include <string_view>

#include "wide_text.h"

namespace {

constexpr ULONGLONG kPatience = 120000;

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsDialog(HWND window) {
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    return std::wstring_view(name) == L"#32770";
}

// A dialog within the window that is shown: a wizard shows its page once the page is made.
HWND ShownPage(HWND window) {
    HWND page = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            if (IsDialog(child) && IsWindowVisible(child) && GetWindow(child, GW_CHILD)) {
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&page));
    return page;
}

void Print(const std::wstring& text) {
    std::wstring line;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 2, L"\r\n") == 0) {
            line += L"\\n";
            ++at;
        } else {
            line += text[at] == L'\n' ? std::wstring(L"\\n") : std::wstring(1, text[at]);
        }
    }
    const std::string bytes = ranktally::Narrow(line) + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool close = argc == 3 && std::wstring_view(argv[1]) == L"--close";
    if (argc != 2 && !close) {
        Print(L"usage: read_window_text [--close] TITLE");
        return 2;
    }
    const wchar_t* title = argv[argc - 1];
    const ULONGLONG deadline = GetTickCount64() + kPatience;
    HWND window = nullptr;
    while ((window = FindWindowW(nullptr, title)) == nullptr || !IsWindowVisible(window) ||
           ShownPage(window) == nullptr) {
        if (GetTickCount64() > deadline) {
            Print(L"no window titled \"" + std::wstring(title) + L"\" showed a page; shown were:");
            EnumWindows(
                [](HWND shown, LPARAM) {
                    if (IsWindowVisible(shown) && GetWindowTextLengthW(shown) > 0) {
                        Print(L"\"" + TextOf(shown) + L"\"");
                    }
                    return TRUE;
                },
                0);
            return 1;
        }
        Sleep(100);
    }
    Print(TextOf(window));
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) {
            if (IsWindowVisible(child) && GetWindowTextLengthW(child) > 0) {
                Print(TextOf(child));
            }
            return TRUE;
        },
        0);
    if (close) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return 0;
}
