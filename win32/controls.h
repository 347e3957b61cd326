#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "form_design.h"

namespace ranktally {

// What the program's windows make of a design's controls, and read of them and of the system,
// alike.

// The Win32 control of this design, with its text in the language in use; the window places it,
// and fills what the design leaves to it (a selector's entries, a table's columns). A warning or a
// notice starts hidden and empty: what it says comes later. The credit is a link after its text.
HWND MakeControl(HWND parent, HINSTANCE instance, const ControlDesign& design, int id);

// The style of the program's top-level windows: each keeps the size its contents need, so none
// offers a maximize button.
constexpr DWORD kTopLevelStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kTopLevelExStyle = WS_EX_CONTROLPARENT;

// A class of the program's top-level windows: its icon, the arrow, the button face behind.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

std::string TextOf(HWND control);
std::string UserDecimalSeparator();

// The system's message font at this DPI, as every control of the program shows its text in.
HFONT MessageFont(UINT dpi, bool bold = false);

// The answer to WM_CTLCOLORSTATIC: read-only boxes and labels on the button face, in the theme's
// colours.
LRESULT PaintOnButtonFace(HDC dc);

// Gives the window the outer size around this client area at its style and DPI.
void SetClientSize(HWND window, PixelSize client, UINT dpi);

}  // namespace ranktally
