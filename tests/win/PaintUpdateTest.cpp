// Update regions and the paint messages: what invalidation marks, which
// windows get WM_PAINT and in what order, and what BeginPaint sends.

#include "WindowTestHarness.h"

#include "platform/win/Gdi.h"

namespace wintest {
namespace {

class PaintUpdateTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_top = TopLevel({0, 0, 200, 200});
        Pump();
        log.clear();
    }
    HWND m_top = nullptr;
};

TEST_F(PaintUpdateTest, InvalidatingAParentRepaintsTheChildrenUnderTheArea)
{
    const HWND under = Child(m_top, {10, 10, 60, 60});
    const HWND elsewhere = Child(m_top, {100, 100, 150, 150});
    Pump();
    log.clear();
    const RECT area{0, 0, 50, 50};
    InvalidateRect(m_top, &area, true);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(under, &update, false));
    EXPECT_EQ(update, Rect(0, 0, 40, 40)) << "in the child's client coordinates";
    EXPECT_FALSE(GetUpdateRect(elsewhere, &update, false));
    Pump();
    EXPECT_TRUE(FollowsTable(log, {{m_top, WM_PAINT}, {m_top, WM_ERASEBKGND}, {under, WM_PAINT}, {under, WM_ERASEBKGND}}))
        << "the parent paints first, the child it painted over after";
    EXPECT_TRUE(Received(elsewhere, WM_PAINT).empty());
}

TEST_F(PaintUpdateTest, ClipChildrenKeepsInvalidationToTheParent)
{
    SetWindowLongPtr(m_top, GWL_STYLE, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    const HWND child = Child(m_top, {10, 10, 60, 60});
    Pump();
    InvalidateRect(m_top, nullptr, false);
    EXPECT_FALSE(GetUpdateRect(child, nullptr, false));
    RedrawWindow(m_top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    EXPECT_TRUE(GetUpdateRect(child, nullptr, false));
}

TEST_F(PaintUpdateTest, BeginPaintSendsTheFrameThenTheEraseAndValidates)
{
    const HWND child = Child(m_top, {10, 10, 60, 60}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    Pump();
    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    log.clear();
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(child, ps);
    EXPECT_NE(dc, nullptr);
    EXPECT_TRUE(FollowsTable(log, {{child, WM_NCPAINT}, {child, WM_ERASEBKGND}}));
    EXPECT_EQ(Received(child, WM_ERASEBKGND)[0].wParam, reinterpret_cast<WPARAM>(dc));
    EXPECT_EQ(ps.rcPaint, Rect(0, 0, 48, 48));
    EXPECT_FALSE(ps.fErase) << "the class brush erased it";
    EXPECT_FALSE(GetUpdateRect(child, nullptr, false));
    EndPaint(child, ps);
}

TEST_F(PaintUpdateTest, UpdateWindowPaintsAtOnceWithoutTheQueue)
{
    const RECT area{5, 5, 15, 15};
    InvalidateRect(m_top, &area, false);
    UpdateWindow(m_top);
    ASSERT_EQ(Received(m_top, WM_PAINT).size(), 1u);
    log.clear();
    Pump();
    EXPECT_TRUE(Received(m_top, WM_PAINT).empty());
}

TEST_F(PaintUpdateTest, ValidationShrinksTheUpdateRegion)
{
    InvalidateRect(m_top, nullptr, true);
    const RECT left{0, 0, 100, 200};
    ValidateRect(m_top, &left);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(m_top, &update, false));
    EXPECT_EQ(update, Rect(100, 0, 200, 200));
    const HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(m_top, copy, false), SIMPLEREGION);
    RECT box;
    GetRgnBox(copy, box);
    EXPECT_EQ(box, update);
    ValidateRgn(m_top, nullptr);
    EXPECT_FALSE(GetUpdateRect(m_top, nullptr, false));
    DeleteObject(copy);
}

TEST_F(PaintUpdateTest, PaintingIntoAGivenContextLeavesTheUpdateRegionAlone)
{
    InvalidateRect(m_top, nullptr, false);
    const HDC memory = CreateCompatibleDC(nullptr);
    SendMessage(m_top, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_TRUE(GetUpdateRect(m_top, nullptr, false)) << "DefWindowProc must not validate for a borrowed context";
    DeleteDC(memory);
}

TEST_F(PaintUpdateTest, HiddenWindowsCollectNothingAndShowingRepaintsThem)
{
    const HWND hidden = Child(m_top, {0, 0, 50, 50}, WS_CHILD);
    InvalidateRect(hidden, nullptr, true);
    EXPECT_FALSE(GetUpdateRect(hidden, nullptr, false));
    ShowWindow(hidden, SW_SHOW);
    EXPECT_TRUE(GetUpdateRect(hidden, nullptr, false));
    Pump();
    log.clear();
    ShowWindow(hidden, SW_HIDE);
    RECT parentUpdate;
    ASSERT_TRUE(GetUpdateRect(m_top, &parentUpdate, false));
    EXPECT_EQ(parentUpdate, Rect(0, 0, 50, 50)) << "the parent repaints what the child uncovered";
}

TEST_F(PaintUpdateTest, FrameOnlyInvalidationGetsJustWmNcPaint)
{
    const HWND child = Child(m_top, {10, 10, 60, 60}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    Pump();
    log.clear();
    const RECT nothingInside{0, 0, 0, 0};
    RedrawWindow(child, &nothingInside, nullptr, RDW_FRAME | RDW_INVALIDATE);
    Pump();
    EXPECT_EQ(Received(child, WM_NCPAINT).size(), 1u);
    EXPECT_TRUE(Received(child, WM_PAINT).empty());
}

TEST_F(PaintUpdateTest, ScrollWindowMovesTheChildrenAndRepaints)
{
    const HWND child = Child(m_top, {10, 10, 60, 60});
    Pump();
    log.clear();
    ScrollWindow(m_top, 0, -5, nullptr, nullptr);
    RECT r;
    GetWindowRect(child, r);
    EXPECT_EQ(r, Rect(10, 5, 60, 55));
    EXPECT_EQ(LParamToPoint(Received(child, WM_MOVE).back().lParam), Point(10, 5));
    EXPECT_TRUE(GetUpdateRect(m_top, nullptr, false));
}

TEST_F(PaintUpdateTest, RedrawWindowCanPaintAtOnce)
{
    const HWND child = Child(m_top, {10, 10, 60, 60});
    Pump();
    log.clear();
    RedrawWindow(m_top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(FollowsTable(log, {{m_top, WM_PAINT}, {m_top, WM_ERASEBKGND}, {child, WM_PAINT}, {child, WM_ERASEBKGND}}));
    log.clear();
    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(Received(child, WM_ERASEBKGND).size(), 1u);
    EXPECT_TRUE(Received(child, WM_PAINT).empty()) << "erasing now leaves the paint for later";
    EXPECT_TRUE(GetUpdateRect(child, nullptr, false));
}

}  // namespace
}  // namespace wintest
