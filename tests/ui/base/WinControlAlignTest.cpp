// Alignment and anchors: the classic order of aligned strips, the order
// inside a strip, size limits giving back space, anchors following the
// parent's client area, alignment held back while disabled.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/base/SizeConstraints.h"

namespace uitest {
namespace {

class WinControlAlignTest : public UiTest {
protected:
    void SetUp() override { form = ShownForm({0, 0, 300, 200}); }

    TTestGraphic* Add(TAlign align, TRect bounds = Bounds(0, 0, 40, 20))
    {
        auto* c = new TTestGraphic(form);
        c->SetParent(form);
        c->SetBoundsRect(bounds);
        c->SetAlign(align);
        return c;
    }
    TForm* form = nullptr;
};

TEST_F(WinControlAlignTest, StripsAreTakenTopBottomLeftRightThenClient)
{
    // Made in an order unlike the alignment order.
    TTestGraphic* client = Add(alClient);
    TTestGraphic* right = Add(alRight, Bounds(0, 0, 30, 10));
    TTestGraphic* left = Add(alLeft, Bounds(0, 0, 20, 10));
    TTestGraphic* bottom = Add(alBottom, Bounds(0, 0, 10, 15));
    TTestGraphic* top = Add(alTop, Bounds(0, 0, 10, 25));
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 25));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 185, 300, 200));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 25, 20, 185));
    EXPECT_EQ(right->BoundsRect(), Rect(270, 25, 300, 185));
    EXPECT_EQ(client->BoundsRect(), Rect(20, 25, 270, 185));
}

TEST_F(WinControlAlignTest, StripsOfOneAlignmentKeepTheirCurrentOrder)
{
    form->DisableAlign();
    TTestGraphic* lower = Add(alTop, Bounds(0, 50, 10, 10));
    TTestGraphic* upper = Add(alTop, Bounds(0, 5, 10, 20));
    form->EnableAlign();
    EXPECT_EQ(upper->Top(), 0);
    EXPECT_EQ(lower->Top(), 20);
    // Moving one above the other swaps them.
    lower->SetTop(-1);
    EXPECT_EQ(lower->Top(), 0);
    EXPECT_EQ(upper->Top(), 10);
}

TEST_F(WinControlAlignTest, ParentResizeRealignsAndHiddenControlsGiveUpTheirStrip)
{
    TTestGraphic* top = Add(alTop);
    TTestGraphic* client = Add(alClient);
    form->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 20));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 20, 400, 300));
    top->Hide();
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 400, 300));
}

TEST_F(WinControlAlignTest, AControlKeptSmallerByItsLimitsGivesTheRestBack)
{
    TTestGraphic* left = Add(alLeft, Bounds(0, 0, 50, 10));
    left->Constraints()->SetMaxHeight(100);
    TTestGraphic* client = Add(alClient);
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 50, 100));
    EXPECT_EQ(client->BoundsRect(), Rect(50, 0, 300, 200));
}

struct AnchorCase {
    TAnchors anchors;
    TRect after;  // the child at (100, 50, 40 x 20) after the parent grew from 300 x 200 to 400 x 260
};

class AnchorTest : public WinControlAlignTest, public ::testing::WithParamInterface<AnchorCase> {};

TEST_P(AnchorTest, AnchoredControlsFollowTheParentsSize)
{
    TTestGraphic* c = Add(alNone, Bounds(100, 50, 40, 20));
    c->SetAnchors(GetParam().anchors);
    form->SetBounds(0, 0, 400, 260);
    EXPECT_EQ(c->BoundsRect(), GetParam().after);
    form->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(c->BoundsRect(), Bounds(100, 50, 40, 20)) << "back where it was";
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, AnchorTest,
    ::testing::Values(AnchorCase{{akLeft, akTop}, Bounds(100, 50, 40, 20)},
                      AnchorCase{{akRight, akBottom}, Bounds(200, 110, 40, 20)},
                      AnchorCase{{akLeft, akTop, akRight}, Bounds(100, 50, 140, 20)},
                      AnchorCase{{akLeft, akTop, akRight, akBottom}, Bounds(100, 50, 140, 80)},
                      // Neither side: the centre keeps its relative place (120 of 300 -> 160 of 400).
                      AnchorCase{{akTop}, Bounds(140, 50, 40, 20)}));

TEST_F(WinControlAlignTest, MovingAnAnchoredControlTakesNewDistances)
{
    TTestGraphic* c = Add(alNone, Bounds(100, 50, 40, 20));
    c->SetAnchors({akRight, akTop});
    c->SetLeft(250);  // 10 pixels from the right edge now
    form->SetBounds(0, 0, 400, 200);
    EXPECT_EQ(c->Left(), 350);
}

TEST_F(WinControlAlignTest, DisabledAlignmentWaitsUntilEnabled)
{
    form->DisableAlign();
    TTestGraphic* top = Add(alTop, Bounds(0, 80, 10, 20));
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 80, 10, 20));
    form->EnableAlign();
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 20));
}

}  // namespace
}  // namespace uitest
