#include "platform/gfx/Region.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/Panel.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"
#include "skin/core/SUIPublic.h"
#include "tests/skin/core/SkinCoreTestSupport.h"
#include "tests/ui/UiTestFixture.h"

#include <gtest/gtest.h>

namespace {

using skintest::BitmapOf;
using skintest::ColorAt;
using skintest::CoordinateFace;
using skintest::FacePointOf;
using skintest::FilledBitmap;

// A windowed control that paints nothing itself.
class TPlainControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

// Paints a 30 x 20 coordinate face at its top-left; the rest of its client
// area shows the background its erasing leaves (its Color).
class TFacePainter : public TCustomControl {
public:
    explicit TFacePainter(TComponent* owner) : TCustomControl(owner), m_face(CoordinateFace(kFaceWidth, kFaceHeight))
    {
    }
    static constexpr int kFaceWidth = 30;   // pixels
    static constexpr int kFaceHeight = 20;  // pixels

protected:
    void Paint() override { Canvas()->Draw(0, 0, m_face.get()); }

private:
    std::unique_ptr<TBitmap> m_face;
};

class SUIPublicWindowTest : public uitest::UiTest {
protected:
    SUIPublicWindowTest() : m_form(ShownForm()) {}

    template <class T>
    T* Child(TWinControl* parent, TRect bounds)
    {
        auto* control = new T(m_form);
        control->SetParent(parent);
        control->SetBoundsRect(bounds);
        return control;
    }

    TForm* m_form;
};

// --- DoTrans ------------------------------------------------------------------------

class DoTransTest : public SUIPublicWindowTest {
protected:
    DoTransTest()
    {
        m_parent = Child<TFacePainter>(m_form, {10, 10, 70, 50});
        m_parent->SetColor(clLime);
        Pump();
    }
    // What the parent shows at its client point p.
    static std::optional<TPoint> ParentShows(TPoint p)
    {
        if (p.X < TFacePainter::kFaceWidth && p.Y < TFacePainter::kFaceHeight) return p;
        return std::nullopt;  // its background
    }
    // Whether the bitmap pixel shows the parent's point p.
    static void ExpectShows(const TBitmap& bitmap, TPoint at, TPoint p)
    {
        const TColor color = ColorAt(bitmap, at.X, at.Y);
        if (const auto face = ParentShows(p)) EXPECT_EQ(FacePointOf(color), face) << at.X << "," << at.Y;
        else EXPECT_EQ(color, clLime) << at.X << "," << at.Y;
    }

    TFacePainter* m_parent = nullptr;
};

TEST_F(DoTransTest, TheParentsPaintingLinesUpWithTheControl)
{
    auto* child = Child<TPlainControl>(m_parent, {20, 12, 40, 27});
    Record(m_parent);
    auto bitmap = FilledBitmap(20, 15, clBlue);
    DoTrans(bitmap->Canvas(), child);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x) ExpectShows(*bitmap, {x, y}, {x + 20, y + 12});
    }
    // Erased first, then painted, both into the canvas's context.
    std::vector<std::pair<UINT, WPARAM>> painting;
    for (const uitest::Seen& seen : log) {
        if (seen.message == WM_ERASEBKGND || seen.message == WM_PAINT) painting.emplace_back(seen.message, seen.wParam);
    }
    const auto dc = reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle());
    EXPECT_EQ(painting, (std::vector<std::pair<UINT, WPARAM>>{{UINT(WM_ERASEBKGND), dc}, {UINT(WM_PAINT), dc}}));
}

TEST_F(DoTransTest, NothingBeyondTheParentsClientAreaIsTouched)
{
    auto* child = Child<TPlainControl>(m_parent, {50, 30, 70, 45});
    auto bitmap = FilledBitmap(20, 15, clBlue);
    DoTrans(bitmap->Canvas(), child);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (x < 10 && y < 10) ExpectShows(*bitmap, {x, y}, {x + 50, y + 30});
            else EXPECT_EQ(ColorAt(*bitmap, x, y), clBlue) << x << "," << y;
        }
    }
}

TEST_F(DoTransTest, TheCanvasViewportOriginIsKeptAndRestored)
{
    auto* child = Child<TPlainControl>(m_parent, {20, 12, 40, 27});
    auto bitmap = FilledBitmap(30, 25, clBlue);
    const HDC dc = bitmap->Canvas()->Handle();
    SetViewportOrgEx(dc, 5, 5);
    DoTrans(bitmap->Canvas(), child);
    ExpectShows(*bitmap, {5, 5}, {20, 12});
    ExpectShows(*bitmap, {0, 0}, {15, 7});
    ExpectShows(*bitmap, {29, 24}, {44, 31});
    POINT origin;
    GetViewportOrgEx(dc, origin);
    EXPECT_EQ(origin, (POINT{5, 5}));
    RECT clip;
    GetClipBox(dc, clip);
    EXPECT_EQ(clip, (RECT{-5, -5, 25, 20})) << "the clip is back to the whole bitmap";
}

TEST_F(DoTransTest, AControlWithoutParentPaintsNothing)
{
    TPlainControl orphan(nullptr);
    auto bitmap = FilledBitmap(4, 4, clBlue);
    DoTrans(bitmap->Canvas(), &orphan);
    EXPECT_EQ(skintest::PictureOf(*bitmap), "\nbbbb\nbbbb\nbbbb\nbbbb\n");
}

// --- SetBitmapWindow ------------------------------------------------------------------

// '#' where the window's region holds the pixel, '.' elsewhere.
std::string RegionPicture(HWND window, const TRect& area)
{
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(window, region) != RGN_ERROR;
    std::string text = "\n";
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) text += shaped && PtInRegion(region, x, y) ? '#' : '.';
        text += '\n';
    }
    DeleteObject(region);
    return text;
}

TEST_F(SUIPublicWindowTest, BitmapWindowRegionHoldsTheOpaqueRuns)
{
    auto bitmap = BitmapOf("\n"
                           "frrfr\n"
                           "rffff\n"
                           "fffff\n"
                           "gbr#g\n");
    SetBitmapWindow(m_form->Handle(), bitmap.get(), clFuchsia);
    // The area reaches one pixel past the bitmap on every side.
    EXPECT_EQ(RegionPicture(m_form->Handle(), {-1, -1, 6, 5}), "\n"
                                                               ".......\n"
                                                               "..##.#.\n"
                                                               ".#.....\n"
                                                               ".......\n"
                                                               ".#####.\n"
                                                               ".......\n");
}

TEST_F(SUIPublicWindowTest, AllTransparentBitmapLeavesAnEmptyRegion)
{
    auto bitmap = FilledBitmap(4, 3, clFuchsia);
    SetBitmapWindow(m_form->Handle(), bitmap.get(), clFuchsia);
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(m_form->Handle(), region), NULLREGION);
    DeleteObject(region);
}

// --- DrawControlBorder ----------------------------------------------------------------

TEST_F(SUIPublicWindowTest, ControlBorderIsTwoOnePixelFrames)
{
    auto* control = Child<TPlainControl>(m_form, {10, 10, 40, 30});
    control->SetColor(clWhite);
    Pump();
    DrawControlBorder(control, clBtnShadow, clRed);
    const HDC dc = GetWindowDC(control->Handle());
    const auto at = [dc](int x, int y) { return TColor(GetPixel(dc, x, y)); };
    const TColor shadow = ColorToRGB(clBtnShadow);
    for (const TPoint p : {TPoint{0, 0}, TPoint{29, 0}, TPoint{0, 19}, TPoint{29, 19}, TPoint{15, 0}, TPoint{0, 10}}) {
        EXPECT_EQ(at(p.X, p.Y), shadow) << p.X << "," << p.Y;
    }
    for (const TPoint p : {TPoint{1, 1}, TPoint{28, 18}, TPoint{15, 1}, TPoint{1, 10}, TPoint{28, 10}, TPoint{15, 18}}) {
        EXPECT_EQ(at(p.X, p.Y), clRed) << p.X << "," << p.Y;
    }
    EXPECT_EQ(at(2, 2), clWhite);
    EXPECT_EQ(at(27, 17), clWhite);
    ReleaseDC(control->Handle(), dc);
}

TEST_F(SUIPublicWindowTest, ControlBorderMakesTheWindowWhenThereIsNone)
{
    auto* control = Child<TPlainControl>(m_form, {10, 10, 40, 30});
    control->DestroyHandle();
    ASSERT_FALSE(control->HandleAllocated());
    DrawControlBorder(control, clRed, clRed);
    EXPECT_TRUE(control->HandleAllocated());
}

// --- SetWinControlTransparent ----------------------------------------------------------

TEST_F(SUIPublicWindowTest, TransparentControlLosesOpaqueAndGainsTheExtendedStyle)
{
    auto* panel = Child<TPanel>(m_form, {10, 10, 40, 30});
    ASSERT_TRUE(panel->ControlStyle().Contains(csOpaque));
    SetWindowLongPtr(panel->Handle(), GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWinControlTransparent(panel);
    EXPECT_FALSE(panel->ControlStyle().Contains(csOpaque));
    EXPECT_TRUE(panel->ControlStyle().Contains(csAcceptsControls)) << "other style flags stay";
    EXPECT_EQ(GetWindowLongPtr(panel->Handle(), GWL_EXSTYLE), LONG_PTR(WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT));
}

}  // namespace
