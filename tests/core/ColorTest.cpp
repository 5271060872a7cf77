#include "platform/core/Color.h"

#include <gtest/gtest.h>

TEST(Color, LowByteIsRed)
{
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(GetRValue(clFuchsia), 0xFF);
    EXPECT_EQ(GetGValue(clFuchsia), 0);
    EXPECT_EQ(GetBValue(clFuchsia), 0xFF);
}

TEST(Color, SystemColoursResolveToTheClassicPalette)
{
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetSysColor(-1), clBlack);
    EXPECT_EQ(GetSysColor(COLOR_COUNT), clBlack);
}

TEST(Color, PlainColoursPassThroughWithoutTheirTopByte)
{
    EXPECT_EQ(ColorToRGB(0x00E8E8E8), 0x00E8E8E8);
    EXPECT_EQ(ColorToRGB(0x02123456), 0x00123456);
}

TEST(Color, PixelConversionSwapsRedAndBlueAndIsOpaque)
{
    EXPECT_EQ(PixelFromColor(RGB(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(PixelFromColor(clBtnFace), 0xFFD4D0C8u);
    EXPECT_EQ(ColorFromPixel(0x80010203u), RGB(1, 2, 3));
}
