// The standard scroll bars: the one layout function, SetScrollInfo clamping,
// GetScrollBarInfo, showing and disabling, and painting from the layout.

#include "WindowTestHarness.h"

#include "platform/win/NonClientScrollBarLayout.h"

namespace wintest {
namespace {

SCROLLINFO Info(int min, int max, UINT page, int pos)
{
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMin = min;
    info.nMax = max;
    info.nPage = page;
    info.nPos = pos;
    return info;
}

struct LayoutCase {
    const char* name;
    SCROLLINFO info;
    TRect bar;
    win::ScrollBarKind kind;
    TRect thumb;  // empty: no thumb
    int arrow;
};

class ScrollBarLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ScrollBarLayoutTest, ThumbAndArrows)
{
    const LayoutCase& c = GetParam();
    const win::ScrollBarLayout l = win::LayoutScrollBar(c.info, c.bar, c.kind, true);
    EXPECT_EQ(l.thumb, c.thumb);
    EXPECT_EQ(l.arrowSize, c.arrow);
    if (!l.thumb.IsEmpty()) {
        EXPECT_EQ(win::HitScrollBar(l, l.thumb.TopLeft()), win::ScrollBarPart::Thumb);
        EXPECT_EQ(win::PositionForThumbAt(l, c.info, win::ThumbStart(l)), c.info.nPos) << "the thumb's place gives its position back";
    }
}

constexpr TRect kVertical{0, 0, 16, 200};
constexpr TRect kHorizontal{0, 0, 200, 16};
using win::ScrollBarKind;

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarLayoutTest,
    ::testing::Values(
        // Range 0..99, page 10: track 168, thumb max(8, 168 * 10 / 100) = 16.
        LayoutCase{"top", Info(0, 99, 10, 0), kVertical, ScrollBarKind::Vertical, {0, 16, 16, 32}, 16},
        LayoutCase{"bottom", Info(0, 99, 10, 90), kVertical, ScrollBarKind::Vertical, {0, 168, 16, 184}, 16},
        LayoutCase{"middle", Info(0, 99, 10, 45), kVertical, ScrollBarKind::Vertical, {0, 92, 16, 108}, 16},
        LayoutCase{"horizontal", Info(0, 99, 10, 90), kHorizontal, ScrollBarKind::Horizontal, {168, 0, 184, 16}, 16},
        LayoutCase{"minimum thumb", Info(0, 999, 1, 0), kVertical, ScrollBarKind::Vertical, {0, 16, 16, 24}, 16},
        LayoutCase{"no page: square thumb", Info(0, 100, 0, 100), kVertical, ScrollBarKind::Vertical, {0, 168, 16, 184}, 16},
        LayoutCase{"range fits the page", Info(0, 99, 100, 0), kVertical, ScrollBarKind::Vertical, {}, 16},
        LayoutCase{"too short for a track", Info(0, 99, 10, 0), {0, 0, 16, 20}, ScrollBarKind::Vertical, {}, 10},
        LayoutCase{"shifted range", Info(-50, 49, 50, 0), kVertical, ScrollBarKind::Vertical, {0, 100, 16, 184}, 16}),
    [](const ::testing::TestParamInfo<LayoutCase>& i) {
        std::string n = i.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST(ScrollBarLayoutPartsTest, PagesLieEitherSideOfTheThumb)
{
    const win::ScrollBarLayout l = win::LayoutScrollBar(Info(0, 99, 10, 45), kVertical, ScrollBarKind::Vertical, true);
    EXPECT_EQ(l.lineUp, Rect(0, 0, 16, 16));
    EXPECT_EQ(l.lineDown, Rect(0, 184, 16, 200));
    EXPECT_EQ(l.pageUp, Rect(0, 16, 16, 92));
    EXPECT_EQ(l.pageDown, Rect(0, 108, 16, 184));
    EXPECT_EQ(win::HitScrollBar(l, {8, 50}), win::ScrollBarPart::PageUp);
    EXPECT_EQ(win::HitScrollBar(l, {8, 150}), win::ScrollBarPart::PageDown);
    EXPECT_EQ(win::HitScrollBar(l, {8, 190}), win::ScrollBarPart::LineDown);
    const win::ScrollBarLayout off = win::LayoutScrollBar(Info(0, 99, 10, 45), kVertical, ScrollBarKind::Vertical, false);
    EXPECT_TRUE(off.thumb.IsEmpty()) << "a disabled bar shows no thumb";
    EXPECT_EQ(win::HitScrollBar(off, {8, 100}), win::ScrollBarPart::None);
}

class StandardScrollBarTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_top = TopLevel({0, 0, 400, 400});
        m_list = Child(m_top, {10, 20, 110, 220}, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
        Pump();
        log.clear();
    }
    HWND m_top = nullptr;
    HWND m_list = nullptr;
};

TEST_F(StandardScrollBarTest, SetScrollInfoClampsPageAndPosition)
{
    EXPECT_EQ(SetScrollInfo(m_list, SB_VERT, Info(0, 99, 200, 50), true), 0);
    SCROLLINFO got;
    got.fMask = SIF_ALL;
    GetScrollInfo(m_list, SB_VERT, got);
    EXPECT_EQ(got.nPage, 100u) << "the page is at most the range";
    EXPECT_EQ(SetScrollInfo(m_list, SB_VERT, Info(0, 99, 10, 95), true), 90);
    EXPECT_EQ(SetScrollInfo(m_list, SB_VERT, Info(0, 99, 10, -5), true), 0);
    EXPECT_EQ(SetScrollPos(m_list, SB_VERT, 30, true), 0);
    EXPECT_EQ(GetScrollPos(m_list, SB_VERT), 30);
    SetScrollRange(m_list, SB_VERT, 0, 20, true);
    EXPECT_EQ(GetScrollPos(m_list, SB_VERT), 11) << "the position follows a shrinking range";
    got.fMask = SIF_TRACKPOS;
    GetScrollInfo(m_list, SB_VERT, got);
    EXPECT_EQ(got.nTrackPos, 11) << "without a drag the track position is the position";
}

TEST_F(StandardScrollBarTest, ScrollBarInfoAfterSetScrollInfo)
{
    SetScrollInfo(m_list, SB_VERT, Info(0, 99, 10, 0), true);
    SCROLLBARINFO info;
    ASSERT_TRUE(GetScrollBarInfo(m_list, OBJID_VSCROLL, info));
    EXPECT_EQ(info.rcScrollBar, Rect(94, 20, 110, 220)) << "screen coordinates";
    EXPECT_EQ(info.dxyLineButton, 16);
    EXPECT_EQ(info.xyThumbTop, 16);
    EXPECT_EQ(info.xyThumbBottom, 32);
    EXPECT_EQ(info.rgstate[0], 0u);
    SetScrollPos(m_list, SB_VERT, 90, true);
    GetScrollBarInfo(m_list, OBJID_VSCROLL, info);
    EXPECT_EQ(info.xyThumbTop, 168);
    EXPECT_EQ(info.xyThumbBottom, 184);
    SCROLLBARINFO horizontal;
    GetScrollBarInfo(m_list, OBJID_HSCROLL, horizontal);
    EXPECT_EQ(horizontal.rgstate[0] & STATE_SYSTEM_INVISIBLE, DWORD(STATE_SYSTEM_INVISIBLE));
}

TEST_F(StandardScrollBarTest, ABarWithNothingToScrollIsShownButUnavailable)
{
    SetScrollInfo(m_list, SB_VERT, Info(0, 99, 100, 0), true);
    SCROLLBARINFO info;
    GetScrollBarInfo(m_list, OBJID_VSCROLL, info);
    EXPECT_EQ(info.rgstate[0], DWORD(STATE_SYSTEM_UNAVAILABLE));
    EXPECT_EQ(info.xyThumbTop, 0);
    EXPECT_EQ(info.xyThumbBottom, 0);
    EXPECT_EQ(info.rgstate[3] & STATE_SYSTEM_INVISIBLE, DWORD(STATE_SYSTEM_INVISIBLE));
}

TEST_F(StandardScrollBarTest, DisablingAndHidingTheBar)
{
    SetScrollInfo(m_list, SB_VERT, Info(0, 99, 10, 0), true);
    EXPECT_TRUE(EnableScrollBar(m_list, SB_VERT, ESB_DISABLE_BOTH));
    SCROLLBARINFO info;
    GetScrollBarInfo(m_list, OBJID_VSCROLL, info);
    EXPECT_NE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
    EnableScrollBar(m_list, SB_VERT, ESB_ENABLE_BOTH);
    ShowScrollBar(m_list, SB_VERT, false);
    GetScrollBarInfo(m_list, OBJID_VSCROLL, info);
    EXPECT_NE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE, 0u);
    RECT client;
    GetClientRect(m_list, client);
    EXPECT_EQ(client, Rect(0, 0, 100, 200)) << "the client area takes the bar's room";
    ShowScrollBar(m_list, SB_BOTH, true);
    GetClientRect(m_list, client);
    EXPECT_EQ(client, Rect(0, 0, 84, 184));
}

TEST_F(StandardScrollBarTest, ChangesRepaintTheFrameOnly)
{
    SetScrollInfo(m_list, SB_VERT, Info(0, 99, 10, 0), true);
    Pump();
    log.clear();
    SetScrollPos(m_list, SB_VERT, 40, true);
    Pump();
    EXPECT_EQ(Received(m_list, WM_NCPAINT).size(), 1u);
    EXPECT_TRUE(Received(m_list, WM_PAINT).empty());
    log.clear();
    SetScrollPos(m_list, SB_VERT, 40, true);
    Pump();
    EXPECT_TRUE(Received(m_list, WM_NCPAINT).empty()) << "nothing changed, nothing repainted";
}

TEST_F(StandardScrollBarTest, TheBarIsPaintedWhereTheLayoutPutsIt)
{
    SetScrollInfo(m_list, SB_VERT, Info(0, 99, 10, 0), true);
    Pump();
    const PixelBuffer shown = Desktop().CaptureWindow(m_top);
    // The bar's window rectangle is (84, 0, 100, 200) inside the list at (10, 20).
    const TPixel face = PixelFromColor(GetSysColor(COLOR_BTNFACE));
    const TPixel light = PixelFromColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shown.GetPixel(10 + 92, 20 + 24), face) << "inside the thumb";
    const TPixel track = shown.GetPixel(10 + 92, 20 + 100);
    EXPECT_TRUE(track == face || track == light) << "the dithered track";
    EXPECT_NE(shown.GetPixel(10 + 92, 20 + 100), shown.GetPixel(10 + 93, 20 + 100)) << "dithered, not flat";
}

}  // namespace
}  // namespace wintest
