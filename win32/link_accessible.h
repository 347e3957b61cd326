#pragma once

#include <windows.h>

#include <string>

namespace ranktally {

// The answer to a screen reader's WM_GETOBJECT for a credit and its link, where the SysLink gives
// none of its own: the control as the standard client object says it is, but for one child, the
// link, named and marked as one. What the link does is the control's business.
LRESULT LinkAccessibleObject(HWND link, WPARAM wParam, std::wstring credit, std::wstring linkText);

}  // namespace ranktally
