// Writing theme files: exact bytes, the order of the four kinds of entry,
// cut and repeated names, names holding "=", and saving again or after errors.

#include "tests/skin/core/ThemeFileTestSupport.h"

#include "platform/core/FileStream.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

namespace {

using namespace themetest;

class ThemeFileWriterTest : public ::testing::Test {
protected:
    TempDir dir;
    const std::string out = dir.File("out.sui");
};

TEST_F(ThemeFileWriterTest, EmptyWriterWritesHeaderAndTerminator)
{
    { TsuiThemeFileWriter writer(out); }
    EXPECT_EQ(TempDir::Read(out), Header() + kTerminator);
    EXPECT_EQ(TempDir::Read(out).size(), 101u);
}

TEST_F(ThemeFileWriterTest, SingleIntegerTakes182Bytes)
{
    { TsuiThemeFileWriter(out).AddInteger("FormMinWidthInt", 130); }
    const std::string bytes = TempDir::Read(out);
    ASSERT_EQ(bytes.size(), 182u);
    EXPECT_EQ(bytes.substr(24, 77), Record("FormMinWidthInt", kInteger, 101, 4, 105));
    EXPECT_EQ(bytes.substr(101, 4), std::string("\x82\0\0\0", 4));
    EXPECT_EQ(bytes.substr(105), kTerminator);
}

TEST_F(ThemeFileWriterTest, FilesTextsIntegersBooleansInThisOrder)
{
    const std::string pic = dir.File("pic.bin");
    WriteFile(pic, std::string("BM\0\x01", 4));
    {
        TsuiThemeFileWriter writer(out);
        writer.AddBool("Yes", true);
        writer.AddBool("No", false);
        writer.AddInteger("Neg", -3);
        writer.AddStr("Empty", "");
        writer.AddStr("Text", "abc");
        writer.AddFile("Pic", pic);
    }
    EXPECT_EQ(TempDir::Read(out), Image({{"Pic", kFile, std::string("BM\0\x01", 4)},
                                         {"Empty", kText, ""},
                                         {"Text", kText, "abc"},
                                         Int("Neg", -3),
                                         {"Yes", kBool, "\x01"},
                                         {"No", kBool, std::string(1, '\0')}}));
}

TEST_F(ThemeFileWriterTest, NamesAreCutTo64BytesAndRepeatsWriteTheFirstValue)
{
    const std::string name64(64, 'x');
    {
        TsuiThemeFileWriter writer(out);
        writer.AddInteger(name64 + "tail", 1);
        writer.AddInteger("Width", 2);
        writer.AddInteger("WIDTH", 3);
    }
    EXPECT_EQ(TempDir::Read(out), Image({Int(name64, 1), Int("Width", 2), Int("WIDTH", 2)}));
}

TEST_F(ThemeFileWriterTest, NameHoldingEqualsSignSplitsAtIt)
{
    { TsuiThemeFileWriter(out).AddStr("a=b", "c"); }
    EXPECT_EQ(TempDir::Read(out), Image({{"a", kText, "b=c"}}));
    TsuiThemeFileWriter writer(dir.File("int.sui"));
    writer.AddInteger("a=b", 5);
    EXPECT_THROW(writer.Save(), EConvertError) << "the value left is no number";
}

TEST_F(ThemeFileWriterTest, MissingEmbeddedFileStopsAfterWhatWasWritten)
{
    WriteFile(dir.File("good.bin"), "xyz");
    TsuiThemeFileWriter writer(out);
    writer.AddFile("Good", dir.File("good.bin"));
    writer.AddFile("Bad", dir.File("missing.bin"));
    EXPECT_THROW(writer.Save(), EFOpenError);
    EXPECT_EQ(TempDir::Read(out), Header() + Record("Good", kFile, 101, 3, 104) + "xyz");
    EXPECT_THROW(TsuiThemeFileWriter(dir.File("no/dir.sui")).Save(), EFCreateError);
}

TEST_F(ThemeFileWriterTest, DestructorSavesAgain)
{
    {
        TsuiThemeFileWriter writer(out);
        writer.AddInteger("A", 1);
        writer.Save();
        WriteFile(out, std::string(500, 'q'));
    }
    EXPECT_EQ(TempDir::Read(out), Image({Int("A", 1)}));
}

}  // namespace
