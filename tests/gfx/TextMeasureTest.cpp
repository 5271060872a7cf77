#include "FontFixture.h"

#include "platform/gfx/TextLayout.h"
#include "platform/core/Utf8.h"

namespace {

using TextMeasure = FontFixture;

TEST_F(TextMeasure, ExtentIsTheSumOfAdvancesByTheCellHeight)
{
    const auto font = DialogFont();
    const TSize extent = TextExtent(*font, "QZ专");
    EXPECT_EQ(extent.cx, font->Advance(U'Q') + font->Advance(U'Z') + font->Advance(U'专'));
    EXPECT_EQ(extent.cy, font->Metrics().tmHeight);
    EXPECT_EQ(TextExtent(*font, ""), (TSize{0, font->Metrics().tmHeight}));
}

TEST_F(TextMeasure, ItemsGivePenPositionsAndByteOffsetsPerCodePoint)
{
    const auto font = DialogFont();
    const TextRun run = MeasureText(*font, "a专b");
    ASSERT_EQ(run.Items.size(), 3u);
    EXPECT_EQ(TextOf(run), U"a专b");
    EXPECT_EQ(run.Items[0].ByteOffset, 0u);
    EXPECT_EQ(run.Items[1].ByteOffset, 1u);
    EXPECT_EQ(run.Items[2].ByteOffset, 4u);
    int x = 0;
    for (const TextRunItem& item : run.Items) {
        EXPECT_EQ(item.X, x);
        EXPECT_EQ(item.Advance, font->Advance(item.CodePoint));
        x += item.Advance;
    }
    EXPECT_EQ(run.Width, x);
}

TEST_F(TextMeasure, ControlCharactersTakeNoRoom)
{
    const auto font = DialogFont();
    EXPECT_EQ(TextExtent(*font, "a\tb\r\n\x7F").cx, TextExtent(*font, "ab").cx);
}

TEST_F(TextMeasure, MalformedBytesMeasureAsReplacementCharacters)
{
    const auto font = DialogFont();
    const TextRun run = MeasureText(*font, "a\xFF\xE4z");
    EXPECT_EQ(TextOf(run), (std::u32string{U'a', Utf8::kReplacement, Utf8::kReplacement, U'z'}));
    EXPECT_EQ(run.Items[3].ByteOffset, 3u);
}

TEST_F(TextMeasure, BoldTextIsAtLeastAsWide)
{
    const auto regular = FontOf({.Name = "Tahoma", .Height = -11});
    const auto bold = FontOf({.Name = "Tahoma", .Height = -11, .Bold = true});
    EXPECT_GT(TextExtent(*bold, "QZ Trellin 专版").cx, TextExtent(*regular, "QZ Trellin 专版").cx);
    EXPECT_EQ(TextExtent(*bold, "x").cy, TextExtent(*regular, "x").cy);
}

}  // namespace
