#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "tests/ui/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace {

int CountIn(const TBitmap& bitmap, const TRect& area, TColor color)
{
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) n += ColorAt(bitmap, x, y) == color;
    return n;
}

int ChangedOutside(const TBitmap& bitmap, const TRect& area, TColor background)
{
    int n = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) n += !area.Contains(TPoint{x, y}) && ColorAt(bitmap, x, y) != background;
    return n;
}

class CanvasTextTest : public testing::Test {
protected:
    CanvasTextTest() { m_canvas.Font()->SetColor(clBlack); }

    std::unique_ptr<TBitmap> m_bitmap = FilledBitmap(80, 30, clBlue);
    TCanvas& m_canvas = *m_bitmap->Canvas();
};

TEST_F(CanvasTextTest, ExtentGrowsWithTheTextAndTheFont)
{
    const TSize one = m_canvas.TextExtent("W");
    const TSize two = m_canvas.TextExtent("WW");
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(two.cx, 2 * one.cx);
    EXPECT_EQ(two.cy, one.cy);
    EXPECT_EQ(m_canvas.TextWidth(""), 0);
    m_canvas.Font()->SetSize(20);
    EXPECT_GT(m_canvas.TextHeight("W"), one.cy);
}

TEST_F(CanvasTextTest, SolidBrushFillsTheTextCellsAndTextOutMovesThePen)
{
    m_canvas.Brush()->SetColor(clYellow);
    m_canvas.TextOut(5, 4, "Hi");
    const TSize size = m_canvas.TextExtent("Hi");
    const TRect cell = Bounds(5, 4, size.cx, size.cy);
    EXPECT_EQ(CountIn(*m_bitmap, cell, clBlue), 0);
    EXPECT_GT(CountIn(*m_bitmap, cell, clYellow), 0);
    EXPECT_GT(CountIn(*m_bitmap, cell, clBlack), 0);
    EXPECT_EQ(ChangedOutside(*m_bitmap, cell, clBlue), 0);
    EXPECT_EQ(m_canvas.PenPos(), (TPoint{5 + size.cx, 4}));
}

TEST_F(CanvasTextTest, ClearBrushLeavesTheBackgroundBetweenGlyphs)
{
    m_canvas.Brush()->SetStyle(bsClear);
    m_canvas.Font()->SetColor(clRed);
    m_canvas.TextOut(2, 2, "Hi");
    const TSize size = m_canvas.TextExtent("Hi");
    const TRect cell = Bounds(2, 2, size.cx, size.cy);
    EXPECT_GT(CountIn(*m_bitmap, cell, clBlue), size.cx * size.cy / 2);
    EXPECT_GT(CountIn(*m_bitmap, cell, clRed), 0);
}

TEST_F(CanvasTextTest, TextRectKeepsTheTextInsideItsRectangle)
{
    m_canvas.Brush()->SetColor(clWhite);
    const TRect clip{0, 0, 6, 20};
    m_canvas.TextRect(clip, 0, 0, "WWWW");
    EXPECT_EQ(ChangedOutside(*m_bitmap, clip, clBlue), 0);
    EXPECT_EQ(CountIn(*m_bitmap, clip, clBlue), 0) << "a solid brush fills the whole rectangle";
}

TEST_F(CanvasTextTest, FontChangesAreSelectedBeforeTheNextText)
{
    m_canvas.Brush()->SetStyle(bsClear);
    m_canvas.TextOut(0, 0, "l");
    const int normal = CountIn(*m_bitmap, m_bitmap->Pixels().Bounds(), clBlack);
    m_bitmap->Pixels().Fill(m_bitmap->Pixels().Bounds(), PixelFromColor(clBlue));
    m_canvas.Font()->SetHeight(-24);
    m_canvas.TextOut(0, 0, "l");
    EXPECT_GT(CountIn(*m_bitmap, m_bitmap->Pixels().Bounds(), clBlack), normal);
}

}  // namespace
