// DrawEdge and DrawFrameControl in the classic system colours.
#include "GdiTestSupport.h"

#include <array>
#include <string_view>

namespace {

TColor Sys(int index) { return GetSysColor(index); }

struct EdgeCase {
    UINT Edge;
    UINT Flags;
    std::array<int, 4> Colors;  // outer top-left, outer bottom-right, inner top-left, inner bottom-right
};

class GdiEdgeColorTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(GdiEdgeColorTest, RingsTakeTheirSystemColours)
{
    const EdgeCase& c = GetParam();
    MemoryDC m(6, 6);
    RECT rect{0, 0, 6, 6};
    ASSERT_TRUE(DrawEdge(m.Handle(), rect, c.Edge, c.Flags | BF_RECT));
    const auto [outerTL, outerBR, innerTL, innerBR] = c.Colors;
    for (const POINT p : {POINT{0, 0}, POINT{4, 0}, POINT{0, 4}}) EXPECT_EQ(m.At(p.X, p.Y), Sys(outerTL));
    // Bottom and right lines run over the top-right and bottom-left corners.
    for (const POINT p : {POINT{5, 0}, POINT{0, 5}, POINT{5, 5}, POINT{3, 5}}) EXPECT_EQ(m.At(p.X, p.Y), Sys(outerBR));
    for (const POINT p : {POINT{1, 1}, POINT{3, 1}, POINT{1, 3}}) EXPECT_EQ(m.At(p.X, p.Y), Sys(innerTL));
    for (const POINT p : {POINT{4, 1}, POINT{1, 4}, POINT{4, 4}}) EXPECT_EQ(m.At(p.X, p.Y), Sys(innerBR));
    EXPECT_EQ(m.At(2, 2), clWhite);
    EXPECT_EQ(rect, (RECT{0, 0, 6, 6}));
}

INSTANTIATE_TEST_SUITE_P(
    All, GdiEdgeColorTest,
    ::testing::Values(
        EdgeCase{EDGE_RAISED, 0, {COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}},
        EdgeCase{EDGE_SUNKEN, 0, {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT}},
        EdgeCase{EDGE_ETCHED, 0, {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}},
        EdgeCase{EDGE_BUMP, 0, {COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT}},
        EdgeCase{EDGE_RAISED, BF_SOFT, {COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW}},
        EdgeCase{EDGE_SUNKEN, BF_SOFT, {COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT}},
        EdgeCase{EDGE_SUNKEN, BF_FLAT, {COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE}},
        EdgeCase{EDGE_RAISED, BF_MONO, {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME, COLOR_WINDOW, COLOR_WINDOW}}));

TEST(GdiEdge, ALoneInnerBorderTakesTheOuterPlace)
{
    MemoryDC m(4, 4);
    RECT rect{0, 0, 4, 4};
    ASSERT_TRUE(DrawEdge(m.Handle(), rect, BDR_SUNKENINNER, BF_RECT | BF_ADJUST));
    EXPECT_EQ(m.At(0, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(m.At(3, 3), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(m.At(1, 1), clWhite);
    EXPECT_EQ(rect, (RECT{1, 1, 3, 3}));
}

TEST(GdiEdge, OnlyTheFlaggedSidesAreDrawnAndAdjusted)
{
    MemoryDC m(6, 5);
    RECT rect{0, 0, 6, 5};
    ASSERT_TRUE(DrawEdge(m.Handle(), rect, EDGE_SUNKEN, BF_TOPLEFT | BF_MIDDLE | BF_ADJUST));
    EXPECT_EQ(rect, (RECT{2, 2, 6, 5}));
    EXPECT_EQ(m.At(5, 0), Sys(COLOR_BTNSHADOW));  // the top line runs to the right edge
    EXPECT_EQ(m.At(5, 1), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(m.At(5, 4), Sys(COLOR_BTNFACE));    // the middle fills the rest
    EXPECT_FALSE(DrawEdge(m.Handle(), rect, EDGE_RAISED, BF_RECT | BF_DIAGONAL));
    EXPECT_FALSE(DrawEdge(nullptr, rect, EDGE_RAISED, BF_RECT));
}

// Turns the pixels of an area into text: '#' black, '-' button face,
// '.' white, '?' anything else.
std::string FacePicture(const MemoryDC& m, const TRect& area)
{
    std::string s = "\n";
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            const TColor c = m.At(x, y);
            s += c == clBlack ? '#' : c == Sys(COLOR_BTNFACE) ? '-' : c == clWhite ? '.' : '?';
        }
        s += '\n';
    }
    return s;
}

TEST(GdiFrameControl, PushButtonsAreRaisedSoftAndSinkWhenPushed)
{
    MemoryDC m(6, 5);
    RECT rect{0, 0, 6, 5};
    ASSERT_TRUE(DrawFrameControl(m.Handle(), rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(rect, (RECT{2, 2, 4, 3}));
    EXPECT_EQ(m.At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(m.At(1, 1), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(m.At(5, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(m.At(4, 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(m.At(2, 2), Sys(COLOR_BTNFACE));

    rect = {0, 0, 6, 5};
    DrawFrameControl(m.Handle(), rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_EQ(m.At(0, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(m.At(5, 4), Sys(COLOR_BTNHIGHLIGHT));
    DrawFrameControl(m.Handle(), rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_CHECKED);
    EXPECT_EQ(FacePicture(m, {2, 2, 4, 3}), "\n.-\n");  // dithered
}

TEST(GdiFrameControl, ACheckedCheckBoxShowsTheClassicTick)
{
    MemoryDC m(13, 13);
    RECT rect{0, 0, 13, 13};
    ASSERT_TRUE(DrawFrameControl(m.Handle(), rect, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
    EXPECT_EQ(m.At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(m.At(1, 1), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(m.At(11, 11), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(m.At(12, 12), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(FacePicture(m, {2, 2, 11, 11}), R"(
.........
.......#.
......##.
.#...###.
.##.###..
.#####...
..###....
...#.....
.........
)");
    // Inactive boxes are grey inside and show a grey tick.
    DrawFrameControl(m.Handle(), rect, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
    EXPECT_EQ(m.At(2, 2), Sys(COLOR_BTNFACE));
    EXPECT_EQ(m.At(9, 3), Sys(COLOR_BTNSHADOW));
}

TEST(GdiFrameControl, RadioButtonsAreLitFromTheUpperLeft)
{
    MemoryDC m(16, 12);  // the box is the centred 12 x 12 square
    RECT rect{0, 0, 16, 12};
    ASSERT_TRUE(DrawFrameControl(m.Handle(), rect, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED));
    EXPECT_EQ(m.At(0, 6), clWhite);
    EXPECT_EQ(m.At(2, 6), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(m.At(8, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(m.At(13, 6), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(m.At(8, 11), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(m.At(3, 6), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(m.At(12, 6), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(FacePicture(m, {5, 3, 11, 9}), "\n......\n..##..\n.####.\n.####.\n..##..\n......\n");
}

TEST(GdiFrameControl, ScrollArrowsAreCentredAndMoveWhenPushed)
{
    MemoryDC m(16, 16);
    RECT rect{0, 0, 16, 16};
    ASSERT_TRUE(DrawFrameControl(m.Handle(), rect, DFC_SCROLL, DFCS_SCROLLUP));
    EXPECT_EQ(m.At(0, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(m.At(1, 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(FacePicture(m, {3, 5, 12, 11}), R"(
---------
----#----
---###---
--#####--
-#######-
---------
)");
    DrawFrameControl(m.Handle(), rect, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_PUSHED);
    EXPECT_EQ(m.At(0, 0), Sys(COLOR_BTNSHADOW));  // flat while pushed
    EXPECT_EQ(m.At(1, 1), Sys(COLOR_BTNFACE));
    EXPECT_EQ(FacePicture(m, {6, 4, 11, 13}), R"(
-----
-#---
-##--
-###-
-####
-###-
-##--
-#---
-----
)");
    DrawFrameControl(m.Handle(), rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
    EXPECT_EQ(m.At(7, 6), Sys(COLOR_BTNSHADOW));   // the arrow, etched
    EXPECT_EQ(m.At(11, 7), Sys(COLOR_BTNHIGHLIGHT));
}

TEST(GdiFrameControl, CaptionButtonsDrawTheirSymbols)
{
    std::array<std::string, 4> faces;
    const UINT parts[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE};
    for (int i = 0; i < 4; ++i) {
        MemoryDC m(16, 14);
        RECT rect{0, 0, 16, 14};
        ASSERT_TRUE(DrawFrameControl(m.Handle(), rect, DFC_CAPTION, parts[i]));
        EXPECT_EQ(m.At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
        EXPECT_GT(CountPixels(m.Pixels(), clBlack), 4);
        faces[std::size_t(i)] = FacePicture(m, {2, 2, 14, 12});
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) EXPECT_NE(faces[std::size_t(i)], faces[std::size_t(j)]);
}

// Every part stays inside its rectangle however small that is.
TEST(GdiFrameControl, TinyRectanglesKeepEveryPartInside)
{
    const std::pair<UINT, UINT> parts[] = {
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_CHECKED}, {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED}, {DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE},
        {DFC_CAPTION, DFCS_CAPTIONRESTORE | DFCS_PUSHED}, {DFC_MENU, DFCS_MENUBULLET}};
    for (const auto& [type, state] : parts)
        for (int size = 0; size <= 5; ++size) {
            MemoryDC m(9, 9);
            RECT rect = TRect::FromSize(2, 2, size, size);
            DrawFrameControl(m.Handle(), rect, type, state);
            int outside = 0;
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < 9; ++x) outside += !rect.Contains(TPoint{x, y}) && m.At(x, y) != clWhite;
            EXPECT_EQ(outside, 0) << "type " << type << " state " << state << " size " << size;
        }
}

TEST(GdiFrameControl, MenuGlyphsLeaveTheBackgroundAlone)
{
    MemoryDC m(11, 11);
    RECT rect{0, 0, 11, 11};
    ASSERT_TRUE(DrawFrameControl(m.Handle(), rect, DFC_MENU, DFCS_MENUCHECK));
    EXPECT_EQ(CountPixels(m.Pixels(), clBlack), 21);  // the tick
    EXPECT_EQ(CountPixels(m.Pixels(), clWhite), 11 * 11 - 21);
    EXPECT_FALSE(DrawFrameControl(m.Handle(), rect, DFC_MENU, 3));
    EXPECT_FALSE(DrawFrameControl(m.Handle(), rect, DFC_BUTTON, 2));
    EXPECT_FALSE(DrawFrameControl(m.Handle(), rect, 9, 0));
    EXPECT_FALSE(DrawFrameControl(nullptr, rect, DFC_BUTTON, DFCS_BUTTONPUSH));
}

}  // namespace
