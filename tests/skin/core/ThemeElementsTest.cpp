#include "skin/core/ThemeElements.h"
#include "skin/core/UIStyle.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ThemeElementsTest, IdsNameTheirKeys)
{
    EXPECT_EQ(ThemeElementKey(SuiThemeId::ButtonImage), "ButtonImage");
    EXPECT_EQ(ThemeElementKey(SuiThemeId::FormBorderColor), "FormBorderColor");
    EXPECT_EQ(ThemeElementKey(SuiThemeId::TitleBarButtonTopInt), "TitleBarButtonTopInt");
    EXPECT_EQ(ThemeElementKey(SuiThemeId::SideChannelBarImage), "SideChannelBarImage");
    EXPECT_EQ(SuiThemeId::FormBorderColor, 16);
    EXPECT_EQ(SuiThemeId::SideChannelBarImage, kThemeElementCount);
}

// Key names end in what their values are, so the kinds can be checked
// against the names for every element.
TEST(ThemeElementsTest, EveryKindMatchesItsKeysSuffix)
{
    std::set<std::string> keys;
    for (int id = 1; id <= kThemeElementCount; ++id) {
        const std::string key(ThemeElementKey(id));
        ASSERT_FALSE(key.empty()) << id;
        EXPECT_TRUE(keys.insert(key).second) << "duplicate key " << key;
        const auto endsWith = [&key](std::string_view suffix) { return key.ends_with(suffix); };
        ASSERT_TRUE(endsWith("Image") || endsWith("Color") || endsWith("Bool") || endsWith("Int")) << key;
        TThemeElementKind expected = TThemeElementKind::Integer;
        if (endsWith("Image")) expected = TThemeElementKind::Bitmap;
        if (endsWith("Color")) expected = TThemeElementKind::Color;
        if (endsWith("Bool")) expected = TThemeElementKind::Bool;
        EXPECT_EQ(ThemeElementKindOf(id), expected) << key;
    }
}

TEST(ThemeElementsTest, IdsOutsideTheTableHaveNoKeyAndCountAsIntegers)
{
    for (const int id : {0, -1, kThemeElementCount + 1}) {
        EXPECT_EQ(ThemeElementKey(id), "") << id;
        EXPECT_EQ(ThemeElementKindOf(id), TThemeElementKind::Integer) << id;
    }
}

TEST(ThemeElementsTest, StylesKeepTheirOrdinalsAndNames)
{
    EXPECT_EQ(int(FromThemeFile), 0);
    EXPECT_EQ(int(DeepBlue), 3);
    EXPECT_EQ(int(BlueGlass), 5);
    EXPECT_EQ(EnumInfoOf(TsuiUIStyle{}).Count(), kUIStyleCount);
    EXPECT_EQ(GetEnumName(EnumInfoOf(TsuiUIStyle{}), WinXP), "WinXP");
    static_assert(sizeof(TThemeElementKind) == 1);
}

}  // namespace
