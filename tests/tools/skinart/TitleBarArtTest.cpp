// The title bar's pictures: the rows the bar is painted with, and the
// button strip's frames as the title bar cuts and keys them.

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Catalog.h"
#include "tools/skinart/TitleBarArt.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFrames = 18;
constexpr int kLeastInk = 8;  // pixels: the smallest glyph is a 7 x 2 bar

[[nodiscard]] TColor BarColorAt(const PixelBuffer& p, int x, int y)
{
    return ColorFromPixel(p.At(x, y));
}

[[nodiscard]] PixelBuffer TitleButtons(const Look& look)
{
    const BitmapElement& element = BitmapElementByKey("TitleBarButtonImage");
    return DrawTitleButtons(look, element.Sizes[std::size_t(look.SizeColumn)]);
}

TEST(TitleRowGradientTest, StripesDarkenOddRowsOfTheBar)
{
    const Look& mac = LookNamed("MacOS");
    const Gradient rows(mac.Title.Rows);
    const Gradient striped = TitleRowGradient(mac, 4, 0);
    EXPECT_EQ(striped.At(0, 0), rows.AtPosition(0.5));
    EXPECT_EQ(striped.At(0, 1), Darken(rows.AtPosition(1.5), mac.Title.Stripe));
    // Shifted by an odd number of rows the stripes swap, as under the buttons.
    EXPECT_EQ(TitleRowGradient(mac, 4, 3).At(0, 0), Darken(rows.AtPosition(3.5), mac.Title.Stripe));
}

TEST(TitleButtonsTest, KeyedStylesHaveAFuchsiaSurroundAndAVisibleButton)
{
    for (const auto* list : {&BuiltInLooks(), &SampleLooks()}) {
        for (const Look& look : *list) {
            if (look.Title.ButtonKeying != Keying::Keyed) continue;
            const PixelBuffer strip = TitleButtons(look);
            const int w = strip.Width() / kFrames;
            for (int i = 0; i < kFrames; ++i) {
                EXPECT_EQ(BarColorAt(strip, i * w, strip.Height() - 1), kKeyColor) << look.Name << " frame " << i + 1;
                int shown = 0;
                for (int y = 0; y < strip.Height(); ++y) {
                    for (int x = i * w; x < (i + 1) * w; ++x) shown += BarColorAt(strip, x, y) != kKeyColor;
                }
                EXPECT_GE(shown, kLeastInk) << look.Name << " frame " << i + 1 << " is nearly empty";
            }
        }
    }
}

TEST(TitleButtonsTest, OpaqueStylesNeverShowTheKey)
{
    for (const Look& look : BuiltInLooks()) {
        if (look.Title.ButtonKeying != Keying::Opaque) continue;
        const PixelBuffer strip = TitleButtons(look);
        for (int y = 0; y < strip.Height(); ++y) {
            for (int x = 0; x < strip.Width(); ++x) ASSERT_NE(BarColorAt(strip, x, y), kKeyColor) << look.Name;
        }
    }
}

// Normal, pointer over and pressed must look different, or hovering shows nothing.
TEST(TitleButtonsTest, TheThreeStatesOfEachButtonDiffer)
{
    for (const Look& look : BuiltInLooks()) {
        const PixelBuffer strip = TitleButtons(look);
        const int w = strip.Width() / kFrames;
        const auto frame = [&](int index) {
            std::vector<TPixel> pixels;
            for (int y = 0; y < strip.Height(); ++y) {
                for (int x = 0; x < w; ++x) pixels.push_back(strip.At(index * w + x, y));
            }
            return pixels;
        };
        for (int button = 0; button < kFrames / 3; ++button) {
            EXPECT_NE(frame(button * 3), frame(button * 3 + 1)) << look.Name << " button " << button;
            EXPECT_NE(frame(button * 3 + 1), frame(button * 3 + 2)) << look.Name << " button " << button;
        }
    }
}

// WinXP shows its close button in its warm colour even at rest; the other
// buttons keep the bar's blue.
TEST(TitleButtonsTest, TheCloseButtonOfWinXPIsLitAtRest)
{
    const Look& xp = LookNamed("WinXP");
    const PixelBuffer strip = TitleButtons(xp);
    const int w = strip.Width() / kFrames;
    const TColor close = BarColorAt(strip, 15 * w + 3, strip.Height() / 2);
    const TColor minimise = BarColorAt(strip, 12 * w + 3, strip.Height() / 2);
    EXPECT_GT(GetRValue(close), GetBValue(close));
    EXPECT_LT(GetRValue(minimise), GetBValue(minimise));
}

TEST(TitlePiecesTest, LeftAndRightPiecesEndInTheMiddlePiecesColours)
{
    const BitmapElement& left = BitmapElementByKey("TitleBarLeftImage");
    const BitmapElement& client = BitmapElementByKey("TitleBarClientImage");
    const BitmapElement& right = BitmapElementByKey("TitleBarRightImage");
    for (const auto* list : {&BuiltInLooks(), &SampleLooks()}) {
        for (const Look& look : *list) {
            const auto column = std::size_t(look.SizeColumn);
            const PixelBuffer l = DrawTitleLeft(look, left.Sizes[column]);
            const PixelBuffer c = DrawTitleClient(look, client.Sizes[column]);
            const PixelBuffer r = DrawTitleRight(look, right.Sizes[column]);
            for (int y = 0; y < c.Height(); ++y) {
                EXPECT_EQ(l.At(l.Width() - 1, y), c.At(0, y)) << look.Name << " row " << y;
                EXPECT_EQ(r.At(0, y), c.At(0, y)) << look.Name << " row " << y;
            }
        }
    }
}

}  // namespace
