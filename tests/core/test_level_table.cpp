#include "level_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace ranktally {
namespace {

double SumOf(int first, int last) {
    double sum = 0;
    for (int index = first; index <= last; ++index) {
        sum += LevelPoints(index).value();
    }
    return sum;
}

struct RangeSum {
    const char* name;
    int first;
    int last;
    double expected;
};

class LevelTableSum : public testing::TestWithParam<RangeSum> {};

TEST_P(LevelTableSum, MatchesPublishedTotal) {
    EXPECT_EQ(SumOf(GetParam().first, GetParam().last), GetParam().expected);
}

// The published totals catch a mistyped or missing entry anywhere in a range.
INSTANTIATE_TEST_SUITE_P(Ranges, LevelTableSum,
                         testing::Values(RangeSum{"AllXpLevels", 1, 199, 2061326950},
                                         RangeSum{"AllSkLevels", 200, 219, 14935041},
                                         RangeSum{"WholeTable", 0, 219, 2076261991}),
                         [](const auto& info) { return info.param.name; });

struct Lookup {
    const char* name;
    int index;
    std::optional<double> expected;
};

class LevelTableLookup : public testing::TestWithParam<Lookup> {};

TEST_P(LevelTableLookup, ReadsEntryOrNothing) {
    EXPECT_EQ(LevelPoints(GetParam().index), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, LevelTableLookup,
    testing::Values(
        // Both ends of the table and the drop where SK points start.
        Lookup{"NoLevelCostsNothing", 0, 0.0}, Lookup{"FirstLevel", 1, 1450.0},
        Lookup{"LastXpLevel", 199, 73393900.0}, Lookup{"FirstSkLevel", 200, 80000.0},
        Lookup{"LastEntry", 219, 2555840.0},
        // Outside the table nothing is read.
        Lookup{"JustBelow", -1, std::nullopt}, Lookup{"TopLevelHasNoEntry", 220, std::nullopt},
        Lookup{"MostNegative", INT_MIN, std::nullopt}, Lookup{"Largest", INT_MAX, std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(LevelTable, ClimbsSumTheirEntriesOneByOne) {
    for (int first = 0; first <= kLevelCount; ++first) {
        double sum = 0;
        for (int last = first; last <= kLevelCount; ++last) {
            ASSERT_EQ(PointsBetween(first, last), sum) << first << " to " << last;
            if (last < kLevelCount) {
                sum += LevelPoints(last).value();
            }
        }
    }
}

struct Climb {
    const char* name;
    int first;
    int last;
};

class ClimbOutsideTable : public testing::TestWithParam<Climb> {};

TEST_P(ClimbOutsideTable, HasNoValue) {
    EXPECT_EQ(PointsBetween(GetParam().first, GetParam().last), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Climbs, ClimbOutsideTable,
                         testing::Values(Climb{"BelowTable", -1, 5}, Climb{"Downward", 5, 4},
                                         Climb{"PastTop", 0, 221},
                                         Climb{"FarBelow", INT_MIN, INT_MAX}),
                         [](const auto& info) { return info.param.name; });

TEST(LevelTable, SkEntriesFollowTheirGrowthRule) {
    for (int index = kFirstSkLevel; index < kLevelCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(LevelPoints(index), std::round(80000 * std::pow(1.2, index - kFirstSkLevel)));
    }
}

TEST(LevelTable, XpEntriesRiseInWholeHundreds) {
    for (int index = 2; index < kFirstSkLevel; ++index) {
        SCOPED_TRACE(index);
        const double points = LevelPoints(index).value();
        EXPECT_GT(points, LevelPoints(index - 1).value());
        EXPECT_EQ(std::fmod(points, 100), 0);
    }
}

}  // namespace
}  // namespace ranktally
