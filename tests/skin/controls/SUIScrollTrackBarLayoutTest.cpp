// The scroll track's arithmetic: slider offsets from positions, positions
// from points (rounded half to even), page steps and slider lengths.

#include "skin/controls/SUIScrollTrackBarLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

struct OffsetCase {
    TScrollTrackRange range;
    int track, slider, expected;
};

class SliderOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(SliderOffsetTest, FollowsThePositionTruncatingTowardZero)
{
    const OffsetCase& c = GetParam();
    EXPECT_EQ(SliderOffset(c.range, c.track, c.slider), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SliderOffsetTest,
                         ::testing::Values(OffsetCase{{0, 10, 5}, 100, 20, 40}, OffsetCase{{0, 10, 0}, 100, 20, 0},
                                           OffsetCase{{0, 10, 10}, 100, 20, 80},
                                           OffsetCase{{7, 7, 7}, 100, 20, 0},       // no range: no division
                                           OffsetCase{{0, 3, 1}, 100, 20, 26},      // 26.67
                                           OffsetCase{{-5, 5, 0}, 100, 20, 40},     // negative Min
                                           OffsetCase{{0, 10, 5}, 10, 20, -5},      // slider longer than the track
                                           OffsetCase{{kIntMin, kIntMax, 0}, 1000, 20, 490},  // no overflow
                                           OffsetCase{{0, kIntMax, kIntMax}, 1000, 20, 980}));

struct PointCase {
    TScrollTrackRange range;
    int track, slider, c, expected;
};

class PositionAtPointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(PositionAtPointTest, PutsTheSliderMiddleUnderThePoint)
{
    const PointCase& c = GetParam();
    EXPECT_EQ(PositionAtPoint(c.range, c.track, c.slider, c.c), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PositionAtPointTest,
                         ::testing::Values(PointCase{{0, 10}, 100, 20, 54, 6},    // 5.5 rounds to 6
                                           PointCase{{0, 10}, 100, 20, 46, 4},    // 4.5 rounds to 4
                                           PointCase{{0, 10}, 100, 20, 62, 6},    // 6.5 rounds to 6
                                           PointCase{{0, 10}, 100, 20, 70, 8},    // 7.5 rounds to 8
                                           PointCase{{0, 10}, 100, 20, 58, 6},    // 6.0
                                           PointCase{{0, 10}, 100, 20, 10, 0},
                                           PointCase{{0, 10}, 100, 20, 100, 11},  // not clamped
                                           PointCase{{0, 10}, 100, 20, -30, -5},
                                           PointCase{{5, 15}, 100, 20, 50, 10},   // Min added
                                           PointCase{{5, 15}, 100, 100, 50, 0},   // slider fills the track: 0, not Min
                                           PointCase{{7, 7}, 100, 20, 90, 7},
                                           PointCase{{kIntMin, kIntMax}, 1000, 20, 10, kIntMin}));

struct PageCase {
    int position, sliderStart, c, target, step, expected;
};

class PagedPositionTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(PagedPositionTest, StepsTowardThePointAndNeverPastIt)
{
    const PageCase& c = GetParam();
    EXPECT_EQ(PagedPosition({0, 10, c.position}, c.sliderStart, c.c, c.target, c.step), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PagedPositionTest,
                         ::testing::Values(PageCase{5, 40, 80, 8, 2, 7},   // after the slider: one page
                                           PageCase{5, 40, 80, 8, 10, 8},  // a page would pass the point
                                           PageCase{5, 40, 10, 0, 2, 3},   // before the slider
                                           PageCase{5, 40, 10, 4, 10, 4},
                                           PageCase{5, 40, 40, 9, 2, 5},   // on the slider's leading edge
                                           PageCase{8, 64, 80, 8, 6, 8})); // at rest under the cursor

struct LengthCase {
    int track, pageSize, lineButton, expected;
};

class SliderLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(SliderLengthTest, IsAPercentageOfTheTrackOrTheGivenLength)
{
    const LengthCase& c = GetParam();
    EXPECT_EQ(SliderLength(c.track, c.pageSize, c.lineButton), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SliderLengthTest,
                         ::testing::Values(LengthCase{120, 2, 0, 12},     // below 10 counts as 10
                                           LengthCase{120, 50, 0, 60}, LengthCase{120, 150, 0, 12},
                                           LengthCase{120, 100, 0, 120}, LengthCase{125, 33, 0, 41},
                                           LengthCase{120, 2, 5, 18},     // LineButton at least 18
                                           LengthCase{120, 50, 40, 40}));

}  // namespace
