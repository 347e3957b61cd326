#include "box_note.h"

#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "gdi_text_measure.h"
#include "note_marker.h"
#include "wide_text.h"

namespace ranktally {
namespace {

TTTOOLINFOW ToolOf(HWND owner, UINT_PTR id) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner;
    tool.uId = id;
    return tool;
}

}  // namespace

HWND MakeTooltip(HWND owner, DWORD style, UINT flags, UINT_PTR id) {
    HWND tooltip = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | style, 0,
        0, 0, 0, owner, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    TTTOOLINFOW tool = ToolOf(owner, id);
    tool.uFlags = flags;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tooltip;
}

void SetTooltipText(HWND tooltip, HWND owner, UINT_PTR id, std::string_view text) {
    std::wstring wide = Wide(text);
    TTTOOLINFOW tool = ToolOf(owner, id);
    tool.lpszText = wide.data();
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

BoxNote::BoxNote(HWND box) : box_(box) {}

BoxNote::~BoxNote() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
}

void BoxNote::Show(std::string_view note) {
    HWND owner = GetAncestor(box_, GA_ROOT);
    const auto boxId = reinterpret_cast<UINT_PTR>(box_);
    if (!note.empty() && marker_ == nullptr) {
        marker_ = CreateWindowExW(
            0, WC_STATICW, nullptr, WS_CHILD | SS_ICON | SS_REALSIZECONTROL, 0, 0, 0, 0, box_,
            nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(box_, GWLP_HINSTANCE)), nullptr);
        // The box colours its marker, so that the icon stands on the box's own background.
        SetWindowSubclass(box_, BoxProcedure, 0, 0);
        tip_ = MakeTooltip(owner, 0, TTF_IDISHWND | TTF_SUBCLASS, boxId);
    }
    if (marker_ != nullptr) {
        SetTooltipText(tip_, owner, boxId, note);
        SendMessageW(tip_, TTM_ACTIVATE, !note.empty(), 0);
        ShowWindow(marker_, note.empty() ? SW_HIDE : SW_SHOWNA);
        Place();
    }
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        if (note.empty()) {
            MSAAPROPID description = PROPID_ACC_DESCRIPTION;
            services->ClearHwndProps(box_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     &description, 1);
        } else {
            services->SetHwndPropStr(box_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_DESCRIPTION, Wide(note).c_str());
        }
        services->Release();
    }
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, box_, OBJID_CLIENT, CHILDID_SELF);
}

void BoxNote::Place() {
    if (marker_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(box_, &client);
    const NoteMarkerPlace place =
        PlaceNoteMarker({client.right, client.bottom}, FontMetricsOf(box_).tmHeight);
    const PixelRect& marker = place.marker;
    // The system's own warning icon, loaded anew at the marker's size: a shared one keeps the
    // size it was first loaded at.
    if (marker.width > 0) {
        if (auto* icon =
                static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(OIC_WARNING), IMAGE_ICON,
                                              marker.width, marker.height, 0))) {
            SendMessageW(marker_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            if (icon_ != nullptr) {
                DestroyIcon(icon_);
            }
            icon_ = icon;
        }
    }
    MoveWindow(marker_, marker.left, marker.top, marker.width, marker.height, TRUE);
    const bool shown = IsWindowVisible(marker_) != FALSE;
    SendMessageW(box_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, shown ? place.textMargin : 0));
}

LRESULT CALLBACK BoxNote::BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR) {
    if (message == WM_CTLCOLORSTATIC) {
        // A box typed into is white; a read-only or disabled one stands on the button face.
        const bool face = (GetWindowLongW(box, GWL_STYLE) & ES_READONLY) || !IsWindowEnabled(box);
        const int color = face ? COLOR_BTNFACE : COLOR_WINDOW;
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(color));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(color));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, BoxProcedure, 0);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace ranktally
