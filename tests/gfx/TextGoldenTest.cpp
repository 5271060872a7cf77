#include "FontFixture.h"
#include "tests/support/GoldenImage.h"

#include "platform/gfx/DrawText.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextRenderer.h"

namespace {

constexpr int kPadding = 4;  // pixels around the text
constexpr int kCjkFirst = 0x4E00;
constexpr int kCjkLast = 0x9FFF;
constexpr int kFullwidthFirst = 0xFF00;
constexpr int kFullwidthLast = 0xFFEF;

[[nodiscard]] bool IsCjk(char32_t cp)
{
    return (cp >= kCjkFirst && cp <= kCjkLast) || (cp >= kFullwidthFirst && cp <= kFullwidthLast);
}

// Every Chinese character of the run left ink in its own cell, and its face
// is the CJK fallback.
void ExpectChineseDrawn(const PixelBuffer& buffer, TPoint origin, const TextRun& run, const Font& font,
                        TPixel background)
{
    int chinese = 0;
    for (const TextRunItem& item : run.Items) {
        if (!IsCjk(item.CodePoint)) continue;
        ++chinese;
        EXPECT_EQ(font.FaceFor(item.CodePoint).Family, "WenQuanYi Micro Hei");
        const TRect cell = TRect::FromSize(origin.X + item.X, origin.Y, item.Advance, font.Metrics().tmHeight);
        int inked = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x) inked += buffer.At(x, y) != background;
        EXPECT_GT(inked, item.Advance) << "U+" << std::hex << unsigned(item.CodePoint) << " is blank";
    }
    EXPECT_GT(chinese, 0);
}

using TextGolden = FontFixture;

TEST_F(TextGolden, BoldTitleWithChineseOnACaptionBar)
{
    const auto font = FontOf({.Name = "Tahoma", .Height = -11, .Bold = true});
    const std::string_view title = "QZ Trellin [Vostra专版]";
    const TSize extent = TextExtent(*font, title);
    const TPixel caption = PixelFromColor(clActiveCaption);
    PixelBuffer bar(extent.cx + 2 * kPadding, extent.cy + 2 * kPadding, caption);
    const TRect textRect = bar.Bounds().Inflated(-kPadding, 0);
    DrawText(bar, title, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, *font, {.Color = clCaptionText},
             bar.Bounds());

    EXPECT_TRUE(MatchesGolden(bar, "text_caption_bold_tahoma"));
    ExpectChineseDrawn(bar, {kPadding, kPadding}, MeasureText(*font, title), *font, caption);
}

TEST_F(TextGolden, ChineseMessageInTheDialogFont)
{
    const auto font = DialogFont();
    const std::string_view message = "请先选择文件！";
    const TSize extent = TextExtent(*font, message);
    const TPixel white = PixelFromColor(clWhite);
    PixelBuffer box(extent.cx + 2 * kPadding, extent.cy + 2 * kPadding, white);
    const TPoint origin{kPadding, kPadding};
    TextOut(box, origin, message, *font, {.Color = clBlack}, box.Bounds());

    EXPECT_TRUE(MatchesGolden(box, "text_message_ms_sans_serif"));
    ExpectChineseDrawn(box, origin, MeasureText(*font, message), *font, white);
}

}  // namespace
