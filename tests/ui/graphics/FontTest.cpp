#include "platform/core/Exception.h"
#include "platform/core/PropertyAccess.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/Gdi.h"

#include <gtest/gtest.h>

namespace {

struct SizeHeight {
    int Size;
    int Height;
};

class FontSizeTest : public testing::TestWithParam<SizeHeight> {};

TEST_P(FontSizeTest, SizeAndHeightConvertAt96PixelsPerInch)
{
    TFont font;
    font.SetSize(GetParam().Size);
    EXPECT_EQ(font.Height(), GetParam().Height);
    font.SetHeight(GetParam().Height);
    EXPECT_EQ(font.Size(), GetParam().Size);
}

// Height = -MulDiv(Size, 96, 72), rounded half away from zero.
INSTANTIATE_TEST_SUITE_P(Points, FontSizeTest,
                         testing::Values(SizeHeight{8, -11}, SizeHeight{9, -12}, SizeHeight{10, -13},
                                         SizeHeight{12, -16}, SizeHeight{0, 0}));

TEST(FontTest, DefaultsAreTheClassicDialogFont)
{
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_TRUE(font.Style().Empty());
}

TEST(FontTest, PositiveHeightIsTheCellHeightAndGivesANegativeSize)
{
    TFont font;
    font.SetHeight(16);
    EXPECT_EQ(font.Size(), -12);
    EXPECT_EQ(font.LogFont().lfHeight, 16);
}

TEST(FontTest, LogFontCarriesEveryAttribute)
{
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    font.SetCharset(GB2312_CHARSET);
    LOGFONT log;
    ASSERT_TRUE(GetObject(font.Handle(), log));
    EXPECT_EQ(log.lfFaceName, "Tahoma");
    EXPECT_EQ(log.lfHeight, -13);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_TRUE(log.lfItalic && log.lfUnderline && log.lfStrikeOut);
    EXPECT_EQ(log.lfCharSet, GB2312_CHARSET);
}

TEST(FontTest, HandleIsMadeAgainAfterAChangeButNotAfterAColourChange)
{
    TFont font;
    const HFONT first = font.Handle();
    EXPECT_EQ(font.Handle(), first);
    font.SetColor(clRed);
    EXPECT_EQ(font.Handle(), first);

    font.SetStyle({fsBold});
    const HFONT bold = font.Handle();
    EXPECT_NE(bold, first);
    EXPECT_EQ(GetObjectType(first), 0u) << "the old handle is deleted";
    LOGFONT log;
    ASSERT_TRUE(GetObject(bold, log));
    EXPECT_EQ(log.lfWeight, FW_BOLD);

    font.SetSize(12);
    ASSERT_TRUE(GetObject(font.Handle(), log));
    EXPECT_EQ(log.lfHeight, -16);
}

TEST(FontTest, OnChangeFiresOncePerChangeAndNotForEqualValues)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    };
    font.SetName("MS Sans Serif");
    font.SetHeight(-11);
    font.SetSize(8);
    EXPECT_EQ(changes, 0);

    font.SetName("Tahoma");
    font.SetColor(clRed);
    EXPECT_EQ(changes, 2);

    TFont other;
    other.SetName("Arial");
    other.SetHeight(-20);
    other.SetStyle({fsItalic});
    other.SetColor(clBlue);
    font.Assign(other);
    EXPECT_EQ(changes, 3);
    font.Assign(other);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Style(), TFontStyles{fsItalic});
    EXPECT_EQ(font.Color(), clBlue);
}

TEST(FontTest, SetHandleTakesTheAttributesAndTheHandle)
{
    LOGFONT log;
    log.lfFaceName = "Tahoma";
    log.lfHeight = -14;
    log.lfWeight = FW_BOLD;
    log.lfUnderline = 1;
    const HFONT handle = CreateFontIndirect(log);
    {
        TFont font;
        font.SetHandle(handle);
        EXPECT_EQ(font.Handle(), handle);
        EXPECT_EQ(font.Name(), "Tahoma");
        EXPECT_EQ(font.Height(), -14);
        EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));
    }
    EXPECT_EQ(GetObjectType(handle), 0u) << "the font owns the handle it took";
}

TEST(FontTest, AssigningAnotherKindOfObjectRaises)
{
    TFont font;
    TGraphicsObject other;
    EXPECT_THROW(font.Assign(other), EConvertError);
}

TEST(FontTest, PublishedPropertiesTakeFormDescriptionValues)
{
    TFont font;
    SetStrProp(font, "Name", "Tahoma");
    SetSetProp(font, "Style", "[fsBold, fsUnderline]");
    SetPropValue(font, "Color", std::string("clRed"));
    SetOrdProp(font, "Size", 9);
    SetEnumProp(font, "Pitch", "fpFixed");
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(font.Color(), clRed);
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Pitch(), fpFixed);
    EXPECT_EQ(GetSetProp(font, "Style"), "[fsBold, fsUnderline]");
}

}  // namespace
