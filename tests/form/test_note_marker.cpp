#include "note_marker.h"

#include <gtest/gtest.h>

namespace ranktally {
namespace {

struct MarkerCase {
    const char* name;
    PixelSize area;
    int lineHeight;
    NoteMarkerPlace place;
};

class PlaceNoteMarkerTest : public testing::TestWithParam<MarkerCase> {};

TEST_P(PlaceNoteMarkerTest, InsideTheBoxAtItsRightEnd) {
    EXPECT_EQ(PlaceNoteMarker(GetParam().area, GetParam().lineHeight), GetParam().place);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlaceNoteMarkerTest,
    testing::Values(
        // As far from the right edge as from the top; the text as far from the marker.
        MarkerCase{"RoomAround", {100, 22}, 16, {{81, 3, 16, 16}, 22}},
        MarkerCase{"OddRoomRoundsDown", {100, 21}, 16, {{82, 2, 16, 16}, 20}},
        MarkerCase{"ExactlyOneLine", {100, 16}, 16, {{84, 0, 16, 16}, 16}},
        // A box lower than a line of its font keeps the marker inside it.
        MarkerCase{"LowerThanALine", {100, 12}, 16, {{88, 0, 12, 12}, 12}},
        MarkerCase{"NoHeight", {100, 0}, 16, {{100, 0, 0, 0}, 0}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ranktally
