// The tool bar's pure layout: button sizes from ButtonWidth, captions and
// images, separators, drop-down arrows, hidden buttons, wrapping, and the
// parts and content places of one button.

#include "platform/ui/toolbar/ToolBarLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rects = std::vector<TRect>;

TToolLayoutBar Bar(TRect content = {2, 2, 200, 27})
{
    TToolLayoutBar bar;
    bar.Content = content;
    bar.Button = {23, 22};
    return bar;
}

TToolLayoutItem Item(TToolButtonStyle style = tbsButton, TSize caption = {}, bool visible = true)
{
    return {style, visible, caption};
}

TEST(ToolBarLayoutTest, ButtonsSeparatorsAndArrowsGoLeftToRightHiddenOnesTakeNoRoom)
{
    TToolLayoutBar bar = Bar();
    bar.Indent = 4;
    const Rects rects = LayoutToolBar(
        bar, {Item(), Item(tbsSeparator), Item(tbsCheck, {}, false), Item(tbsDivider), Item(tbsDropDown)});
    EXPECT_EQ(rects, (Rects{{6, 2, 29, 24}, {29, 2, 37, 24}, {}, {37, 2, 45, 24}, {45, 2, 45 + 23 + 14, 24}}));
}

TEST(ToolBarLayoutTest, CaptionsAndImagesSizeButtonsWhichShareTheTallestHeight)
{
    TToolLayoutBar bar = Bar();
    // A short caption keeps ButtonWidth; a long one needs its width and margins.
    Rects rects = LayoutToolBar(bar, {Item(tbsButton, {8, 13}), Item(tbsDropDown, {40, 13})});
    EXPECT_EQ(rects, (Rects{{2, 2, 25, 24}, TRect::FromSize(25, 2, 40 + 2 * kToolCaptionMargin + 14, 22)}));
    bar.Image = {16, 16};
    rects = LayoutToolBar(bar, {Item(), Item(tbsButton, {30, 13})});
    const int height = 16 + kToolImageCaptionGap + 13 + 2 * kToolFaceMargin;
    EXPECT_EQ(rects, (Rects{{2, 2, 25, 2 + height}, TRect::FromSize(25, 2, 30 + 2 * kToolCaptionMargin, height)}));
    bar.List = true;
    EXPECT_EQ(LayoutToolBar(bar, {Item(tbsButton, {30, 13})})[0].Size(),
              (TSize{16 + kToolImageCaptionGap + 30 + 2 * kToolCaptionMargin, 22}));
}

TEST(ToolBarLayoutTest, WrappingStartsANewRowOnlyAfterTheFirstButtonOfARow)
{
    TToolLayoutBar bar = Bar({0, 0, 50, 80});
    bar.Wrapable = true;
    const Rects rects = LayoutToolBar(bar, {Item(), Item(), Item(), Item(tbsButton, {60, 13})});
    EXPECT_EQ(rects, (Rects{{0, 0, 23, 22}, {23, 0, 46, 22}, {0, 22, 23, 44}, {0, 44, 72, 66}}))
        << "a button wider than the bar still gets a row of its own";
    bar.Wrapable = false;
    EXPECT_EQ(LayoutToolBar(bar, {Item(), Item(), Item()})[2], (TRect{46, 0, 69, 22}));
}

TEST(ToolBarLayoutTest, PartsAndFaceContentOfOneButton)
{
    const TToolButtonParts parts = ToolButtonParts({10, 2, 47, 24}, tbsDropDown);
    EXPECT_EQ(parts.Face, (TRect{10, 2, 33, 24}));
    EXPECT_EQ(parts.Arrow, (TRect{33, 2, 47, 24}));
    EXPECT_TRUE(ToolButtonParts({10, 2, 47, 24}, tbsCheck).Arrow.IsEmpty());

    const TRect face{0, 0, 50, 40};
    const TToolFaceContent below = ToolFaceContent(face, {16, 16}, {20, 12}, false);
    const int top = (40 - (16 + kToolImageCaptionGap + 12)) / 2;
    EXPECT_EQ(below.Image, (TPoint{17, top}));
    EXPECT_EQ(below.Caption, TRect::FromSize(15, top + 16 + kToolImageCaptionGap, 20, 12));
    const TToolFaceContent beside = ToolFaceContent(face, {16, 16}, {20, 12}, true);
    EXPECT_EQ(beside.Image, (TPoint{kToolCaptionMargin, 12}));
    EXPECT_EQ(beside.Caption, TRect::FromSize(kToolCaptionMargin + 16 + kToolImageCaptionGap, 14, 20, 12));
}

}  // namespace
