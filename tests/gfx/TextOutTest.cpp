#include "FontFixture.h"

#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextRenderer.h"

namespace {

constexpr TPixel kWhite = 0xFFFFFFFFu;
constexpr TPixel kBlack = 0xFF000000u;
constexpr TPixel kRed = 0xFFFF0000u;
constexpr TPoint kOrigin{5, 7};
constexpr int kBufferWidth = 120;   // pixels
constexpr int kBufferHeight = 40;   // pixels

// Draws text at kOrigin on a fresh buffer.
PixelBuffer Drawn(const Font& font, std::string_view text, const TextPaint& paint, TPixel background = kWhite,
                  TRect clip = {0, 0, kBufferWidth, kBufferHeight})
{
    PixelBuffer buffer(kBufferWidth, kBufferHeight, background);
    TextOut(buffer, kOrigin, text, font, paint, clip);
    return buffer;
}

// The rectangle holding every pixel that differs from the background.
TRect InkBounds(const PixelBuffer& buffer, TPixel background)
{
    TRect bounds;
    for (int y = 0; y < buffer.Height(); ++y)
        for (int x = 0; x < buffer.Width(); ++x)
            if (buffer.At(x, y) != background) bounds = bounds.United(TRect::FromSize(x, y, 1, 1));
    return bounds;
}

using TextOutDrawing = FontFixture;

TEST_F(TextOutDrawing, LatinInkStaysInsideTheTextCell)
{
    const auto font = DialogFont();
    const std::string_view text = "HIlxg";
    const PixelBuffer buffer = Drawn(*font, text, {.Color = clBlack});
    const TSize extent = TextExtent(*font, text);
    const TRect ink = InkBounds(buffer, kWhite);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_TRUE(TRect::FromSize(kOrigin.X, kOrigin.Y, extent.cx, extent.cy).Contains(ink));
    // Hinted vertical stems are fully covered: the ink colour appears as it is.
    bool solid = false;
    for (int y = ink.Top; y < ink.Bottom; ++y)
        for (int x = ink.Left; x < ink.Right; ++x) solid = solid || buffer.At(x, y) == kBlack;
    EXPECT_TRUE(solid);
}

TEST_F(TextOutDrawing, CoverageIsBlendedOntoTheExistingPixels)
{
    const auto font = DialogFont();
    const auto glyph = font->GlyphFor(U'O');
    const PixelBuffer buffer = Drawn(*font, "O", {.Color = clWhite}, kBlack);
    const int left = kOrigin.X + glyph->Left;
    const int top = kOrigin.Y + font->Metrics().tmAscent - glyph->Top;
    bool partial = false;
    for (int y = 0; y < glyph->Height; ++y) {
        for (int x = 0; x < glyph->Width; ++x) {
            const unsigned coverage = glyph->Coverage[std::size_t(y * glyph->Width + x)];
            partial = partial || (coverage > 0 && coverage < 255);
            EXPECT_EQ(buffer.At(left + x, top + y), kBlack | coverage << 16 | coverage << 8 | coverage);
        }
    }
    EXPECT_TRUE(partial) << "antialiasing gives partial coverage";
}

TEST_F(TextOutDrawing, BlendingMixesTheInkWithWhatIsThere)
{
    const PixelBuffer buffer = Drawn(*DialogFont(), "O", {.Color = clBlack}, kRed);
    for (int y = 0; y < buffer.Height(); ++y) {
        for (int x = 0; x < buffer.Width(); ++x) {
            const TPixel p = buffer.At(x, y);
            EXPECT_EQ(p & 0xFF00FFFFu, 0xFF000000u) << x << "," << y;  // only red varies, alpha stays opaque
        }
    }
}

TEST_F(TextOutDrawing, OpaqueBackgroundFillsExactlyTheTextCell)
{
    const auto font = DialogFont();
    const std::string_view text = "Ab专";
    const PixelBuffer buffer = Drawn(*font, text, {.Color = clBlack, .Background = clWhite}, kRed);
    const TSize extent = TextExtent(*font, text);
    EXPECT_EQ(InkBounds(buffer, kRed), TRect::FromSize(kOrigin.X, kOrigin.Y, extent.cx, extent.cy));
    for (int y = kOrigin.Y; y < kOrigin.Y + extent.cy; ++y)
        for (int x = kOrigin.X; x < kOrigin.X + extent.cx; ++x) EXPECT_NE(buffer.At(x, y), kRed);
}

TEST_F(TextOutDrawing, ClipRectangleLimitsDrawingAndKeepsTheRest)
{
    const auto font = DialogFont();
    const std::string_view text = "Clipped 文字";
    const PixelBuffer full = Drawn(*font, text, {.Color = clBlack});
    const TRect clip{kOrigin.X + 10, kOrigin.Y + 3, kOrigin.X + 30, kOrigin.Y + 9};
    const PixelBuffer clipped = Drawn(*font, text, {.Color = clBlack, .Background = clSilver}, kWhite, clip);
    const PixelBuffer clippedInk = Drawn(*font, text, {.Color = clBlack}, kWhite, clip);
    for (int y = 0; y < full.Height(); ++y) {
        for (int x = 0; x < full.Width(); ++x) {
            if (clip.Contains(TPoint{x, y})) {
                EXPECT_EQ(clippedInk.At(x, y), full.At(x, y));
                EXPECT_NE(clipped.At(x, y), kWhite);  // the background covers the clip
            } else {
                EXPECT_EQ(clippedInk.At(x, y), kWhite);
                EXPECT_EQ(clipped.At(x, y), kWhite);
            }
        }
    }
}

TEST_F(TextOutDrawing, TextHangingOffTheBufferIsCut)
{
    const auto font = DialogFont();
    PixelBuffer buffer(8, 6, kWhite);
    TextOut(buffer, {-3, -4}, "WWW专", *font, {.Color = clBlack, .Background = clSilver}, {-100, -100, 100, 100});
    EXPECT_NE(InkBounds(buffer, kWhite), TRect{});
}

TEST_F(TextOutDrawing, SystemColoursAreResolved)
{
    const PixelBuffer buffer = Drawn(*DialogFont(), "I", {.Color = clHighlight});
    EXPECT_EQ(InkBounds(buffer, PixelFromColor(clHighlight)), buffer.Bounds());
    EXPECT_NE(InkBounds(buffer, kWhite), TRect{});
}

struct DecorationCase {
    const char* Name;
    FontDesc Desc;
};

void PrintTo(const DecorationCase& c, std::ostream* os) { *os << c.Name; }

class TextDecoration : public FontFixture, public ::testing::WithParamInterface<DecorationCase> {};

// The decorated text is the plain text plus one full-width line of ink.
TEST_P(TextDecoration, AddsALineAcrossTheWholeText)
{
    const FontDesc& desc = GetParam().Desc;
    const auto decorated = FontOf(desc);
    const auto plain = FontOf({.Name = desc.Name, .Height = desc.Height});
    const std::string_view text = "ab 专c";
    const PixelBuffer with = Drawn(*decorated, text, {.Color = clBlack});
    const PixelBuffer without = Drawn(*plain, text, {.Color = clBlack});
    const FontDecorations& d = decorated->Decorations();
    const int top = desc.Underline ? d.UnderlineTop : d.StrikeOutTop;
    const int thickness = desc.Underline ? d.UnderlineThickness : d.StrikeOutThickness;
    const TRect line = TRect::FromSize(kOrigin.X, kOrigin.Y + top, TextExtent(*plain, text).cx, thickness);
    for (int y = 0; y < with.Height(); ++y)
        for (int x = 0; x < with.Width(); ++x)
            EXPECT_EQ(with.At(x, y), line.Contains(TPoint{x, y}) ? kBlack : without.At(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Lines, TextDecoration,
                         ::testing::Values(DecorationCase{"Underline", {.Height = -11, .Underline = true}},
                                           DecorationCase{"StrikeOut", {.Height = -11, .StrikeOut = true}},
                                           DecorationCase{"LargeUnderline", {.Height = -24, .Underline = true}}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
