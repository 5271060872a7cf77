#include "platform/ui/menus/MenuLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const TRect kWork{0, 0, 1280, 760};

TEST(MenuLayoutTest, ItemsStackInsideTheBorderAsWideAsTheWidest)
{
    const std::vector<TSize> sizes{{60, 20}, {90, 8}, {40, 20}};
    const TMenuLayout layout = LayoutMenu(sizes);
    EXPECT_EQ(layout.WindowSize, (TSize{90 + 2 * kMenuBorder, 48 + 2 * kMenuBorder}));
    ASSERT_EQ(layout.Items.size(), 3u);
    EXPECT_EQ(layout.Items[0], (TRect{kMenuBorder, kMenuBorder, kMenuBorder + 90, kMenuBorder + 20}));
    EXPECT_EQ(layout.Items[1], (TRect{kMenuBorder, kMenuBorder + 20, kMenuBorder + 90, kMenuBorder + 28}));
    EXPECT_EQ(layout.Items[2].Top, kMenuBorder + 28);
}

TEST(MenuLayoutTest, HitTestingUsesTheSameRectanglesAndLeavesOutTheBorder)
{
    const std::vector<TSize> sizes{{60, 20}, {60, 8}};
    const TMenuLayout layout = LayoutMenu(sizes);
    EXPECT_EQ(layout.ItemAt({kMenuBorder, kMenuBorder}), 0);
    EXPECT_EQ(layout.ItemAt({kMenuBorder + 59, kMenuBorder + 19}), 0);
    EXPECT_EQ(layout.ItemAt({kMenuBorder, kMenuBorder + 20}), 1);
    EXPECT_EQ(layout.ItemAt({0, 5}), -1);
    EXPECT_EQ(layout.ItemAt({kMenuBorder + 60, 5}), -1);
    EXPECT_EQ(layout.ItemAt({5, kMenuBorder + 28}), -1);
    EXPECT_EQ(LayoutMenu({}).ItemAt({0, 0}), -1);
}

TEST(MenuLayoutTest, PlainItemSizeMakesRoomForEveryColumn)
{
    const TPlainMenuMetrics metrics{13, 16, 16};
    const TSize plain = PlainItemSize({false, 50, 0}, metrics);
    EXPECT_EQ(plain.cx, CheckColumnWidth(metrics) + 50 + kMenuArrowColumn);
    EXPECT_EQ(plain.cy, 16 + 2 * kMenuItemPadding);
    const TSize withShortCut = PlainItemSize({false, 50, 30}, metrics);
    EXPECT_EQ(withShortCut.cx, plain.cx + kMenuShortCutGap + 30);
    EXPECT_EQ(PlainItemSize({true, 50, 30}, metrics).cy, kMenuSeparatorHeight);
}

TEST(MenuLayoutTest, PlainPartsSplitTheItemIntoColumns)
{
    const TPlainMenuMetrics metrics{13, 16, 16};
    const TRect item{2, 2, 150, 24};
    const TPlainItemParts parts = PlainItemParts(item, metrics);
    EXPECT_EQ(parts.Glyph, (TRect{2 + kMenuColumnMargin, 2, 2 + kMenuColumnMargin + 16, 24}));
    EXPECT_EQ(parts.Caption.Left, 2 + CheckColumnWidth(metrics));
    EXPECT_EQ(parts.Caption.Right, 150 - kMenuArrowColumn);
    EXPECT_EQ(parts.ShortCut.Right, parts.Arrow.Left);
    EXPECT_EQ(parts.Arrow, (TRect{150 - kMenuArrowColumn, 2, 150, 24}));
}

TEST(MenuLayoutTest, PopupOpensAtThePointOrFlipsAtTheWorkAreaEdges)
{
    EXPECT_EQ(PlacePopupMenu({100, 100}, {120, 80}, kWork), (TPoint{100, 100}));
    EXPECT_EQ(PlacePopupMenu({1250, 100}, {120, 80}, kWork), (TPoint{1130, 100}));
    EXPECT_EQ(PlacePopupMenu({100, 740}, {120, 80}, kWork), (TPoint{100, 660}));
    EXPECT_EQ(PlacePopupMenu({1250, 740}, {120, 80}, kWork), (TPoint{1130, 660}));
    // Too tall to flip: kept inside from the top.
    EXPECT_EQ(PlacePopupMenu({100, 50}, {120, 900}, kWork), (TPoint{100, 0}));
}

TEST(MenuLayoutTest, SubmenuOpensBesideItsItemOrOnTheLeftAtTheEdge)
{
    const TRect parent{100, 100, 250, 300};
    const TRect item{102, 150, 248, 170};
    EXPECT_EQ(PlaceSubmenu(parent, item, {120, 80}, kWork), (TPoint{250 - kSubmenuOverlap, 150 - kMenuBorder}));
    const TRect rightParent{1100, 100, 1250, 300};
    EXPECT_EQ(PlaceSubmenu(rightParent, item.Offset(1000, 0), {120, 80}, kWork),
              (TPoint{1100 + kSubmenuOverlap - 120, 150 - kMenuBorder}));
    const TRect lowItem{102, 740, 248, 758};
    EXPECT_EQ(PlaceSubmenu(parent, lowItem, {120, 80}, kWork).Y, 760 - 80);
}

}  // namespace
