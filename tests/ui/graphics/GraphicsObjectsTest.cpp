#include "platform/core/PropertyAccess.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/win/Gdi.h"
#include "tests/ui/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(PenTest, HandleFollowsColourWidthAndStyle)
{
    TPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(3);
    pen.SetStyle(psDot);
    LOGPEN log;
    ASSERT_TRUE(GetObject(pen.Handle(), log));
    EXPECT_EQ(log.lopnColor, COLORREF(clRed));
    EXPECT_EQ(log.lopnWidth.X, 3);
    EXPECT_EQ(log.lopnStyle, UINT(PS_DOT));
}

TEST(PenTest, ModeChangesKeepTheHandleOtherChangesReplaceIt)
{
    TPen pen;
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    const HPEN first = pen.Handle();
    pen.SetMode(pmXor);
    EXPECT_EQ(pen.Handle(), first);
    pen.SetWidth(0);  // taken as 1: no change
    pen.SetColor(clBlue);
    EXPECT_NE(pen.Handle(), first);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(pen.Width(), 1);
}

TEST(PenTest, PublishedEnumerationsUseTheClassicNames)
{
    TPen pen;
    SetEnumProp(pen, "Style", "psDashDot");
    SetEnumProp(pen, "Mode", "pmNotXor");
    EXPECT_EQ(pen.Style(), psDashDot);
    EXPECT_EQ(pen.Mode(), pmNotXor);
    EXPECT_EQ(GetEnumProp(pen, "Style"), "psDashDot");
}

TEST(BrushTest, ClearBrushIsTheStockNullBrush)
{
    TBrush brush;
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.Handle(), GetStockObject(NULL_BRUSH));
    brush.SetStyle(bsSolid);
    brush.SetColor(clLime);
    LOGBRUSH log;
    ASSERT_TRUE(GetObject(brush.Handle(), log));
    EXPECT_EQ(log.lbStyle, UINT(BS_SOLID));
    EXPECT_EQ(log.lbColor, COLORREF(clLime));
}

TEST(BrushTest, HatchStylesMakeHatchedBrushes)
{
    TBrush brush;
    brush.SetStyle(bsDiagCross);
    LOGBRUSH log;
    ASSERT_TRUE(GetObject(brush.Handle(), log));
    EXPECT_EQ(log.lbStyle, UINT(BS_HATCHED));
    EXPECT_EQ(log.lbHatch, std::uintptr_t(HS_DIAGCROSS));
}

TEST(BrushTest, PatternIsACopyWhoseChangesReachTheBrush)
{
    auto pattern = FilledBitmap(8, 8, clRed);
    TBrush brush;
    int changes = 0;
    brush.OnChange = [&](TObject*) { ++changes; };
    brush.SetBitmap(pattern.get());
    ASSERT_NE(brush.Bitmap(), nullptr);
    EXPECT_NE(brush.Bitmap(), pattern.get());
    LOGBRUSH log;
    ASSERT_TRUE(GetObject(brush.Handle(), log));
    EXPECT_EQ(log.lbStyle, UINT(BS_PATTERN));

    pattern.reset();
    const HBRUSH before = brush.Handle();
    brush.Bitmap()->SetSize(4, 4);
    EXPECT_NE(brush.Handle(), before);
    EXPECT_EQ(changes, 2);

    brush.SetBitmap(nullptr);
    EXPECT_EQ(brush.Bitmap(), nullptr);
    ASSERT_TRUE(GetObject(brush.Handle(), log));
    EXPECT_EQ(log.lbStyle, UINT(BS_SOLID));
}

TEST(BrushTest, AssignCopiesColourStyleAndPattern)
{
    auto pattern = FilledBitmap(2, 2, clBlue);
    TBrush source;
    source.SetColor(clYellow);
    source.SetStyle(bsCross);
    source.SetBitmap(pattern.get());
    TBrush copy;
    copy.Assign(source);
    EXPECT_EQ(copy.Color(), clYellow);
    EXPECT_EQ(copy.Style(), bsCross);
    ASSERT_NE(copy.Bitmap(), nullptr);
    EXPECT_NE(copy.Bitmap(), source.Bitmap());
    EXPECT_EQ(ColorAt(*copy.Bitmap(), 1, 1), clBlue);
}

}  // namespace
