#pragma once

#include "form_design.h"

namespace ranktally {

// Where a desktop window shows the rate's note: a marker inside the rate box and a balloon under
// it, both in the box's font, so that they grow with it on every toolkit. It draws nothing.

// The marker's place in the box's inner area, and the room the box's text leaves at its right end
// while the marker shows.
struct NoteMarkerPlace {
    PixelRect marker;
    int textMargin;

    friend bool operator==(const NoteMarkerPlace&, const NoteMarkerPlace&) = default;
};

// A square one line of the font high, centred in the area's height and as far from its right
// edge, the text keeping the same gap from it; in an area lower than a line, as high as the area.
NoteMarkerPlace PlaceNoteMarker(PixelSize area, int lineHeight);

// The balloon is one line when the note fits in this many average characters of the box's font,
// and wrapped to that width when it does not.
inline constexpr int kNoteBalloonCharacters = 40;

}  // namespace ranktally
