#include "form1.h"

#include <commctrl.h>
#include <objbase.h>

#include "translation.h"
#include "user_languages.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const INITCOMMONCONTROLSEX controls{
        sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_LINK_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // The rate box's description reaches screen readers through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Once, before the window measures its texts: it is laid out for the language it shows.
    ranktally::UseLanguage(ranktally::MatchLanguage(ranktally::UserLanguages()));
    ranktally::Form1 window(instance);
    window.Show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.HandleDialogKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
