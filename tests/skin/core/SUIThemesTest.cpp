#include "platform/core/Exception.h"
#include "platform/ui/graphics/Bitmap.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "tests/skin/core/SkinCoreTestSupport.h"

#include <gtest/gtest.h>

namespace {

using skintest::ColorAt;
using skintest::FilledBitmap;

constexpr TsuiUIStyle kBuiltInStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

// --- typed getters -------------------------------------------------------------

struct IntCase {
    TsuiUIStyle Style;
    int Id;
    int Value;
};

class InsideThemeIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(InsideThemeIntTest, GivesTheBuiltInValue)
{
    EXPECT_EQ(GetInsideThemeInt(GetParam().Style, GetParam().Id), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Values, InsideThemeIntTest,
                         testing::Values(IntCase{BlueGlass, SuiThemeId::TitleBarButtonRightOffsetInt, -3},
                                         IntCase{BlueGlass, SuiThemeId::FormMinWidthInt, 270},
                                         IntCase{WinXP, SuiThemeId::FormRoundCornerInt, 13},
                                         // Elements of other kinds give -1.
                                         IntCase{DeepBlue, SuiThemeId::FormBackgroundColor, -1},
                                         IntCase{DeepBlue, SuiThemeId::ButtonImage, -1},
                                         IntCase{MacOS, SuiThemeId::ButtonTransparentBool, -1}));

struct ColorCase {
    TsuiUIStyle Style;
    int Id;
    TColor Value;
};

class InsideThemeColorTest : public testing::TestWithParam<ColorCase> {};

TEST_P(InsideThemeColorTest, GivesTheBuiltInValue)
{
    EXPECT_EQ(GetInsideThemeColor(GetParam().Style, GetParam().Id), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Values, InsideThemeColorTest,
                         testing::Values(ColorCase{WinXP, SuiThemeId::FormBorderColor, 0xC82C00},
                                         ColorCase{Protein, SuiThemeId::MenuSelectedBorderColor, 0xC4302D},
                                         ColorCase{MacOS, SuiThemeId::MenuBarColor, 0x000000},
                                         // Elements of other kinds give black.
                                         ColorCase{DeepBlue, SuiThemeId::FormMinWidthInt, 0},
                                         ColorCase{WinXP, SuiThemeId::TitleBarLeftImage, 0}));

TEST(InsideThemeBoolTest, GivesTheBuiltInValue)
{
    EXPECT_TRUE(GetInsideThemeBool(MacOS, SuiThemeId::ButtonTransparentBool));
    EXPECT_FALSE(GetInsideThemeBool(WinXP, SuiThemeId::ButtonTransparentBool));
    EXPECT_TRUE(GetInsideThemeBool(Protein, SuiThemeId::TitleBarButtonTransparentBool));
    EXPECT_FALSE(GetInsideThemeBool(DeepBlue, SuiThemeId::TitleBarButtonTransparentBool));
    // An integer element that holds 1 is still no boolean.
    EXPECT_EQ(GetInsideThemeInt(MacOS, SuiThemeId::FormBorderWidthInt), 1);
    EXPECT_FALSE(GetInsideThemeBool(MacOS, SuiThemeId::FormBorderWidthInt));
}

TEST(InsideThemeTest, FromThemeFileHasOnlyDefaults)
{
    for (int id = 1; id <= kThemeElementCount; ++id) {
        EXPECT_EQ(GetInsideThemeInt(FromThemeFile, id), -1) << id;
        EXPECT_EQ(GetInsideThemeColor(FromThemeFile, id), 0) << id;
        EXPECT_FALSE(GetInsideThemeBool(FromThemeFile, id)) << id;
    }
}

// --- bitmaps --------------------------------------------------------------------

TEST(InsideThemeBitmapTest, FromThemeFileLeavesTheBitmapAloneWithoutCount)
{
    auto buf = FilledBitmap(5, 4, clRed);
    GetInsideThemeBitmap(FromThemeFile, SuiThemeId::ButtonImage, buf.get());
    ASSERT_EQ(buf->Width(), 5);
    ASSERT_EQ(buf->Height(), 4);
    EXPECT_EQ(ColorAt(*buf, 4, 3), clRed);
}

TEST(InsideThemeBitmapTest, FromThemeFileWithCountGivesTheEmptyFrameOfNoPicture)
{
    auto buf = FilledBitmap(5, 4, clRed);
    GetInsideThemeBitmap(FromThemeFile, SuiThemeId::ButtonImage, buf.get(), 3, 1);
    EXPECT_EQ(buf->Width(), 0);
    EXPECT_EQ(buf->Height(), 0);
}

TEST(InsideThemeBitmapTest, ElementsOfOtherKindsLoadNothing)
{
    auto buf = FilledBitmap(5, 4, clRed);
    GetInsideThemeBitmap(DeepBlue, SuiThemeId::FormBorderColor, buf.get());
    EXPECT_EQ(buf->Width(), 5);
    GetInsideThemeBitmap(DeepBlue, SuiThemeId::ButtonImage, nullptr);  // no bitmap, nothing happens
}

class InsideThemeResourceTest : public testing::Test {
protected:
    void SetUp() override { skintest::UseAppResources(); }
};

TEST_F(InsideThemeResourceTest, CountAndIndexCutOneFrameOutOfTheStrip)
{
    TBitmap whole;
    TBitmap frame;
    try {
        GetInsideThemeBitmap(DeepBlue, SuiThemeId::CheckBoxImage, &whole);
        GetInsideThemeBitmap(DeepBlue, SuiThemeId::CheckBoxImage, &frame, 4, 2);
    } catch (const EResNotFound& e) {
        GTEST_SKIP() << "the skin bitmaps are not drawn yet: " << e.Message;
    }
    ASSERT_EQ(whole.Width(), 52);
    ASSERT_EQ(whole.Height(), 13);
    ASSERT_EQ(frame.Width(), 13);
    ASSERT_EQ(frame.Height(), 13);
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 13; ++x) ASSERT_EQ(ColorAt(frame, x, y), ColorAt(whole, 13 + x, y)) << x << "," << y;
    }
}

TEST_F(InsideThemeResourceTest, EveryBuiltInBitmapElementNamesAResource)
{
    if (!FindResource(TResourceKind::Bitmap, "DEEPBLUE_BUTTON")) GTEST_SKIP() << "the skin bitmaps are not drawn yet";
    for (const TsuiUIStyle style : kBuiltInStyles) {
        for (int id = 1; id <= kThemeElementCount; ++id) {
            if (ThemeElementKindOf(id) != TThemeElementKind::Bitmap) continue;
            SCOPED_TRACE(std::string(ThemeElementKey(id)) + " of style " + std::to_string(int(style)));
            TBitmap bitmap;
            EXPECT_NO_THROW(GetInsideThemeBitmap(style, id, &bitmap));
            EXPECT_FALSE(bitmap.Empty());
        }
    }
}

}  // namespace
