// Drawing-object handles: stock objects, creation, GetObject, deletion and
// selection into contexts.
#include "GdiTestSupport.h"

namespace {

struct StockBrush {
    int Index;
    UINT Style;
    TColor Color;
};

class GdiStockBrushTest : public ::testing::TestWithParam<StockBrush> {};

TEST_P(GdiStockBrushTest, HasItsClassicColour)
{
    const StockBrush& b = GetParam();
    LOGBRUSH log;
    ASSERT_TRUE(GetObject(GetStockObject(b.Index), log));
    EXPECT_EQ(log.lbStyle, b.Style);
    if (b.Style == BS_SOLID) {
        EXPECT_EQ(log.lbColor, COLORREF(b.Color));
    }
}

INSTANTIATE_TEST_SUITE_P(All, GdiStockBrushTest,
                         ::testing::Values(StockBrush{WHITE_BRUSH, BS_SOLID, clWhite},
                                           StockBrush{LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192)},
                                           StockBrush{GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128)},
                                           StockBrush{DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64)},
                                           StockBrush{BLACK_BRUSH, BS_SOLID, clBlack},
                                           StockBrush{NULL_BRUSH, BS_NULL, clBlack}));

TEST(GdiObjects, StockObjectsAreFixedTypedAndNeverDeleted)
{
    EXPECT_EQ(GetStockObject(BLACK_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetObjectType(GetStockObject(NULL_PEN)), OBJ_PEN);
    EXPECT_EQ(GetObjectType(GetStockObject(DC_BRUSH)), OBJ_BRUSH);
    EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), OBJ_FONT);
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);

    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_PEN)));
    EXPECT_EQ(GetObjectType(GetStockObject(WHITE_PEN)), OBJ_PEN);
    EXPECT_TRUE(DeleteObject(GetSysColorBrush(COLOR_BTNFACE)));
    LOGBRUSH face;
    ASSERT_TRUE(GetObject(GetSysColorBrush(COLOR_BTNFACE), face));
    EXPECT_EQ(face.lbColor, COLORREF(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(GetSysColorBrush(COLOR_COUNT), nullptr);
}

TEST(GdiObjects, DeletedHandlesStayInvalidAndAreNeverReused)
{
    const HPEN pen = CreatePen(PS_DASH, 1, COLORREF(clRed));
    ASSERT_EQ(GetObjectType(pen), OBJ_PEN);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_FALSE(DeleteObject(pen));
    LOGPEN log;
    EXPECT_FALSE(GetObject(pen, log));
    const ScopedObject next(CreatePen(PS_DASH, 1, COLORREF(clRed)));
    EXPECT_NE(HGDIOBJ(next), pen);
    // Handles lie above every (COLOR_* + 1) stand-in for a brush.
    EXPECT_GT(reinterpret_cast<std::uintptr_t>(HGDIOBJ(next)), std::uintptr_t(COLOR_COUNT));
}

TEST(GdiObjects, GetObjectGivesBackWhatWasAskedFor)
{
    const ScopedObject pen(CreatePen(PS_DOT, 3, COLORREF(clBlue)));
    LOGPEN logPen;
    ASSERT_TRUE(GetObject(pen, logPen));
    EXPECT_EQ(logPen.lopnStyle, UINT(PS_DOT));
    EXPECT_EQ(logPen.lopnWidth.X, 3);
    EXPECT_EQ(logPen.lopnColor, COLORREF(clBlue));

    const ScopedObject hatch(CreateHatchBrush(HS_CROSS, COLORREF(clLime)));
    LOGBRUSH logBrush;
    ASSERT_TRUE(GetObject(hatch, logBrush));
    EXPECT_EQ(logBrush.lbStyle, BS_HATCHED);
    EXPECT_EQ(logBrush.lbHatch, std::uintptr_t(HS_CROSS));

    LOGFONT asked;
    asked.lfFaceName = "Tahoma";
    asked.lfHeight = -11;
    asked.lfWeight = FW_BOLD;
    const ScopedObject font(CreateFontIndirect(asked));
    LOGFONT logFont;
    ASSERT_TRUE(GetObject(font, logFont));
    EXPECT_EQ(logFont.lfFaceName, "Tahoma");
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    // A handle of another kind fills nothing in.
    EXPECT_FALSE(GetObject(font, logPen));
}

TEST(GdiObjects, InvalidRequestsGiveNoObject)
{
    EXPECT_EQ(CreatePen(PS_INSIDEFRAME + 1, 1, 0), nullptr);
    EXPECT_EQ(CreateHatchBrush(HS_DIAGCROSS + 1, 0), nullptr);
    EXPECT_EQ(CreatePatternBrush(nullptr), nullptr);
    const ScopedObject empty(CreateBitmap(0, 5, 1, 32, nullptr));
    EXPECT_EQ(CreatePatternBrush(empty), nullptr);
    EXPECT_EQ(CreateBitmap(-1, 5, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, PixelBuffer::kMaxSide + 1, 1), nullptr);
}

TEST(GdiObjects, BitmapsHold32BitPixelsWhateverTheirSourceDepth)
{
    const ScopedObject empty(CreateBitmap(0, 0, 1, 1, nullptr));
    BITMAP info;
    ASSERT_TRUE(GetObject(empty, info));
    EXPECT_EQ(info.bmWidth, 0);

    // 1-bit rows are padded to 16 bits; a set bit is white.
    const std::uint8_t mono[] = {0b10100000, 0, 0b01000000, 0};
    const ScopedObject fromMono(CreateBitmap(3, 2, 1, 1, mono));
    EXPECT_EQ(Picture(*BitmapPixels(fromMono)), "\n.#.\n#.#\n");
    ASSERT_TRUE(GetObject(fromMono, info));
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidthBytes, 12);

    const std::uint32_t words[] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    const ScopedObject fromWords(CreateBitmap(3, 1, 1, 32, words));
    EXPECT_EQ(Picture(*BitmapPixels(fromWords)), "\nrgb\n");
}

TEST(GdiObjects, SelectObjectReturnsThePreviousObjectOfTheSameKind)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    BITMAP first;
    ASSERT_TRUE(GetObject(GetCurrentObject(dc, OBJ_BITMAP), first));
    EXPECT_EQ(first.bmWidth, 1);
    EXPECT_EQ(first.bmHeight, 1);

    const ScopedObject pen(CreatePen(PS_SOLID, 2, 0));
    const ScopedObject bitmap(CreateCompatibleBitmap(dc, 4, 4));
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), HGDIOBJ(pen));
    const HGDIOBJ defaultBitmap = SelectObject(dc, bitmap);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), HGDIOBJ(bitmap));
    EXPECT_EQ(SelectObject(dc, defaultBitmap), HGDIOBJ(bitmap));

    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(nullptr, pen), nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_REGION), nullptr);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(GdiObjects, SelectingARegionSetsACopyAsTheClip)
{
    MemoryDC m(4, 1);
    const HRGN region = CreateRectRgn(1, 0, 3, 1);
    EXPECT_EQ(SelectObject(m.Handle(), region), reinterpret_cast<HGDIOBJ>(std::intptr_t(SIMPLEREGION)));
    SetRectRgn(region, 0, 0, 4, 1);
    DeleteObject(region);
    FillRect(m.Handle(), {0, 0, 4, 1}, ColorIndexBrush(COLOR_WINDOWTEXT));
    EXPECT_EQ(m.Picture(), "\n.##.\n");
}

TEST(GdiObjects, ASelectedObjectDeletedKeepsDrawingUntilItIsDeselected)
{
    MemoryDC m(3, 1);
    const HBRUSH red = SolidBrush(clRed);
    const HGDIOBJ white = SelectObject(m.Handle(), red);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetObjectType(red), 0u);
    EXPECT_EQ(GetCurrentObject(m.Handle(), OBJ_BRUSH), red);
    PatBlt(m.Handle(), 0, 0, 2, 1, PATCOPY);
    EXPECT_EQ(m.Picture(), "\nrr.\n");

    // Once deselected the deleted handle cannot come back.
    EXPECT_EQ(SelectObject(m.Handle(), white), red);
    EXPECT_EQ(SelectObject(m.Handle(), red), nullptr);
    EXPECT_EQ(GetCurrentObject(m.Handle(), OBJ_BRUSH), white);

    // A deleted bitmap stays the target of the context that holds it.
    const HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 2, 1);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    DeleteObject(bitmap);
    EXPECT_EQ(BitmapPixels(bitmap), nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 2);
    EXPECT_EQ(SetPixel(dc, 1, 0, COLORREF(clRed)), COLORREF(clRed));
    EXPECT_EQ(GetPixel(dc, 1, 0), COLORREF(clRed));
    SelectObject(dc, previous);
    DeleteDC(dc);
}

}  // namespace
