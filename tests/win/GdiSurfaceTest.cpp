// Window and screen contexts over back buffers: where drawing lands, what
// it may not touch, and the damage it reports.
#include "platform/win/GdiSurface.h"

#include "GdiTestSupport.h"

#include <ostream>
#include <vector>

namespace {

struct Damage {
    HWND Owner;
    TRect Rect;
    bool operator==(const Damage&) const = default;
    friend void PrintTo(const Damage& d, std::ostream* os)
    {
        *os << d.Owner << " (" << d.Rect.Left << ", " << d.Rect.Top << ", " << d.Rect.Right << ", " << d.Rect.Bottom
            << ")";
    }
};

class RecordingSink : public SurfaceDamageSink {
public:
    RecordingSink() { SetSurfaceDamageSink(this); }
    ~RecordingSink() override { SetSurfaceDamageSink(nullptr); }
    void OnSurfaceDamage(HWND owner, const TRect& rect) override { Reports.push_back({owner, rect}); }

    std::vector<Damage> Reports;
};

HWND FakeWindow(std::uintptr_t id) { return reinterpret_cast<HWND>(id); }

class GdiSurface : public ::testing::Test {
protected:
    const HWND m_first = FakeWindow(0x100);
    const HWND m_second = FakeWindow(0x200);
    RecordingSink m_sink;
};

// A child window at (2, 1) of a top-level window's 8 x 5 buffer, 4 x 3 large,
// with its bottom-right pixel covered by a sibling.
TEST_F(GdiSurface, AWindowContextDrawsAtItsOriginWithinItsVisibleRegion)
{
    PixelBuffer buffer = WhiteBuffer(8, 5);
    const Region visible = Region(TRect{2, 1, 6, 4}).Subtracted(Region(TRect{5, 3, 6, 4}));
    const HDC dc = CreateSurfaceDC({SurfaceTarget{&buffer, {2, 1}, visible, m_first}}, m_second);
    EXPECT_EQ(SurfaceDCWindow(dc), m_second);
    EXPECT_EQ(GetObjectType(dc), OBJ_DC);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 4);

    FillRect(dc, {-5, -5, 50, 50}, ColorIndexBrush(COLOR_WINDOWTEXT));
    EXPECT_EQ(Picture(buffer), R"(
........
..####..
..####..
..###...
........
)");
    EXPECT_EQ(GetPixel(dc, 0, 0), COLORREF(clBlack));
    EXPECT_EQ(GetPixel(dc, 3, 2), COLORREF(CLR_INVALID));  // covered
    EXPECT_EQ(GetPixel(dc, 4, 0), COLORREF(CLR_INVALID));  // outside the window

    m_sink.Reports.clear();
    SetViewportOrgEx(dc, 1, 0, nullptr);
    SetPixel(dc, 0, 1, COLORREF(clRed));
    EXPECT_EQ(buffer.At(3, 2), PixelFromRGB(clRed));
    EXPECT_EQ(m_sink.Reports, (std::vector<Damage>{{m_first, {3, 2, 4, 3}}}));

    // Drawing that is clipped away reports nothing.
    m_sink.Reports.clear();
    IntersectClipRect(dc, 0, 0, 1, 1);
    FillRect(dc, {2, 2, 3, 3}, ColorIndexBrush(COLOR_WINDOW));
    EXPECT_TRUE(m_sink.Reports.empty());
    EXPECT_FALSE(DeleteDC(dc));
    DeleteSurfaceDC(dc);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(SurfaceDCWindow(dc), nullptr);
}

// The screen context: a 6 x 3 window at screen (0, 0) partly under a 4 x 3
// window at screen (3, 1).
TEST_F(GdiSurface, AScreenContextDrawsIntoEveryWindowUnderIt)
{
    PixelBuffer lower = WhiteBuffer(6, 3);
    PixelBuffer upper = WhiteBuffer(4, 3);
    const Region lowerVisible = Region(TRect{0, 0, 6, 3}).Subtracted(Region(TRect{3, 1, 6, 3}));
    const HDC screen = CreateSurfaceDC({SurfaceTarget{&lower, {0, 0}, lowerVisible, m_first},
                                        SurfaceTarget{&upper, {-3, -1}, Region(upper.Bounds()), m_second}},
                                       nullptr);
    EXPECT_EQ(SurfaceDCWindow(screen), nullptr);

    const ScopedObject red(SolidBrush(clRed));
    FillRect(screen, {2, 0, 5, 3}, red);
    EXPECT_EQ(Picture(lower), "\n..rrr.\n..r...\n..r...\n");
    EXPECT_EQ(Picture(upper), "\nrr..\nrr..\n....\n");
    EXPECT_EQ(m_sink.Reports, (std::vector<Damage>{{m_first, {2, 0, 5, 3}}, {m_second, {0, 0, 2, 2}}}));

    // Reads come from the window that shows the point.
    upper.At(0, 0) = PixelFromRGB(clBlue);
    EXPECT_EQ(GetPixel(screen, 3, 1), COLORREF(clBlue));
    EXPECT_EQ(GetPixel(screen, 2, 1), COLORREF(clRed));
    EXPECT_EQ(GetPixel(screen, 8, 8), COLORREF(CLR_INVALID));

    // A blit from the screen reads the window holding the source position.
    MemoryDC copy(2, 1);
    BitBlt(copy.Handle(), 0, 0, 2, 1, screen, 3, 1, SRCCOPY);
    EXPECT_EQ(copy.Picture(), "\nbr\n");
    DeleteSurfaceDC(screen);
}

TEST_F(GdiSurface, TextAcrossTwoWindowsMatchesTextInOneBitmap)
{
    const std::string text = "Wg 中文";
    MemoryDC whole(60, 20);
    TextOut(whole.Handle(), 1, 2, text);

    PixelBuffer left = WhiteBuffer(30, 20);
    PixelBuffer right = WhiteBuffer(30, 20);
    const HDC screen = CreateSurfaceDC({SurfaceTarget{&left, {0, 0}, Region(left.Bounds()), m_first},
                                        SurfaceTarget{&right, {-30, 0}, Region(right.Bounds()), m_second}},
                                       nullptr);
    TextOut(screen, 1, 2, text);
    DeleteSurfaceDC(screen);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const TPixel drawn = x < 30 ? left.At(x, y) : right.At(x - 30, y);
            ASSERT_EQ(drawn, whole.Pixels().At(x, y)) << x << ", " << y;
        }
    EXPECT_LT(CountPixels(whole.Pixels(), clWhite), 60 * 20);
}

}  // namespace
