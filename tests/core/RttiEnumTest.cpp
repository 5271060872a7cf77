#include "tests/core/RttiTestClasses.h"

#include "platform/core/ColorIdent.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

TEST(RttiEnum, NamesFollowOrdinalOrder)
{
    const TEnumInfo& style = EnumInfoOf(TTestUIStyle{});
    EXPECT_EQ(style.TypeName(), "TTestUIStyle");
    ASSERT_EQ(style.Count(), 6);
    EXPECT_EQ(GetEnumName(style, FromThemeFile), "FromThemeFile");
    EXPECT_EQ(GetEnumName(style, BlueGlass), "BlueGlass");
    EXPECT_EQ(GetEnumName(style, 6), "");
    EXPECT_EQ(GetEnumName(style, -1), "");
}

TEST(RttiEnum, ValuesAreFoundWithoutRegardToCase)
{
    const TEnumInfo& style = EnumInfoOf(TTestUIStyle{});
    EXPECT_EQ(GetEnumValue(style, "DeepBlue"), DeepBlue);
    EXPECT_EQ(GetEnumValue(style, "deepblue"), DeepBlue);
    EXPECT_EQ(GetEnumValue(style, "Deep"), -1);
    EXPECT_EQ(GetEnumValue(style, ""), -1);
}

TEST(RttiEnum, SetsHaveABracketedTextForm)
{
    const TEnumInfo& styles = EnumInfoOf(TTestFontStyle{});
    EXPECT_EQ(SetToString(styles, 0), "[]");
    EXPECT_EQ(SetToString(styles, TTestFontStyles{fsUnderline, fsBold}.Bits()), "[fsBold, fsUnderline]");
    EXPECT_EQ(StringToSet(styles, "[fsItalic,fsStrikeOut]"), TTestFontStyles({fsItalic, fsStrikeOut}).Bits());
    EXPECT_EQ(StringToSet(styles, " [ ] "), 0u);
    EXPECT_EQ(StringToSet(styles, "fsBold"), TTestFontStyles{fsBold}.Bits());
    try {
        (void)StringToSet(styles, "[fsBold, fsHuge]");
        FAIL() << "no exception";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message, "Invalid set element: fsHuge");
    }
}

TEST(RttiEnum, EnumSetIncludesAndExcludes)
{
    TTestFontStyles set;
    EXPECT_TRUE(set.Empty());
    set.Include(fsItalic).Include(fsBold).Exclude(fsBold);
    EXPECT_TRUE(set.Contains(fsItalic));
    EXPECT_FALSE(set.Contains(fsBold));
    EXPECT_EQ(set, TTestFontStyles::FromBits(1u << fsItalic));
}

TEST(RttiEnum, ColoursReadAndWriteTheirIdentifiers)
{
    EXPECT_EQ(IdentToColor("clBtnFace"), clBtnFace);
    EXPECT_EQ(IdentToColor("CLBLACK"), clBlack);
    EXPECT_EQ(IdentToColor("clNoSuchColour"), std::nullopt);
    EXPECT_EQ(ColorToIdent(clHighlight), "clHighlight");
    EXPECT_EQ(ColorToString(clWindowText), "clWindowText");
    EXPECT_EQ(ColorToString(RGB(1, 2, 3)), "$00030201");
    EXPECT_EQ(StringToColor("$00030201"), RGB(1, 2, 3));
    EXPECT_EQ(StringToColor("clNone"), clNone);
    EXPECT_THROW((void)StringToColor("clPlaid"), EConvertError);
}
