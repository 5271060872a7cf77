// TsuiScrollTrackBar: the value model's corrections, OnChange once per real
// change, dragging the slider, paging by a held press, and keys.

#include "SkinControlTest.h"
#include "tests/support/BitmapPictures.h"

#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIScrollTrackBar.h"

#include <vector>

namespace skintest {
namespace {

class ScrollTrackTest : public SkinControlTest {
protected:
    void SetUp() override
    {
        track = Make<TsuiScrollTrackBar>("strTrack1", {20, 20, 120, 36});  // 100 x 16
        track->SetMax(10);
        track->SetSliderImage(bitmaptest::FilledBitmap(20, 16, clBlue).get());
        track->SetPosition(0);
        track->OnChange = [this](TObject* sender) {
            senders.push_back(sender);
            changes.push_back(track->Position());
        };
    }
    void MakeVertical()
    {
        track->SetBounds(20, 20, 16, 100);
        track->SetOrientation(suiVertical);
        track->SetSliderImage(bitmaptest::FilledBitmap(16, 20, clBlue).get());
        track->SetPosition(0);
    }
    // A point on the track, in screen coordinates.
    [[nodiscard]] TPoint On(int x, int y) const { return track->ClientToScreen({x, y}); }
    void Tick()
    {
        Desktop().AdvanceClock(TsuiScrollTrackBar::kPageRepeatMs);
        Pump();
    }
    TsuiScrollTrackBar* track = nullptr;
    std::vector<int> changes;
    std::vector<TObject*> senders;
};

TEST_F(ScrollTrackTest, CorrectsValuesOutOfRange)
{
    track->SetPosition(5);
    track->SetMax(-5);
    EXPECT_EQ(track->Max(), 0) << "a Max below Min becomes Min";
    EXPECT_EQ(track->Position(), 0);
    track->SetMin(7);
    EXPECT_EQ(track->Min(), 0) << "a Min above Max becomes Max";
    track->SetMax(7);
    track->SetMin(7);
    track->SetPosition(9);
    EXPECT_EQ(track->Position(), 7);
    EXPECT_EQ(track->Slider()->Left(), 0);
    track->SetMax(100);
    track->SetPageSize(150);
    EXPECT_EQ(track->PageSize(), 2) << "a page size above Max is refused";
    track->SetPageSize(-1);
    EXPECT_EQ(track->PageSize(), 2);
    track->SetLineSize(100);
    EXPECT_EQ(track->LineSize(), 100);
}

TEST_F(ScrollTrackTest, ReportsEachRealChangeOnceWithTheTrackAsSender)
{
    track->SetPosition(5);
    track->SetPosition(5);
    track->SetPosition(50);
    track->SetMax(8);
    track->SetMin(8);
    track->SetMin(8);
    EXPECT_EQ(changes, (std::vector<int>{5, 10, 8}));
    for (TObject* sender : senders) EXPECT_EQ(sender, track);
    EXPECT_EQ(track->Slider()->Left(), 0) << "Min = Max puts the slider at the start";
}

TEST_F(ScrollTrackTest, DraggingTheSliderSnapsItToThePixelOfTheValue)
{
    track->SetPosition(5);
    ASSERT_EQ(track->Slider()->Left(), 40);
    Desktop().InjectMouseDown(On(50, 8));
    Pump();
    ASSERT_TRUE(track->Dragging());
    Desktop().InjectMouseMove(On(54, 8));  // 5.5 rounds to 6
    Pump();
    EXPECT_EQ(track->Position(), 6);
    EXPECT_EQ(track->Slider()->Left(), 48);
    Desktop().InjectMouseMove(On(46, 8));  // 4.5 rounds to 4
    Pump();
    EXPECT_EQ(track->Position(), 4);
    EXPECT_EQ(track->Slider()->Left(), 32);
    Desktop().InjectMouseMove(On(400, 50));  // far outside: clamped, the drag goes on
    Pump();
    EXPECT_EQ(track->Position(), 10);
    Desktop().InjectMouseUp(On(400, 50));
    Pump();
    EXPECT_FALSE(track->Dragging());
    EXPECT_EQ(changes, (std::vector<int>{5, 6, 4, 10}));
    Desktop().InjectMouseMove(On(10, 8));
    Pump();
    EXPECT_EQ(track->Position(), 10) << "moves after the release do not drag";
}

struct PagingCase {
    TsuiProgressBarOrientation orientation;
    int pageSize;
    std::vector<int> positions;  // after the press, then after each tick
};

class ScrollTrackPagingTest : public ScrollTrackTest, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(ScrollTrackPagingTest, AHeldPressPagesUntilTheSliderMiddleIsUnderTheCursor)
{
    track->SetMax(100);
    if (GetParam().orientation == suiVertical) MakeVertical();
    track->SetPageSize(GetParam().pageSize);
    const TPoint press = GetParam().orientation == suiHorizontal ? On(60, 8) : On(8, 60);  // position 62.5 -> 62
    Desktop().InjectMouseMove(press);
    Desktop().InjectMouseDown(press);
    Pump();
    std::vector<int> seen{track->Position()};
    while (seen.size() < GetParam().positions.size()) {
        Tick();
        seen.push_back(track->Position());
    }
    EXPECT_EQ(seen, GetParam().positions);
    Desktop().InjectMouseUp(press);
    Pump();
    EXPECT_FALSE(track->Paging());
}

INSTANTIATE_TEST_SUITE_P(Orientations, ScrollTrackPagingTest,
                         ::testing::Values(PagingCase{suiHorizontal, 10, {10, 40, 62, 62}},
                                           PagingCase{suiVertical, 10, {10, 20, 30, 40, 50, 60, 62, 62}},
                                           PagingCase{suiHorizontal, 0, {0, 0}}));

TEST_F(ScrollTrackTest, PagingStopsWhenThePointerLeavesTheTrack)
{
    track->SetMax(100);
    track->SetPageSize(5);
    Desktop().InjectMouseMove(On(90, 8));
    Desktop().InjectMouseDown(On(90, 8));
    Pump();
    EXPECT_EQ(track->Position(), 5);
    Desktop().InjectMouseMove(On(90, 40));
    Pump();
    EXPECT_FALSE(track->Paging());
    Tick();
    EXPECT_EQ(track->Position(), 5);
}

struct KeyCase {
    WORD key;
    int expected;  // from position 5 of 0..10, page 3, line 2
};

class ScrollTrackKeyTest : public ScrollTrackTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollTrackKeyTest, KeysMoveByLinesPagesOrToTheEnds)
{
    track->SetPageSize(3);
    track->SetLineSize(2);
    track->SetPosition(5);
    track->SetFocus();
    PressKey(GetParam().key);
    EXPECT_EQ(track->Position(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, ScrollTrackKeyTest,
                         ::testing::Values(KeyCase{VK_PRIOR, 2}, KeyCase{VK_NEXT, 8}, KeyCase{VK_HOME, 0},
                                           KeyCase{VK_END, 10}, KeyCase{VK_LEFT, 3}, KeyCase{VK_UP, 3},
                                           KeyCase{VK_RIGHT, 7}, KeyCase{VK_DOWN, 7}, KeyCase{VK_TAB, 5}));

}  // namespace
}  // namespace skintest
