#include "note_marker.h"

#include <algorithm>

namespace ranktally {

NoteMarkerPlace PlaceNoteMarker(PixelSize area, int lineHeight) {
    const int size = std::max(0, std::min(lineHeight, area.height));
    const int gap = (area.height - size) / 2;
    return {{area.width - size - gap, gap, size, size}, size + 2 * gap};
}

}  // namespace ranktally
