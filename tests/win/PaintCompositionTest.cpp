// Device contexts over windows and what reaches the desktop: clipping to
// what is visible (parents, children, siblings, shapes), the screen context,
// the default erase and frame, and presenting only the damaged part.

#include "WindowTestHarness.h"

#include "platform/win/Gdi.h"

namespace wintest {
namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr TPixel kRedPixel = 0xFFFF0000u;

class PaintCompositionTest : public WindowTest {
protected:
    // Fills rect of the context with red and releases it.
    static void FillRed(HWND hwnd, HDC dc, const RECT& rect)
    {
        const HBRUSH red = CreateSolidBrush(kRed);
        FillRect(dc, rect, red);
        DeleteObject(red);
        ReleaseDC(hwnd, dc);
    }
    // The pixel of a top-level window's back buffer as the desktop shows it.
    TPixel Shown(HWND top, int x, int y)
    {
        Pump();
        return Desktop().CaptureWindow(top).GetPixel(x, y);
    }
};

TEST_F(PaintCompositionTest, TheClassBackgroundReachesTheDesktop)
{
    const HWND top = TopLevel({0, 0, 100, 80});
    Pump();
    const win::HeadlessWindow* native = Desktop().NativeWindow(top);
    ASSERT_NE(native, nullptr);
    EXPECT_GT(native->presentCount, 0);
    EXPECT_EQ(native->pixels.GetPixel(50, 40), PixelFromColor(GetSysColor(COLOR_WINDOW)));
}

TEST_F(PaintCompositionTest, ParentsDrawAroundChildrenOnlyWithClipChildren)
{
    const HWND clipping = TopLevel({0, 0, 100, 100}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    Child(clipping, {10, 10, 60, 60});
    const HWND plain = TopLevel({200, 0, 300, 100});
    Child(plain, {10, 10, 60, 60});
    Pump();
    FillRed(clipping, GetDC(clipping), {0, 0, 100, 100});
    FillRed(plain, GetDC(plain), {0, 0, 100, 100});
    EXPECT_EQ(Shown(clipping, 5, 5), kRedPixel);
    EXPECT_NE(Shown(clipping, 20, 20), kRedPixel);
    EXPECT_EQ(Shown(plain, 20, 20), kRedPixel);
}

TEST_F(PaintCompositionTest, ClipSiblingsLeavesOutTheSiblingsAbove)
{
    const HWND top = TopLevel({0, 0, 200, 200});
    const HWND lower = Child(top, {0, 0, 100, 100}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    Child(top, {50, 50, 150, 150});
    Pump();
    FillRed(lower, GetDC(lower), {0, 0, 100, 100});
    EXPECT_EQ(Shown(top, 40, 40), kRedPixel);
    EXPECT_NE(Shown(top, 70, 70), kRedPixel);
}

TEST_F(PaintCompositionTest, ChildContextsStartAtTheClientAreaAndStayInTheParent)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    const HWND child = Child(top, {80, 80, 140, 140}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    Pump();
    FillRed(child, GetDC(child), {0, 0, 60, 60});
    EXPECT_NE(Shown(top, 80, 80), kRedPixel) << "the border is not the client area";
    EXPECT_EQ(Shown(top, 81, 81), kRedPixel);
    EXPECT_EQ(Shown(top, 99, 99), kRedPixel);
    EXPECT_EQ(Desktop().CaptureWindow(top).Width(), 100) << "nothing beyond the parent";
}

TEST_F(PaintCompositionTest, WindowRegionsClipDrawing)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    const HWND child = Child(top, {0, 0, 50, 50});
    SetWindowRgn(child, CreateRectRgn(0, 0, 25, 50), true);
    Pump();
    FillRed(child, GetDC(child), {0, 0, 50, 50});
    EXPECT_EQ(Shown(top, 10, 10), kRedPixel);
    EXPECT_NE(Shown(top, 30, 10), kRedPixel);
    const HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(child, copy), SIMPLEREGION);
    RECT box;
    GetRgnBox(copy, box);
    EXPECT_EQ(box, Rect(0, 0, 25, 50));
    DeleteObject(copy);
}

TEST_F(PaintCompositionTest, TopLevelShapesGoToTheDesktop)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    SetWindowRgn(top, CreateRoundRectRgn(0, 0, 101, 101, 20, 20), false);
    const win::HeadlessWindow* native = Desktop().NativeWindow(top);
    ASSERT_TRUE(native->shape.has_value());
    EXPECT_FALSE(native->shape->Contains({0, 0}));
    EXPECT_TRUE(native->shape->Contains({50, 50}));
    SetWindowRgn(top, nullptr, false);
    EXPECT_FALSE(native->shape.has_value());
}

TEST_F(PaintCompositionTest, WindowContextsTakeInTheFrame)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    const HWND child = Child(top, {10, 10, 60, 60}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    Pump();
    EXPECT_EQ(Shown(top, 10, 10), PixelFromColor(GetSysColor(COLOR_WINDOWFRAME))) << "WM_NCPAINT drew the border";
    FillRed(child, GetWindowDC(child), {0, 0, 1, 1});
    EXPECT_EQ(Shown(top, 10, 10), kRedPixel);
}

TEST_F(PaintCompositionTest, TheScreenContextDrawsIntoEveryWindowUnderIt)
{
    const HWND lower = TopLevel({0, 0, 100, 100});
    const HWND upper = TopLevel({50, 0, 150, 100});
    Pump();
    FillRed(nullptr, GetDC(nullptr), {40, 10, 60, 20});
    EXPECT_EQ(Shown(lower, 45, 15), kRedPixel);
    EXPECT_NE(Shown(lower, 55, 15), kRedPixel) << "covered by the upper window";
    EXPECT_EQ(Shown(upper, 5, 15), kRedPixel);
}

TEST_F(PaintCompositionTest, OnlyTheDamagedPartIsPresentedWhenIdle)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    Pump();
    const win::HeadlessWindow* native = Desktop().NativeWindow(top);
    const int presents = native->presentCount;
    const HDC dc = GetDC(top);
    const HBRUSH red = CreateSolidBrush(kRed);
    const RECT spot{10, 20, 30, 25};
    FillRect(dc, spot, red);
    DeleteObject(red);
    ReleaseDC(top, dc);
    EXPECT_EQ(native->presentCount, presents) << "nothing is presented while messages are handled";
    Pump();
    EXPECT_EQ(native->presentCount, presents + 1);
    EXPECT_EQ(native->lastPresented, Region(spot));
    EXPECT_EQ(native->pixels.GetPixel(10, 20), kRedPixel);
}

TEST_F(PaintCompositionTest, ExposureShowsEverythingAgain)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    Pump();
    Desktop().InjectExposed(top);
    Pump();
    EXPECT_EQ(Desktop().NativeWindow(top)->lastPresented, Region(Rect(0, 0, 100, 100)));
}

TEST_F(PaintCompositionTest, ContextsKnowTheirWindow)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    const HDC dc = GetDC(top);
    EXPECT_EQ(WindowFromDC(dc), top);
    EXPECT_EQ(ReleaseDC(top, dc), 1);
    EXPECT_EQ(ReleaseDC(top, dc), 0) << "a context goes back once";
}

TEST_F(PaintCompositionTest, GetDCExLimitsDrawingToAScreenRegion)
{
    const HWND top = TopLevel({100, 100, 200, 200});
    Pump();
    const HRGN limit = CreateRectRgn(100, 100, 120, 120);  // screen coordinates, as WM_NCPAINT hands them over
    FillRed(top, GetDCEx(top, limit, DCX_WINDOW | DCX_INTERSECTRGN), {0, 0, 100, 100});
    EXPECT_EQ(Shown(top, 10, 10), kRedPixel);
    EXPECT_NE(Shown(top, 30, 30), kRedPixel);
    FillRed(top, GetDCEx(top, limit, DCX_WINDOW | DCX_EXCLUDERGN), {0, 0, 100, 100});
    EXPECT_EQ(Shown(top, 30, 30), kRedPixel);
    DeleteObject(limit);
}

}  // namespace
}  // namespace wintest
