#include "platform/gfx/PixelBuffer.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

TEST(PixelBuffer, RefusesSizesBeyondTheLimitsBeforeAllocating)
{
    EXPECT_THROW(PixelBuffer(-1, 5), EOutOfResources);
    EXPECT_THROW(PixelBuffer(PixelBuffer::kMaxSide + 1, 1), EOutOfResources);
    EXPECT_THROW(PixelBuffer(PixelBuffer::kMaxSide, PixelBuffer::kMaxSide), EOutOfResources);
    EXPECT_NO_THROW(PixelBuffer(0, 0));
}

TEST(PixelBuffer, CheckedAccessIgnoresOutsidePixels)
{
    PixelBuffer b(3, 2, 0xFF000000u);
    b.SetPixel(3, 0, 0xFFFFFFFFu);
    b.SetPixel(-1, 1, 0xFFFFFFFFu);
    b.SetPixel(2, 1, 0xFF123456u);
    EXPECT_EQ(b.GetPixel(2, 1), 0xFF123456u);
    EXPECT_EQ(b.GetPixel(3, 1), 0u);
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF000000u);
}

TEST(PixelBuffer, FillIsClippedAndExcludesRightAndBottom)
{
    PixelBuffer b(4, 4, 0);
    b.Fill({-5, 1, 2, 3}, 7);
    EXPECT_EQ(b.At(0, 1), 7u);
    EXPECT_EQ(b.At(1, 2), 7u);
    EXPECT_EQ(b.At(2, 1), 0u);
    EXPECT_EQ(b.At(0, 3), 0u);
    EXPECT_EQ(b.At(0, 0), 0u);
}

TEST(PixelBuffer, ResizeKeepsTheCommonPart)
{
    PixelBuffer b(2, 2, 1);
    b.At(1, 1) = 9;
    b.Resize(3, 1, 5);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 1);
    EXPECT_EQ(b.At(1, 0), 1u);
    EXPECT_EQ(b.At(2, 0), 5u);
}
