#include "platform/gfx/TextRenderer.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/TextLayout.h"

namespace {

// Mixes ink over a pixel by coverage; the result's alpha is ink over the
// old alpha, so opaque pixels stay opaque.
[[nodiscard]] TPixel Blend(TPixel dst, TPixel ink, unsigned coverage)
{
    const unsigned rest = 255 - coverage;
    const auto channel = [&](unsigned shift, unsigned src) {
        const unsigned d = (dst >> shift) & 0xFF;
        return ((src * coverage + d * rest + 127) / 255) << shift;
    };
    return channel(24, 255) | channel(16, (ink >> 16) & 0xFF) | channel(8, (ink >> 8) & 0xFF) | channel(0, ink & 0xFF);
}

void BlendGlyph(PixelBuffer& buffer, const Glyph& glyph, TPoint topLeft, TPixel ink, const TRect& area)
{
    const TRect box = TRect::FromSize(topLeft.X, topLeft.Y, glyph.Width, glyph.Height).Intersected(area);
    for (int y = box.Top; y < box.Bottom; ++y) {
        const std::uint8_t* coverage = glyph.Coverage.data() + std::size_t(y - topLeft.Y) * std::size_t(glyph.Width);
        TPixel* row = buffer.Row(y);
        for (int x = box.Left; x < box.Right; ++x) {
            const unsigned c = coverage[x - topLeft.X];
            if (c == 255)
                row[x] = ink;
            else if (c != 0)
                row[x] = Blend(row[x], ink, c);
        }
    }
}

}  // namespace

void DrawTextRun(PixelBuffer& buffer, TPoint origin, const TextRun& run, const Font& font, const TextPaint& paint,
                 const TRect& clip)
{
    const TRect area = clip.Intersected(buffer.Bounds());
    if (area.IsEmpty()) return;
    const TTextMetric& metrics = font.Metrics();
    if (paint.Background)
        buffer.Fill(TRect::FromSize(origin.X, origin.Y, run.Width, metrics.tmHeight).Intersected(area),
                    PixelFromColor(*paint.Background));

    const TPixel ink = PixelFromColor(paint.Color);
    const int baseline = origin.Y + metrics.tmAscent;
    for (const TextRunItem& item : run.Items) {
        if (IsControlChar(item.CodePoint)) continue;
        const auto glyph = font.GlyphFor(item.CodePoint);
        BlendGlyph(buffer, *glyph, {origin.X + item.X + glyph->Left, baseline - glyph->Top}, ink, area);
    }

    const FontDecorations& lines = font.Decorations();
    const auto drawLine = [&](int left, int width, int top, int thickness) {
        buffer.Fill(TRect::FromSize(origin.X + left, origin.Y + top, width, thickness).Intersected(area), ink);
    };
    if (font.Desc().Underline) drawLine(0, run.Width, lines.UnderlineTop, lines.UnderlineThickness);
    if (font.Desc().StrikeOut) drawLine(0, run.Width, lines.StrikeOutTop, lines.StrikeOutThickness);
    for (const TextRunItem& item : run.Items) {
        if (item.Accelerator) drawLine(item.X, item.Advance, lines.UnderlineTop, lines.UnderlineThickness);
    }
}

void TextOut(PixelBuffer& buffer, TPoint origin, std::string_view text, const Font& font, const TextPaint& paint,
             const TRect& clip)
{
    DrawTextRun(buffer, origin, MeasureText(font, text), font, paint, clip);
}
