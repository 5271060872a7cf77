// Themes as folders: packing values.txt and one BMP per bitmap element, the
// refusals and their messages, unpacking without replacing anything, and
// listing a file's elements and stray entries.

#include "tests/skin/core/ThemeFileTestSupport.h"

#include "platform/core/Exception.h"
#include "skin/core/FileThemeMgr.h"
#include "tools/themefile/ThemeFileFolder.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace themetest;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class ThemeFolderTest : public ::testing::Test {
protected:
    ThemeFolderTest() { fs::create_directory(folder); }

    // The message packing gives, or "(packed)".
    [[nodiscard]] std::string PackError() const
    {
        try {
            PackThemeFolder(folder, out);
        } catch (const Exception& e) {
            return e.Message;
        }
        return "(packed)";
    }

    TempDir dir;
    const std::string folder = dir.File("theme");
    const std::string out = dir.File("theme.sui");
};

TEST_F(ThemeFolderTest, PackUnpackAndPackAgain)
{
    WritePictures(folder);
    WriteFile(folder + "/values.txt", "# numbers\n\nFormMinWidthInt = -5\nFormBorderColor=0xc82c00\n"
                                      "MenuFontColor=0XFFFFFFFF\nButtonTransparentBool=TRUE\n"
                                      "TitleBarButtonTransparentBool=0\n");
    const TThemeFolderResult packed = PackThemeFolder(folder, out);
    EXPECT_EQ(packed.Warnings.size(), std::size_t(kThemeElementCount - 19 - 5)) << "numbers left out";
    TsuiFileThemeMgr mgr;
    ASSERT_TRUE(mgr.LoadFromFile(out));
    EXPECT_EQ(mgr.GetInt(SuiThemeId::FormMinWidthInt), -5);
    EXPECT_EQ(mgr.GetColor(SuiThemeId::FormBorderColor), 0xC82C00);
    EXPECT_EQ(mgr.GetColor(SuiThemeId::MenuFontColor), -1);
    EXPECT_TRUE(mgr.GetBool(SuiThemeId::ButtonTransparentBool));
    TBitmap picture;
    mgr.GetBitmap(SuiThemeId::SideChannelBarImage, &picture);
    EXPECT_EQ(picture.Width(), WidthOf(SuiThemeId::SideChannelBarImage));

    const std::string back = dir.File("back");
    EXPECT_TRUE(UnpackThemeFile(out, back).Warnings.empty());
    EXPECT_EQ(TempDir::Read(back + "/values.txt"), "ButtonTransparentBool=True\nTitleBarButtonTransparentBool=False\n"
                                                   "FormMinWidthInt=-5\nFormBorderColor=0xC82C00\n"
                                                   "MenuFontColor=0xFFFFFFFF\n");
    EXPECT_EQ(TempDir::Read(back + "/ButtonImage.bmp"), TempDir::Read(folder + "/ButtonImage.bmp"));
    PackThemeFolder(back, dir.File("again.sui"));
    EXPECT_EQ(TempDir::Read(dir.File("again.sui")), TempDir::Read(out));
    EXPECT_THROW(UnpackThemeFile(out, back), EWriteError) << "never replaces files";
}

struct Refusal {
    const char* Name;
    std::string File;
    std::string Content;
    std::string Message;
};

class ThemeFolderRefusalTest : public ThemeFolderTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ThemeFolderRefusalTest, NamesTheFileAndTheProblem)
{
    WriteFile(folder + "/" + GetParam().File, GetParam().Content);
    EXPECT_EQ(PackError().substr(0, GetParam().Message.size()), GetParam().Message);
    EXPECT_FALSE(fs::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ThemeFolderRefusalTest,
    ::testing::Values(
        Refusal{"UnknownKey", "values.txt", "\nNope=1", "values.txt line 2: no theme element is named \"Nope\""},
        Refusal{"NoSeparator", "values.txt", "FormMinWidthInt 1", "values.txt line 1: expected Key=value"},
        Refusal{"HexInteger", "values.txt", "FormMinWidthInt=0x10",
                "values.txt line 1: \"0x10\" is no value for FormMinWidthInt (expected a decimal integer)"},
        Refusal{"IntegerTooLarge", "values.txt", "FormMinWidthInt=2147483648", "values.txt line 1: \"2147483648\""},
        Refusal{"DecimalColour", "values.txt", "FormBorderColor=255",
                "values.txt line 1: \"255\" is no value for FormBorderColor (expected a colour 0xBBGGRR)"},
        Refusal{"LongColour", "values.txt", "FormBorderColor=0x123456789", "values.txt line 1: \"0x123456789\""},
        Refusal{"WordBool", "values.txt", "ButtonTransparentBool=yes",
                "values.txt line 1: \"yes\" is no value for ButtonTransparentBool (expected True, False, 1 or 0)"},
        Refusal{"BitmapValue", "values.txt", "ButtonImage=1",
                "values.txt line 1: ButtonImage is a bitmap: give it as ButtonImage.bmp"},
        Refusal{"GivenTwice", "values.txt", "FormMinWidthInt=1\nFORMMINWIDTHINT=2",
                "values.txt line 2: FORMMINWIDTHINT is given twice"},
        Refusal{"UnknownPicture", "Nope.bmp", "x", "Nope.bmp: no theme element is named \"Nope\""},
        Refusal{"NumberPicture", "FormMinWidthInt.BMP", "x",
                "FormMinWidthInt.BMP: FormMinWidthInt is integer, give it in values.txt"},
        Refusal{"DamagedPicture", "ButtonImage.bmp", "BM not a picture", "ButtonImage.bmp: "},
        Refusal{"EmptyPicture", "ButtonImage.bmp", "", "ButtonImage.bmp: the picture is empty"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ThemeFolderTest, OtherFilesAreIgnoredAndMissingFoldersRefused)
{
    WriteFile(folder + "/README", "notes");
    fs::create_directory(folder + "/drafts.bmp");
    EXPECT_EQ(PackError(), "(packed)");
    EXPECT_THROW(PackThemeFolder(dir.File("absent"), out), EFOpenError);
}

TEST_F(ThemeFolderTest, UnpackAndListSkipEntriesThatAreNoElement)
{
    WriteFile(dir.File("x.bin"), "x");
    TBitmap(6, 2).SaveToFile(dir.File("b.bmp"));
    {
        TsuiThemeFileWriter writer(out);
        writer.AddFile("../escape", dir.File("x.bin"));
        writer.AddFile("ButtonImage", dir.File("b.bmp"));
        writer.AddFile("CheckBoxImage", dir.File("x.bin"));
        writer.AddStr("Author", "me");
        writer.AddInteger("FormMinWidthInt", 130);
        writer.AddBool("FormRoundCornerInt", true);
    }
    const Lines skipped{"../escape\tfile", "FormRoundCornerInt\tboolean", "Author\ttext"};
    const Lines listed = ListThemeFile(out);
    ASSERT_EQ(listed.size(), kThemeElementCount + skipped.size());
    EXPECT_EQ(listed[0], "ButtonImage\tbitmap\t6 x 2");
    EXPECT_EQ(listed[2].substr(0, 30), "CheckBoxImage\tbitmap\tdamaged: ");
    EXPECT_EQ(listed[3], "RadioButtonImage\tbitmap\tmissing");
    EXPECT_EQ(listed[12], "FormMinWidthInt\tinteger\t130");
    EXPECT_EQ(listed[13], "FormRoundCornerInt\tinteger\tmissing");
    EXPECT_EQ(listed.back(), "Author\ttext\tnot a theme element");

    const TThemeFolderResult result = UnpackThemeFile(out, dir.File("back"));
    EXPECT_EQ(result.Warnings.size(), skipped.size());
    EXPECT_EQ(result.Warnings[0], "skipped entry " + skipped[0]);
    EXPECT_FALSE(fs::exists(dir.File("escape")));
    EXPECT_EQ(TempDir::Read(dir.File("back/values.txt")), "FormMinWidthInt=130\n");
}

}  // namespace
