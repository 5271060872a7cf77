#include "FontFixture.h"

#include "platform/gfx/FontAliases.h"
#include "platform/gfx/FontScale.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::string_view kLatinFamily = "DejaVu Sans";
constexpr std::string_view kCjkFamily = "WenQuanYi Micro Hei";

[[nodiscard]] bool HasInk(const Glyph& glyph)
{
    return std::ranges::any_of(glyph.Coverage, [](std::uint8_t c) { return c != 0; });
}

TEST(FontAliases, LookUpIgnoresAsciiCaseAndLeavesUnknownNamesAlone)
{
    EXPECT_EQ(FontAliasFor("tahoma"), FontAliasFor("Tahoma"));
    EXPECT_EQ(FontAliasFor("MS SANS SERIF"), kLatinFamily);
    EXPECT_EQ(FontAliasFor("宋体"), kCjkFamily);
    EXPECT_TRUE(FontAliasFor("Tahoma Extra").empty());
    EXPECT_TRUE(FontAliasFor("").empty());
}

using FontResolution = FontFixture;

TEST_F(FontResolution, EveryAliasNamesAnInstalledFamily)
{
    for (const FontAlias& alias : FontAliasTable())
        EXPECT_EQ(m_fonts.ResolveFamily(alias.Name), alias.Family) << alias.Name;
}

TEST_F(FontResolution, ApplicationFontsGoThroughTheAliasTable)
{
    EXPECT_EQ(FontAliasFor("MS Sans Serif"), kLatinFamily);
    EXPECT_EQ(FontAliasFor("Tahoma"), kLatinFamily);
    EXPECT_EQ(m_fonts.ResolveFamily("MS Sans Serif"), kLatinFamily);
    EXPECT_EQ(m_fonts.ResolveFamily("Tahoma"), kLatinFamily);
}

TEST_F(FontResolution, UnknownNameTakesFontconfigsBestMatch)
{
    EXPECT_FALSE(m_fonts.ResolveFamily("No Such Font Anywhere").empty());
    EXPECT_FALSE(m_fonts.ResolveFamily("").empty());
}

TEST_F(FontResolution, ChineseCharactersFallBackPerGlyphToTheCjkFace)
{
    const auto font = FontOf({.Name = "Tahoma", .Height = -11});
    EXPECT_EQ(font->MainFace().Family, kLatinFamily);
    EXPECT_EQ(font->FaceFor(U'Q').Family, kLatinFamily);
    EXPECT_EQ(font->FaceFor(U'专').Family, kCjkFamily);
    EXPECT_EQ(font->FaceFor(U'！').Family, kCjkFamily);
    EXPECT_TRUE(HasInk(*font->GlyphFor(U'专')));
}

TEST_F(FontResolution, ACharacterNoFaceHasDrawsTheMainFacesMissingGlyph)
{
    const auto font = DialogFont();
    constexpr char32_t kPrivateUse = 0x10FFFD;
    EXPECT_EQ(font->FaceFor(kPrivateUse).Family, kLatinFamily);
    EXPECT_GT(font->Advance(kPrivateUse), 0);
}

TEST_F(FontResolution, BoldTakesTheInstalledBoldFaceAndSynthesisesTheRest)
{
    const auto font = FontOf({.Name = "Tahoma", .Height = -11, .Bold = true});
    const FaceInfo main = font->MainFace();
    EXPECT_EQ(main.Family, kLatinFamily);
    EXPECT_EQ(main.Style, "Bold");
    EXPECT_FALSE(main.SyntheticBold);
    // The CJK face has no bold of its own.
    EXPECT_TRUE(font->FaceFor(U'专').SyntheticBold);
}

TEST_F(FontResolution, SyntheticBoldWidensTheAdvanceByOnePixel)
{
    const auto regular = FontOf({.Name = "WenQuanYi Micro Hei", .Height = -16});
    const auto bold = FontOf({.Name = "WenQuanYi Micro Hei", .Height = -16, .Bold = true});
    ASSERT_TRUE(bold->MainFace().SyntheticBold);
    EXPECT_EQ(bold->Advance(U'专'), regular->Advance(U'专') + 1);
}

TEST_F(FontResolution, SyntheticItalicSlantsWithoutChangingTheAdvance)
{
    const auto regular = FontOf({.Name = "WenQuanYi Micro Hei", .Height = -16});
    const auto italic = FontOf({.Name = "WenQuanYi Micro Hei", .Height = -16, .Italic = true});
    ASSERT_TRUE(italic->MainFace().SyntheticItalic);
    const auto upright = regular->GlyphFor(U'l');
    const auto slanted = italic->GlyphFor(U'l');
    EXPECT_EQ(slanted->Advance, upright->Advance);
    // A slanted stem covers more columns than an upright one.
    EXPECT_GT(slanted->Width, upright->Width);
}

struct HeightCase {
    int Height;
    int Cell;  // expected tmHeight, 0 when the em size is what is checked
    int Em;    // expected em size, 0 when the cell is what is checked
};

void PrintTo(const HeightCase& c, std::ostream* os) { *os << "height " << c.Height; }

class FontHeight : public FontFixture, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(FontHeight, FollowsTheClassicSignRule)
{
    const auto font = FontOf({.Name = "MS Sans Serif", .Height = GetParam().Height});
    const TTextMetric& m = font->Metrics();
    EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
    EXPECT_GE(m.tmInternalLeading, 0);
    if (GetParam().Cell) {
        EXPECT_EQ(m.tmHeight, GetParam().Cell);
    }
    if (GetParam().Em) {
        EXPECT_EQ(font->EmSize(), GetParam().Em);
        EXPECT_EQ(m.tmHeight - m.tmInternalLeading, GetParam().Em);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Heights, FontHeight,
    ::testing::Values(HeightCase{-11, 0, 11}, HeightCase{-8, 0, 8}, HeightCase{-1, 0, 1}, HeightCase{-24, 0, 24},
                      HeightCase{13, 13, 0}, HeightCase{9, 9, 0}, HeightCase{1, 1, 0}, HeightCase{30, 30, 0},
                      HeightCase{0, FontDesc::kDefaultCellHeight, 0},
                      HeightCase{INT_MIN, 0, FontScale::kMaxPixelHeight},
                      HeightCase{INT_MAX, FontScale::kMaxPixelHeight, 0}));

TEST_F(FontFixture, DecorationLinesStayInsideTheCellOnTheirSideOfTheBaseline)
{
    for (const int height : {-8, -11, -16, -40, 13, 20}) {
        const auto font = FontOf({.Height = height});
        const TTextMetric& m = font->Metrics();
        const FontDecorations& d = font->Decorations();
        EXPECT_GE(d.UnderlineTop, m.tmAscent) << height;
        EXPECT_LE(d.UnderlineTop + d.UnderlineThickness, m.tmHeight) << height;
        EXPECT_GE(d.StrikeOutTop, 0) << height;
        EXPECT_LT(d.StrikeOutTop, m.tmAscent) << height;
    }
}

TEST_F(FontFixture, AverageCharWidthIsPlausibleForTheEm)
{
    const TTextMetric& m = DialogFont()->Metrics();
    EXPECT_GT(m.tmAveCharWidth, 0);
    EXPECT_LT(m.tmAveCharWidth, DialogFont()->EmSize());
    EXPECT_GE(m.tmMaxCharWidth, m.tmAveCharWidth);
}

using FontCache = FontFixture;

TEST_F(FontCache, TheSameSpecGivesTheSameFontAndGlyphs)
{
    const auto a = DialogFont();
    EXPECT_EQ(a, DialogFont());
    EXPECT_NE(a, FontOf({.Name = "MS Sans Serif", .Height = -11, .Underline = true}));
    EXPECT_EQ(a->GlyphFor(U'x'), a->GlyphFor(U'x'));
}

TEST_F(FontCache, GlyphsStayValidWhenTheCacheOverflows)
{
    const auto font = DialogFont();
    const auto first = font->GlyphFor(U'专');
    const std::vector<std::uint8_t> coverage = first->Coverage;
    for (char32_t cp = 0x4E00; cp < 0x4E00 + 2500; ++cp) (void)font->GlyphFor(cp);
    EXPECT_EQ(first->Coverage, coverage);
    EXPECT_EQ(font->GlyphFor(U'专')->Coverage, coverage);
}

TEST(FontLifetime, AFontOutlivesItsLibrary)
{
    std::shared_ptr<const Font> font;
    {
        FontLibrary library;
        font = library.GetFont({.Name = "Tahoma", .Height = -11});
    }
    // The fallback face is opened only now, after the library is gone.
    EXPECT_TRUE(HasInk(*font->GlyphFor(U'版')));
    EXPECT_EQ(font->FaceFor(U'版').Family, kCjkFamily);
}

}  // namespace
