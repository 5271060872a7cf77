#include "platform/core/Exception.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/win/Gdi.h"
#include "tests/ui/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A white bitmap to draw on through its canvas.
class CanvasTest : public testing::Test {
protected:
    void Use(int width, int height) { m_bitmap = FilledBitmap(width, height, clWhite); }
    TCanvas& Canvas() { return *m_bitmap->Canvas(); }
    [[nodiscard]] std::string Pixels() const { return Picture(*m_bitmap); }
    [[nodiscard]] const TBitmap& Bitmap() const { return *m_bitmap; }

private:
    std::unique_ptr<TBitmap> m_bitmap = FilledBitmap(6, 6, clWhite);
};

TEST_F(CanvasTest, RectangleWithAClearBrushLeavesTheInside)
{
    Canvas().Pen()->SetColor(clBlack);
    Canvas().Brush()->SetStyle(bsClear);
    Canvas().Rectangle(1, 1, 5, 5);
    EXPECT_EQ(Pixels(), R"(
......
.####.
.#..#.
.#..#.
.####.
......
)");
}

TEST_F(CanvasTest, RectangleIsFilledWithTheBrushAndOutlinedWithThePen)
{
    Canvas().Pen()->SetColor(clRed);
    Canvas().Brush()->SetColor(clBlue);
    Canvas().Rectangle(TRect{0, 0, 4, 4});
    EXPECT_EQ(Pixels(), R"(
rrrr..
rbbr..
rbbr..
rrrr..
......
......
)");
}

TEST_F(CanvasTest, ToolChangesBetweenCallsReachTheContext)
{
    Canvas().MoveTo(0, 0);
    Canvas().LineTo(4, 0);
    Canvas().Pen()->SetColor(clLime);
    Canvas().LineTo(4, 3);
    Canvas().Brush()->SetColor(clRed);
    Canvas().FillRect({0, 4, 2, 6});
    EXPECT_EQ(Pixels(), R"(
####g.
....g.
....g.
......
rr....
rr....
)");
    EXPECT_EQ(Canvas().PenPos(), (TPoint{4, 3}));
}

TEST_F(CanvasTest, FrameRectDrawsOnePixelInsideInTheBrushColour)
{
    Canvas().Pen()->SetColor(clBlue);
    Canvas().Brush()->SetColor(clRed);
    Canvas().FrameRect({1, 1, 5, 4});
    EXPECT_EQ(Pixels(), R"(
......
.rrrr.
.r..r.
.rrrr.
......
......
)");
}

TEST_F(CanvasTest, PolygonAndPolylineTakeInitializerLists)
{
    Canvas().Brush()->SetColor(clRed);
    Canvas().Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    Canvas().Polyline({{5, 0}, {5, 5}});
    EXPECT_EQ(Pixels(), R"(
######
#rrr##
#rrr##
#rrr##
######
......
)");
}

TEST_F(CanvasTest, DrawFocusRectTwiceRestoresThePixels)
{
    Canvas().DrawFocusRect({0, 0, 6, 6});
    EXPECT_NE(Pixels(), Picture(*FilledBitmap(6, 6, clWhite)));
    Canvas().DrawFocusRect({0, 0, 6, 6});
    EXPECT_EQ(Pixels(), Picture(*FilledBitmap(6, 6, clWhite)));
}

TEST_F(CanvasTest, PixelsReadAndWriteColours)
{
    Canvas().SetPixels(2, 3, clRed);
    Canvas().SetPixels(1, 1, clBtnFace);
    EXPECT_EQ(Canvas().Pixels(2, 3), clRed);
    EXPECT_EQ(Canvas().Pixels(1, 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(Canvas().Pixels(0, 0), clWhite);
    EXPECT_EQ(Canvas().Pixels(6, 0), CLR_INVALID);
    EXPECT_EQ(Canvas().ClipRect(), (TRect{0, 0, 6, 6}));
}

TEST_F(CanvasTest, CopyRectStretchesWithTheCopyMode)
{
    auto source = BitmapOf("rb\n");
    Use(4, 3);
    Canvas().CopyRect({0, 0, 4, 2}, source->Canvas(), {0, 0, 2, 1});
    EXPECT_EQ(Pixels(), R"(
rrbb
rrbb
....
)");
    Canvas().SetCopyMode(NOTSRCCOPY);
    Canvas().CopyRect({0, 2, 2, 3}, source->Canvas(), {0, 0, 2, 1});
    EXPECT_EQ(Canvas().Pixels(0, 2), clAqua);
    EXPECT_EQ(Canvas().Pixels(1, 2), clYellow);
}

TEST_F(CanvasTest, CopyRectWithinOneCanvasReadsThePixelsAsTheyWere)
{
    Canvas().Brush()->SetColor(clRed);
    Canvas().FillRect({0, 0, 2, 1});
    Canvas().CopyRect({1, 0, 3, 1}, &Canvas(), {0, 0, 2, 1});
    EXPECT_EQ(Pixels().substr(0, 8), "\nrrr...\n");
}

TEST_F(CanvasTest, HandleHasThePenModeAndTheBrushBackgroundSelected)
{
    Canvas().Pen()->SetMode(pmXor);
    Canvas().Brush()->SetColor(clYellow);
    HDC dc = Canvas().Handle();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), Canvas().Pen()->Handle());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), Canvas().Font()->Handle());
    EXPECT_EQ(GetROP2(dc), R2_XORPEN);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), COLORREF(clYellow));

    Canvas().Brush()->SetStyle(bsClear);
    Canvas().Font()->SetColor(clRed);
    dc = Canvas().Handle();
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetTextColor(dc), COLORREF(clRed));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(NULL_BRUSH));
}

TEST_F(CanvasTest, DrawingCallsFireOnChangingThenOnChange)
{
    std::string events;
    Canvas().OnChanging = [&](TObject*) { events += '<'; };
    Canvas().OnChange = [&](TObject*) { events += '>'; };
    Canvas().Rectangle(0, 0, 2, 2);
    Canvas().MoveTo(1, 1);
    Canvas().LineTo(3, 3);
    EXPECT_EQ(events, "<><>");
}

TEST(CanvasHandleTest, ACanvasWithoutAContextRefusesToDraw)
{
    TCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    EXPECT_THROW(canvas.Rectangle(0, 0, 1, 1), EInvalidOperation);
}

TEST(CanvasHandleTest, AWrappedContextGetsItsStockObjectsBackAndLivesOn)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmapFromPixels(PixelBuffer(4, 4, PixelFromColor(clWhite)));
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect({0, 0, 2, 2});
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), canvas.Brush()->Handle());
    }
    EXPECT_EQ(GetObjectType(dc), UINT(OBJ_MEMDC));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(ColorFromPixel(BitmapPixels(bitmap)->At(1, 1)), clRed);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(CanvasHandleTest, RefreshDeselectsTheTools)
{
    TBitmap bitmap(2, 2);
    TCanvas& canvas = *bitmap.Canvas();
    const HDC dc = canvas.Handle();
    canvas.Refresh();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(canvas.Handle(), dc);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen()->Handle());
}

}  // namespace
