// TToolBar and TToolButton behaviour: buttons joining and leaving the bar,
// captions sizing buttons, image lists that go away, press and release,
// check and grouped buttons, disabled buttons, hot tracking, and reading a
// bar from a form description.

#include "tests/ui/toolbar/ToolBarTestSupport.h"

#include "platform/core/Exception.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/toolbar/ToolButtonPaint.h"

namespace uitest {
namespace {

TEST_F(ToolBarTest, ButtonsAppendThemselvesAndTheGapsTheyLeaveClose)
{
    EXPECT_EQ(bar->BoundsRect(), (TRect{0, 0, 400, TToolBar::kDefaultHeight}));
    TToolButton* a = Add("a");
    TToolButton* b = Add("b", tbsSeparator);
    TToolButton* c = Add("c");
    ASSERT_EQ(bar->ButtonCount(), 3);
    EXPECT_EQ(bar->Buttons(2), c);
    EXPECT_EQ(c->Index(), 2);
    EXPECT_THROW((void)bar->Buttons(3), EListError);
    EXPECT_EQ(a->BoundsRect(), (TRect{0, 2, 23, 24})) << "below the default top edge";
    EXPECT_EQ(c->Left(), 23 + kToolSeparatorWidth);
    delete b;
    EXPECT_EQ(c->Left(), 23);
    a->SetVisible(false);
    EXPECT_EQ(c->Left(), 0);
    a->SetVisible(true);
    a->SetParent(form);
    EXPECT_EQ(bar->ButtonCount(), 1);
    EXPECT_EQ(c->Left(), 0);
}

TEST_F(ToolBarTest, ShownCaptionsSizeEachButtonToItsCaption)
{
    TToolButton* file = Add("file", tbsButton, "文件(&F)");
    TToolButton* x = Add("x", tbsButton, "x");
    EXPECT_EQ(file->Width(), TToolBar::kDefaultButtonWidth) << "captions hidden";
    bar->SetShowCaptions(true);
    const auto widthOf = [&](const char* caption) {
        return MeasureToolCaption(*bar->Font(), caption).cx + 2 * kToolCaptionMargin;
    };
    ASSERT_GT(widthOf("文件(&F)"), TToolBar::kDefaultButtonWidth);
    EXPECT_EQ(file->Width(), widthOf("文件(&F)"));
    EXPECT_EQ(x->BoundsRect(), TRect::FromSize(file->Width(), 2, TToolBar::kDefaultButtonWidth, 22));
    // A new caption or font sizes the buttons again.
    x->SetCaption("帮助(&H) 与更多");
    EXPECT_EQ(x->Width(), widthOf("帮助(&H) 与更多"));
    const int before = file->Width();
    bar->Font()->SetSize(bar->Font()->Size() * 2);
    EXPECT_EQ(file->Width(), widthOf("文件(&F)"));
    EXPECT_GT(file->Width(), before);
}

TEST_F(ToolBarTest, ImageListsAreForgottenWhenTheyGo)
{
    auto* images = new TImageList(&App());
    auto* hot = new TImageList(&App());
    bar->SetImages(images);
    bar->SetDisabledImages(images);
    bar->SetHotImages(hot);
    // Dropping one role keeps hearing of the list's end for the other.
    bar->SetDisabledImages(nullptr);
    delete images;
    delete hot;
    EXPECT_EQ(bar->Images(), nullptr);
    EXPECT_EQ(bar->HotImages(), nullptr);
}

TEST_F(ToolBarTest, APressClicksOnlyWhenReleasedOverTheButton)
{
    TToolButton* a = Add("a");
    TToolButton* b = Add("b");
    Press(a);
    EXPECT_TRUE(a->Selected());
    Desktop().InjectMouseMove(ScreenPointOf(a, TPoint{5, 60}));
    Pump();
    EXPECT_FALSE(a->Selected()) << "the pointer left the button";
    Desktop().InjectMouseMove(ScreenPointOf(a, TPoint{5, 5}));
    Pump();
    EXPECT_TRUE(a->Selected());
    Release(a, TPoint{5, 60});
    EXPECT_FALSE(a->Selected());
    Press(a);
    Release(b);
    EXPECT_TRUE(clicks.empty()) << "released outside, or over another button";
    Click(a);
    EXPECT_EQ(clicks, Clicks{"a"});
}

TEST_F(ToolBarTest, CheckButtonsToggleAndGroupedOnesActAsRadioButtons)
{
    TToolButton* left = Add("left", tbsCheck);
    TToolButton* centre = Add("centre", tbsCheck);
    Add("gap", tbsSeparator);
    TToolButton* bold = Add("bold", tbsCheck);
    for (TToolButton* b : {left, centre, bold}) b->SetGrouped(true);
    TToolButton* plain = Add("plain", tbsCheck);

    Click(plain);
    EXPECT_TRUE(plain->Down());
    Click(plain);
    EXPECT_FALSE(plain->Down());
    Click(left);
    Click(bold);
    Click(centre);
    EXPECT_FALSE(left->Down());
    EXPECT_TRUE(centre->Down());
    EXPECT_TRUE(bold->Down()) << "a separator ends a group";
    // The down button of a group stays down unless AllowAllUp.
    Click(centre);
    EXPECT_TRUE(centre->Down());
    centre->SetAllowAllUp(true);
    Click(centre);
    EXPECT_FALSE(centre->Down());
    // A down button joining the group raises the others.
    centre->SetDown(true);
    centre->SetGrouped(false);
    left->SetDown(true);
    centre->SetGrouped(true);
    EXPECT_FALSE(left->Down());
}

TEST_F(ToolBarTest, DisabledButtonsTakeNoInput)
{
    TToolButton* a = Add("a", tbsCheck);
    a->SetEnabled(false);
    bar->SetFlat(true);
    MoveTo(a);
    EXPECT_FALSE(a->Hot());
    Click(a);
    EXPECT_FALSE(a->Down());
    // Disabling a pressed button ends the press without a click.
    a->SetEnabled(true);
    Press(a);
    a->SetEnabled(false);
    EXPECT_FALSE(a->Selected());
    a->SetEnabled(true);
    Release(a);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ToolBarTest, OnAFlatBarTheButtonUnderThePointerIsHot)
{
    TToolButton* a = Add("a");
    TToolButton* b = Add("b");
    TToolButton* gap = Add("gap", tbsDivider);
    MoveTo(a);
    EXPECT_FALSE(a->Hot()) << "raised bars track nothing";
    bar->SetFlat(true);
    MoveAway();
    MoveTo(a);
    EXPECT_TRUE(a->Hot());
    MoveTo(b);
    EXPECT_FALSE(a->Hot());
    EXPECT_TRUE(b->Hot());
    MoveTo(gap);
    EXPECT_FALSE(b->Hot());
    EXPECT_FALSE(gap->Hot());
    // Separators let clicks through to the bar.
    int barClicks = 0;
    bar->OnClick = [&](TObject*) { ++barClicks; };
    Click(gap);
    EXPECT_EQ(barClicks, 1);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ToolBarTest, AFormDescriptionHoldsABarWithItsButtons)
{
    RegisterClass(TToolBar::StaticClassInfo());
    RegisterClass(TToolButton::StaticClassInfo());
    auto* read = new TForm(&App());
    ReadForm(*read, R"(object frmBar: TForm
  object tbMain: TToolBar
    Flat = True
    EdgeBorders = [ebTop, ebBottom]
    EdgeInner = esNone
    ButtonWidth = 30
    object btnOpen: TToolButton
      Caption = '打开'
      Style = tbsCheck
      Down = True
    end
    object btnMore: TToolButton
      Style = tbsDropDown
      ImageIndex = 2
    end
  end
end
)");
    auto* tb = dynamic_cast<TToolBar*>(read->FindComponent("tbMain"));
    ASSERT_NE(tb, nullptr);
    EXPECT_EQ(tb->Align(), alTop);
    EXPECT_TRUE(tb->Flat());
    EXPECT_EQ(tb->EdgeBorders(), (TEdgeBorders{ebTop, ebBottom}));
    ASSERT_EQ(tb->ButtonCount(), 2);
    EXPECT_EQ(tb->Buttons(0)->Caption(), "打开");
    EXPECT_TRUE(tb->Buttons(0)->Down());
    EXPECT_EQ(tb->Buttons(1)->ImageIndex(), 2);
    // Placed once read: after one ring of edge, 30 pixels wide.
    EXPECT_EQ(tb->Buttons(1)->BoundsRect(), TRect::FromSize(30, 1, 30 + kToolDropDownArrowWidth, 22));
}

}  // namespace
}  // namespace uitest
