// Text through device contexts. Positions come from the measured metrics,
// never from fixed pixel numbers.
#include "GdiTestSupport.h"

#include "platform/gfx/Font.h"

namespace {

// The smallest rectangle holding every pixel that is not the background.
TRect InkBounds(const PixelBuffer& b, TColor background = clWhite)
{
    TRect bounds;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (ColorFromPixel(b.At(x, y)) != background) bounds = bounds.United(TRect::FromSize(x, y, 1, 1));
    return bounds;
}

class GdiText : public ::testing::Test {
protected:
    GdiText()
    {
        LOGFONT log;
        log.lfFaceName = "MS Sans Serif";
        log.lfHeight = -11;
        m_font = CreateFontIndirect(log);
    }
    ~GdiText() override { DeleteObject(m_font); }

    // A memory context with the test font, transparent background.
    std::unique_ptr<MemoryDC> Canvas(int width = 120, int height = 30) const
    {
        auto m = std::make_unique<MemoryDC>(width, height);
        SelectObject(m->Handle(), m_font);
        SetBkMode(m->Handle(), TRANSPARENT);
        return m;
    }

    static SIZE Extent(HDC dc, std::string_view text)
    {
        SIZE size;
        EXPECT_TRUE(GetTextExtentPoint32(dc, text, size));
        return size;
    }

    HFONT m_font = nullptr;
};

TEST_F(GdiText, CalcRectAgreesWithTheTextExtentAndDrawsNothing)
{
    const auto m = Canvas();
    const HDC dc = m->Handle();
    const SIZE size = Extent(dc, "Hello 世界");
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(dc, tm));
    EXPECT_EQ(size.cy, tm.tmHeight);
    EXPECT_GT(size.cx, 0);

    RECT rect{5, 4, 5, 4};
    EXPECT_EQ(DrawText(dc, "Hello 世界", -1, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX), size.cy);
    EXPECT_EQ(rect, (RECT{5, 4, 5 + size.cx, 4 + size.cy}));

    rect = {0, 0, 100, 0};
    EXPECT_EQ(DrawText(dc, "a\nbb", -1, rect, DT_CALCRECT), 2 * tm.tmHeight);
    EXPECT_EQ(rect, (RECT{0, 0, Extent(dc, "bb").cx, 2 * tm.tmHeight}));

    // count is in bytes and never splits a character.
    rect = {};
    DrawText(dc, "中文", 4, rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect.Width(), Extent(dc, "中").cx);
    EXPECT_EQ(CountPixels(m->Pixels(), clWhite), 120 * 30);
}

TEST_F(GdiText, TextOutStaysInItsCellAndFillsItWhenOpaque)
{
    const auto m = Canvas();
    const HDC dc = m->Handle();
    const SIZE size = Extent(dc, "Wg");
    SetTextColor(dc, COLORREF(clRed));
    EXPECT_TRUE(TextOut(dc, 10, 5, "Wg"));
    const TRect cell = TRect::FromSize(10, 5, size.cx, size.cy);
    EXPECT_TRUE(cell.Contains(InkBounds(m->Pixels())));
    EXPECT_FALSE(InkBounds(m->Pixels()).IsEmpty());

    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, COLORREF(clBlue));
    TextOut(dc, 10, 5, "Wg");
    EXPECT_EQ(InkBounds(m->Pixels()), cell);
    EXPECT_EQ(m->At(cell.Left, cell.Top), clBlue);
}

TEST_F(GdiText, AlignmentPicksTheReferencePointOfTheCell)
{
    TEXTMETRIC tm;
    const auto reference = Canvas();
    GetTextMetrics(reference->Handle(), tm);
    const SIZE size = Extent(reference->Handle(), "Align");
    TextOut(reference->Handle(), 20, 6, "Align");

    struct Case {
        UINT Align;
        POINT At;
    };
    const Case cases[] = {
        {TA_RIGHT | TA_TOP, {20 + size.cx, 6}},
        {TA_CENTER | TA_TOP, {20 + size.cx / 2, 6}},
        {TA_LEFT | TA_BASELINE, {20, 6 + tm.tmAscent}},
        {TA_RIGHT | TA_BOTTOM, {20 + size.cx, 6 + tm.tmHeight}},
    };
    for (const Case& c : cases) {
        const auto m = Canvas();
        SetTextAlign(m->Handle(), c.Align);
        TextOut(m->Handle(), c.At.X, c.At.Y, "Align");
        EXPECT_TRUE(m->Pixels() == reference->Pixels()) << "align " << c.Align;
    }
}

TEST_F(GdiText, UpdateCurrentPositionRunsTextOn)
{
    const auto whole = Canvas();
    TextOut(whole->Handle(), 3, 2, "abcd");

    const auto pieces = Canvas();
    const HDC dc = pieces->Handle();
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 3, 2, nullptr);
    TextOut(dc, 50, 50, "ab");  // the position given is ignored
    POINT now;
    GetCurrentPositionEx(dc, now);
    EXPECT_EQ(now, (POINT{3 + Extent(dc, "ab").cx, 2}));
    TextOut(dc, 0, 0, "cd");
    EXPECT_TRUE(pieces->Pixels() == whole->Pixels());
}

TEST_F(GdiText, ExtTextOutFillsAndClipsToItsRectangle)
{
    const auto m = Canvas();
    const HDC dc = m->Handle();
    SetBkColor(dc, COLORREF(clLime));
    const RECT rect{2, 1, 12, 20};
    EXPECT_TRUE(ExtTextOut(dc, 4, 3, ETO_OPAQUE | ETO_CLIPPED, &rect, "Wide text here"));
    EXPECT_EQ(InkBounds(m->Pixels()), rect);
    EXPECT_EQ(m->At(rect.Left, rect.Top), clLime);
    EXPECT_LT(CountPixels(m->Pixels(), clLime), rect.Width() * rect.Height());
}

TEST_F(GdiText, DrawTextFollowsTheViewportOrigin)
{
    const RECT box{0, 0, 60, 20};
    const auto plain = Canvas();
    RECT at = box.Offset(7, 3);
    DrawText(plain->Handle(), "居中 text", -1, at, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    const auto shifted = Canvas();
    SetViewportOrgEx(shifted->Handle(), 7, 3, nullptr);
    RECT local = box;
    EXPECT_GT(DrawText(shifted->Handle(), "居中 text", -1, local, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0);
    EXPECT_EQ(local, box);
    EXPECT_TRUE(shifted->Pixels() == plain->Pixels());
    EXPECT_TRUE(box.Offset(7, 3).Contains(InkBounds(plain->Pixels())));
}

TEST_F(GdiText, FontQueries)
{
    const auto m = Canvas();
    const HDC dc = m->Handle();
    EXPECT_EQ(GetTextFace(dc), "MS Sans Serif");
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(dc, tm));
    EXPECT_EQ(tm.tmHeight, FontOf(m_font)->Metrics().tmHeight);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);

    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetTextFace(dc), "System");
    ASSERT_TRUE(GetTextMetrics(dc, tm));
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_EQ(FontOf(nullptr), nullptr);
    EXPECT_FALSE(TextOut(nullptr, 0, 0, "x"));
}

}  // namespace
