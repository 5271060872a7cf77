#include "platform/core/Exception.h"
#include "platform/core/MemoryStream.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Icon.h"
#include "tests/ui/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace {

class IconTest : public UiResourcesTest {
protected:
    IconTest() { m_icon.LoadFromResourceName(nullptr, "MAINICON"); }
    TIcon m_icon;
};

// The fixture icon: a fuchsia border around red and dark green.
TEST_F(IconTest, MainIconDrawsWithoutItsFuchsiaKey)
{
    EXPECT_EQ(m_icon.Width(), 4);
    EXPECT_EQ(m_icon.Height(), 4);
    EXPECT_TRUE(m_icon.Transparent());
    auto target = FilledBitmap(5, 5, clBlue);
    target->Canvas()->Draw(1, 1, &m_icon);
    EXPECT_EQ(Picture(*target), R"(
bbbbb
bbbbb
bbr?b
bb?rb
bbbbb
)");
}

TEST_F(IconTest, StretchDrawScalesTheIconForATitleBar)
{
    auto target = FilledBitmap(16, 16, clBlue);
    target->Canvas()->StretchDraw({0, 0, 16, 16}, &m_icon);
    EXPECT_EQ(ColorAt(*target, 0, 0), clBlue);
    EXPECT_EQ(ColorAt(*target, 15, 15), clBlue);
    EXPECT_EQ(ColorAt(*target, 4, 4), clRed);
    EXPECT_EQ(ColorAt(*target, 11, 4), clGreen);
    EXPECT_EQ(ColorAt(*target, 11, 11), clRed);
    EXPECT_EQ(CountPixels(target->Pixels(), clRed), 32);
}

TEST_F(IconTest, IconsKeepTheirSizeAndStayTransparent)
{
    EXPECT_THROW(m_icon.SetWidth(8), EInvalidGraphic);
    m_icon.SetTransparent(false);
    EXPECT_TRUE(m_icon.Transparent());
}

TEST_F(IconTest, AssigningToABitmapKeepsTheKeyAsTransparentColour)
{
    TBitmap bitmap;
    bitmap.Assign(m_icon);
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_TRUE(bitmap.Transparent());
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    EXPECT_EQ(ColorAt(bitmap, 1, 1), clRed);
}

TEST_F(IconTest, StreamRoundTripAndCopy)
{
    TMemoryStream stream;
    m_icon.SaveToStream(stream);
    TIcon loaded;
    stream.SetPosition(0);
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.Image().Pixels(), m_icon.Image().Pixels());
    TIcon copy;
    copy.Assign(m_icon);
    EXPECT_EQ(copy.Image().Pixels(), m_icon.Image().Pixels());
}

TEST_F(IconTest, AMissingIconRaisesTheResourceError)
{
    TIcon icon;
    EXPECT_THROW(icon.LoadFromResourceName(nullptr, "NOICON"), EResNotFound);
    EXPECT_TRUE(icon.Empty());
}

}  // namespace
