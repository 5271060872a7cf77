#include "FontFixture.h"

#include "platform/gfx/DrawText.h"
#include "platform/gfx/DrawTextLayout.h"
#include "platform/gfx/TextLayout.h"

#include <vector>

namespace {

constexpr TPixel kWhite = 0xFFFFFFFFu;
constexpr TPixel kBlack = 0xFF000000u;
constexpr TRect kBufferRect{0, 0, 160, 60};
constexpr TRect kTextRect{20, 10, 140, 50};
const TextPaint kInk{.Color = clBlack};

std::vector<std::u32string> LinesOf(const DrawTextLayout& layout)
{
    std::vector<std::u32string> lines;
    for (const DrawTextLine& line : layout.Lines) lines.push_back(TextOf(line.Run));
    return lines;
}

PixelBuffer Blank() { return PixelBuffer(kBufferRect.Width(), kBufferRect.Height(), kWhite); }

class DrawTextTest : public FontFixture {
protected:
    [[nodiscard]] int Cell() { return TextFont().Metrics().tmHeight; }
    [[nodiscard]] int Width(std::string_view text) { return TextExtent(TextFont(), text).cx; }
    [[nodiscard]] const Font& TextFont() { return *m_font; }
    [[nodiscard]] DrawTextLayout Layout(std::string_view text, TRect rect, unsigned format)
    {
        return LayoutDrawText(TextFont(), text, rect, format);
    }
    [[nodiscard]] PixelBuffer Drawn(std::string_view text, TRect rect, unsigned format)
    {
        PixelBuffer buffer = Blank();
        DrawText(buffer, text, rect, format, TextFont(), kInk, kBufferRect);
        return buffer;
    }
    // What TextOut draws at a point, clipped to clip.
    [[nodiscard]] PixelBuffer TextOutAt(std::string_view text, TPoint at, TRect clip)
    {
        PixelBuffer buffer = Blank();
        TextOut(buffer, at, text, TextFont(), kInk, clip);
        return buffer;
    }

    std::shared_ptr<const Font> m_font = DialogFont();
};

struct AlignCase {
    const char* Name;
    unsigned Format;
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.Name; }

class DrawTextAlignment : public DrawTextTest, public ::testing::WithParamInterface<AlignCase> {};

// A single line lands where the measured extent says, exactly as TextOut
// would draw it there.
TEST_P(DrawTextAlignment, PlacesASingleLineByItsMeasuredExtent)
{
    const unsigned format = GetParam().Format | DT_SINGLELINE;
    const std::string_view text = "Align 对齐";
    const TRect r = kTextRect;
    const int width = Width(text);
    int x = r.Left;
    if (format & DT_CENTER) x = r.Left + (r.Width() - width) / 2;
    if (format & DT_RIGHT) x = r.Right - width;
    int y = r.Top;
    if (format & DT_VCENTER) y = r.Top + (r.Height() - Cell()) / 2;
    if (format & DT_BOTTOM) y = r.Bottom - Cell();

    PixelBuffer buffer = Blank();
    const DrawTextResult result = DrawText(buffer, text, r, format, TextFont(), kInk, kBufferRect);
    EXPECT_TRUE(buffer == TextOutAt(text, {x, y}, r));
    EXPECT_EQ(result.Rect, r);
    EXPECT_EQ(result.Height, (format & (DT_VCENTER | DT_BOTTOM)) ? y + Cell() - r.Top : Cell());
}

INSTANTIATE_TEST_SUITE_P(Formats, DrawTextAlignment,
                         ::testing::Values(AlignCase{"TopLeft", DT_TOP | DT_LEFT}, AlignCase{"TopCenter", DT_CENTER},
                                           AlignCase{"TopRight", DT_RIGHT}, AlignCase{"CentreLeft", DT_VCENTER},
                                           AlignCase{"Centre", DT_VCENTER | DT_CENTER},
                                           AlignCase{"BottomRight", DT_BOTTOM | DT_RIGHT}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DrawTextTest, VerticalPlacementNeedsSingleLine)
{
    const PixelBuffer drawn = Drawn("Top", kTextRect, DT_VCENTER | DT_BOTTOM);
    EXPECT_TRUE(drawn == TextOutAt("Top", kTextRect.TopLeft(), kTextRect));
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    PixelBuffer buffer = Blank();
    const DrawTextResult single =
        DrawText(buffer, "Measure me", kTextRect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER, TextFont(), kInk, kBufferRect);
    EXPECT_EQ(single.Rect, TRect::FromSize(kTextRect.Left, kTextRect.Top, Width("Measure me"), Cell()));
    EXPECT_EQ(single.Height, Cell());

    const TRect narrow{0, 0, Width("aaa bbb"), 1};
    const DrawTextResult wrapped =
        DrawText(buffer, "aaa bbb ccc", narrow, DT_CALCRECT | DT_WORDBREAK, TextFont(), kInk, kBufferRect);
    EXPECT_EQ(wrapped.Rect, (TRect{0, 0, Width("aaa bbb"), 2 * Cell()}));
    EXPECT_EQ(wrapped.Height, 2 * Cell());
    EXPECT_TRUE(buffer == Blank());
}

TEST_F(DrawTextTest, WordBreakDrawsEachLineAsTextOutWould)
{
    const TRect r{kTextRect.Left, kTextRect.Top, kTextRect.Left + Width("aaa bbb"), kTextRect.Bottom};
    PixelBuffer expected = TextOutAt("aaa bbb", r.TopLeft(), r);
    TextOut(expected, r.TopLeft().Offset(0, Cell()), "ccc", TextFont(), kInk, r);
    PixelBuffer drawn = Blank();
    EXPECT_EQ(DrawText(drawn, "aaa bbb ccc", r, DT_WORDBREAK, TextFont(), kInk, kBufferRect).Height, 2 * Cell());
    EXPECT_TRUE(drawn == expected);
}

struct BreakCase {
    const char* Name;
    std::string Text;
    std::string FitsOnALine;  // sets the rectangle's width
    std::vector<std::u32string> Lines;
};

void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.Name; }

class DrawTextWordBreak : public DrawTextTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(DrawTextWordBreak, BreaksWhereTheRulesAllow)
{
    const TRect r{0, 0, Width(GetParam().FitsOnALine), 100};
    EXPECT_EQ(LinesOf(Layout(GetParam().Text, r, DT_WORDBREAK)), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawTextWordBreak,
    ::testing::Values(BreakCase{"AtSpaces", "aaa bbb ccc", "aaa bbb", {U"aaa bbb", U"ccc"}},
                      BreakCase{"SpacesAtTheBreakVanish", "aaa    bbb", "aaa ", {U"aaa", U"bbb"}},
                      BreakCase{"LongWordBetweenCharacters", "abcdefgh", "abc", {U"abc", U"def", U"gh"}},
                      BreakCase{"ChineseBetweenCharacters", "请先选择文件", "请先选", {U"请先选", U"择文件"}},
                      BreakCase{"ClosingPunctuationStaysBehind", "请先选择文件！", "请先选择文件",
                                {U"请先选择文", U"件！"}},
                      BreakCase{"MixedScripts", "File 文件名称", "File 文件", {U"File 文件", U"名称"}},
                      BreakCase{"HardBreaksToo", "ab cd\r\nef", "ab cd ef", {U"ab cd", U"ef"}},
                      BreakCase{"EverythingFits", "short", "short text", {U"short"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DrawTextTest, LineBreaksEndLinesUnlessSingleLine)
{
    const TRect r = kTextRect;
    EXPECT_EQ(LinesOf(Layout("ab\r\ncd\ne\rf", r, 0)), (std::vector<std::u32string>{U"ab", U"cd", U"e", U"f"}));
    EXPECT_EQ(LinesOf(Layout("ab\n\ncd", r, 0)), (std::vector<std::u32string>{U"ab", U"", U"cd"}));
    EXPECT_EQ(LinesOf(Layout("ab\n", r, 0)), (std::vector<std::u32string>{U"ab"}));
    EXPECT_EQ(LinesOf(Layout("", r, 0)), (std::vector<std::u32string>{U""}));
    const DrawTextLayout single = Layout("ab\ncd", r, DT_SINGLELINE);
    ASSERT_EQ(single.Lines.size(), 1u);
    EXPECT_EQ(single.Lines[0].Run.Width, Width("abcd"));
}

TEST_F(DrawTextTest, CalcRectTakesTheWidestLine)
{
    const DrawTextLayout layout = Layout("a\nwidest\nab", kTextRect, DT_CALCRECT | DT_CENTER);
    EXPECT_EQ(layout.Bounds, TRect::FromSize(kTextRect.Left, kTextRect.Top, Width("widest"), 3 * Cell()));
}

struct PrefixCase {
    const char* Name;
    std::string Text;
    unsigned Format;
    std::u32string Shown;
    int Accelerator;  // index of the underlined character, -1 for none
};

void PrintTo(const PrefixCase& c, std::ostream* os) { *os << c.Name; }

class DrawTextPrefix : public DrawTextTest, public ::testing::WithParamInterface<PrefixCase> {};

TEST_P(DrawTextPrefix, TakesOutAmpersandsAndMarksTheAccelerator)
{
    const DrawTextLayout layout = Layout(GetParam().Text, kTextRect, GetParam().Format | DT_SINGLELINE);
    ASSERT_EQ(layout.Lines.size(), 1u);
    const TextRun& run = layout.Lines[0].Run;
    EXPECT_EQ(TextOf(run), GetParam().Shown);
    for (std::size_t i = 0; i < run.Items.size(); ++i)
        EXPECT_EQ(run.Items[i].Accelerator, int(i) == GetParam().Accelerator) << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawTextPrefix,
                         ::testing::Values(PrefixCase{"Accelerator", "&File", 0, U"File", 0},
                                           PrefixCase{"InsideAWord", "Op&en 打开", 0, U"Open 打开", 2},
                                           PrefixCase{"ChineseAccelerator", "文件(&F)", 0, U"文件(F)", 3},
                                           PrefixCase{"DoubledAmpersand", "A&&B", 0, U"A&B", -1},
                                           PrefixCase{"TrailingAmpersand", "AB&", 0, U"AB", -1},
                                           PrefixCase{"NoPrefix", "&File", DT_NOPREFIX, U"&File", -1},
                                           PrefixCase{"HidePrefix", "&File", DT_HIDEPREFIX, U"File", -1}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DrawTextTest, AcceleratorIsUnderlinedUnderItsCharacterOnly)
{
    const TRect r = kTextRect;
    const PixelBuffer drawn = Drawn("&File", r, DT_SINGLELINE);
    const PixelBuffer plain = TextOutAt("File", r.TopLeft(), r);
    const FontDecorations& d = TextFont().Decorations();
    const TRect underline = TRect::FromSize(r.Left, r.Top + d.UnderlineTop, TextFont().Advance(U'F'), d.UnderlineThickness);
    for (int y = 0; y < drawn.Height(); ++y)
        for (int x = 0; x < drawn.Width(); ++x)
            EXPECT_EQ(drawn.At(x, y), underline.Contains(TPoint{x, y}) ? kBlack : plain.At(x, y)) << x << "," << y;
    PixelBuffer unused = Blank();
    EXPECT_EQ(DrawText(unused, "&File", r, DT_CALCRECT | DT_SINGLELINE, TextFont(), kInk, r).Rect.Width(), Width("File"));
}

TEST_F(DrawTextTest, ExpandTabsGoesToStopsOfEightAverageCharacters)
{
    const int stop = 8 * TextFont().Metrics().tmAveCharWidth;
    const DrawTextLayout expanded = Layout("a\tb\tc", kTextRect, DT_SINGLELINE | DT_EXPANDTABS);
    ASSERT_EQ(expanded.Lines[0].Run.Items.size(), 5u);
    EXPECT_EQ(expanded.Lines[0].Run.Items[2].X, stop);
    EXPECT_EQ(expanded.Lines[0].Run.Items[4].X, 2 * stop);
    const DrawTextLayout plain = Layout("a\tb", kTextRect, DT_SINGLELINE);
    EXPECT_EQ(plain.Lines[0].Run.Items[2].X, TextFont().Advance(U'a'));
}

TEST_F(DrawTextTest, EndEllipsisCutsTextThatDoesNotFit)
{
    const std::u32string full = U"A rather long caption 很长的标题";
    const TRect r{0, 0, Width("A rather long"), Cell()};
    const TextRun run = Layout("A rather long caption 很长的标题", r, DT_SINGLELINE | DT_END_ELLIPSIS).Lines[0].Run;
    const std::u32string shown = TextOf(run);
    ASSERT_GT(shown.size(), 3u);
    EXPECT_TRUE(shown.ends_with(U"..."));
    EXPECT_TRUE(full.starts_with(shown.substr(0, shown.size() - 3)));
    EXPECT_LE(run.Width, r.Width());
    const char32_t firstCut = full[shown.size() - 3];
    EXPECT_GT(run.Width + TextFont().Advance(firstCut), r.Width()) << "as much is kept as fits";

    const TRect wide{0, 0, Width("fits"), Cell()};
    EXPECT_EQ(TextOf(Layout("fits", wide, DT_SINGLELINE | DT_END_ELLIPSIS).Lines[0].Run), U"fits");
}

TEST_F(DrawTextTest, TextIsClippedToTheRectangleUnlessNoClip)
{
    const TRect r{kTextRect.Left, kTextRect.Top, kTextRect.Left + Width("Wide") / 2, kTextRect.Top + Cell()};
    const PixelBuffer clipped = Drawn("Wide", r, DT_SINGLELINE);
    const PixelBuffer unclipped = Drawn("Wide", r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_TRUE(clipped == TextOutAt("Wide", r.TopLeft(), r));
    EXPECT_TRUE(unclipped == TextOutAt("Wide", r.TopLeft(), kBufferRect));
    EXPECT_FALSE(clipped == unclipped);
}

}  // namespace
