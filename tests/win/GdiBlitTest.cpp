// Blits between device contexts.
#include "GdiTestSupport.h"

namespace {

// A 3 x 2 source: r g b / b r g.
class GdiBlit : public ::testing::Test {
protected:
    GdiBlit()
    {
        const TColor colors[] = {clRed, clLime, clBlue, clBlue, clRed, clLime};
        for (int i = 0; i < 6; ++i) m_source.Pixels().At(i % 3, i / 3) = PixelFromRGB(colors[i]);
    }

    MemoryDC m_source{3, 2};
};

TEST_F(GdiBlit, BitBltMapsLogicalPositionsOfBothContexts)
{
    MemoryDC target(5, 3);
    SetViewportOrgEx(m_source.Handle(), -1, 0, nullptr);
    SetViewportOrgEx(target.Handle(), 1, 1, nullptr);
    // The source's clip region plays no part.
    IntersectClipRect(m_source.Handle(), 0, 0, 0, 0);
    EXPECT_TRUE(BitBlt(target.Handle(), 0, 0, 3, 2, m_source.Handle(), 2, 0, SRCCOPY));
    // Source pixels beyond its bitmap leave the destination alone.
    EXPECT_EQ(target.Picture(), "\n.....\n.gb..\n.rg..\n");
}

TEST_F(GdiBlit, OverlappingCopiesInOneContextReadTheOldPixels)
{
    EXPECT_TRUE(BitBlt(m_source.Handle(), 1, 0, 2, 2, m_source.Handle(), 0, 0, SRCCOPY));
    EXPECT_EQ(m_source.Picture(), "\nrrg\nbbr\n");
}

TEST_F(GdiBlit, StretchBltScalesAndMirrors)
{
    MemoryDC target(6, 2);
    EXPECT_EQ(SetStretchBltMode(target.Handle(), COLORONCOLOR), BLACKONWHITE);
    EXPECT_TRUE(StretchBlt(target.Handle(), 0, 0, 6, 1, m_source.Handle(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_TRUE(StretchBlt(target.Handle(), 3, 1, -3, 1, m_source.Handle(), 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(target.Picture(), "\nrrggbb\nbgr...\n");
}

TEST_F(GdiBlit, TransparentBltLeavesOutTheKeyColour)
{
    MemoryDC target(3, 2);
    EXPECT_TRUE(TransparentBlt(target.Handle(), 0, 0, 3, 2, m_source.Handle(), 0, 0, 3, 2, COLORREF(clLime)));
    EXPECT_EQ(target.Picture(), "\nr.b\nbr.\n");
}

TEST_F(GdiBlit, MaskedBitBltCopiesWhereTheMaskIsBlack)
{
    PixelBuffer maskPixels = WhiteBuffer(2, 2);
    maskPixels.At(0, 0) = maskPixels.At(1, 1) = PixelFromRGB(clBlack);
    const ScopedObject mask(CreateBitmapFromPixels(maskPixels));
    MemoryDC target(3, 2);
    SetViewportOrgEx(target.Handle(), 1, 0, nullptr);
    // Mask column 2 does not exist: that destination column stays.
    EXPECT_TRUE(MaskedBitBlt(target.Handle(), 0, 0, 2, 2, m_source.Handle(), 1, 0, mask, 1, 0));
    EXPECT_EQ(target.Picture(), "\n...\n.r.\n");
    EXPECT_FALSE(MaskedBitBlt(target.Handle(), 0, 0, 2, 2, m_source.Handle(), 1, 0, nullptr, 0, 0));
}

TEST_F(GdiBlit, PatternOperationsNeedNoSource)
{
    MemoryDC target(4, 1);
    const HDC dc = target.Handle();
    const ScopedObject red(SolidBrush(clRed));
    SelectObject(dc, red);
    EXPECT_TRUE(PatBlt(dc, 0, 0, 1, 1, PATCOPY));
    EXPECT_TRUE(PatBlt(dc, 1, 0, 1, 1, BLACKNESS));
    EXPECT_TRUE(BitBlt(dc, 2, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
    EXPECT_TRUE(PatBlt(dc, 3, 0, 1, 1, PATINVERT));
    EXPECT_EQ(target.Picture(), "\nr##?\n");
    EXPECT_EQ(target.At(3, 0), RGB(0, 255, 255));
    EXPECT_TRUE(PatBlt(dc, 1, 0, 1, 1, WHITENESS));
    EXPECT_EQ(target.At(1, 0), clWhite);

    EXPECT_FALSE(PatBlt(dc, 0, 0, 1, 1, SRCCOPY));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(TransparentBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, 1, 1, 0));
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, m_source.Handle(), 0, 0, SRCCOPY));
}

}  // namespace
