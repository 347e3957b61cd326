#pragma once

#include <optional>

namespace ranktally {

// The points each level costs to leave: the only data the calculator works from. It knows
// nothing of climbs, rates or the window.

// Entries 0 to 219. Level 220 is the top, so no entry says what leaving it costs.
inline constexpr int kLevelCount = 220;

// Levels from here up cost SK points instead of XP.
inline constexpr int kFirstSkLevel = 200;

// Points needed to go from level `index` to the next one; no value for an index outside the
// table, which is never read.
std::optional<double> LevelPoints(int index);

// Points needed to climb from level `first` to level `last`: entries `first` to `last` - 1. No
// value unless 0 <= first <= last <= 220.
std::optional<double> PointsBetween(int first, int last);

}  // namespace ranktally
