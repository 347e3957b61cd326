#pragma once

#include <windows.h>

#include <string_view>

namespace ranktally {

// The note of a box: the marker at the box's end that shows there is one, its hover text, and its
// description for a screen reader. When the note changes, and what it says, is the caller's; so is
// any balloon that points at the marker.
class BoxNote {
public:
    explicit BoxNote(HWND box);
    ~BoxNote();
    BoxNote(const BoxNote&) = delete;
    BoxNote& operator=(const BoxNote&) = delete;

    void Show(std::string_view note);
    // After the box's size or font changed.
    void Place();
    // Made on the first note, so that a box that never has one loads no icon.
    HWND Marker() const { return marker_; }

private:
    static LRESULT CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR);

    HWND box_;
    HWND marker_ = nullptr;
    HWND tip_ = nullptr;
    HICON icon_ = nullptr;
};

// A tooltip of the top-level window `owner` for one tool of it, empty until it is given a text.
HWND MakeTooltip(HWND owner, DWORD style, UINT flags, UINT_PTR id);
void SetTooltipText(HWND tooltip, HWND owner, UINT_PTR id, std::string_view text);

}  // namespace ranktally
