#include "platform/core/SysUtils.h"

#include "platform/core/Exception.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

TEST(SysUtils, IntToStrCoversTheFullRanges)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(INT_MIN), "-2147483648");
    EXPECT_EQ(IntToStr(INT64_MAX), "9223372036854775807");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
}

struct IntCase {
    const char* text;
    int value;
};

class StrToIntAccepts : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntAccepts, ClassicIntegerSyntax)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(SysUtils, StrToIntAccepts,
                         testing::Values(IntCase{"0", 0}, IntCase{"123", 123}, IntCase{"+7", 7}, IntCase{"-7", -7},
                                         IntCase{"  12", 12}, IntCase{"007", 7}, IntCase{"2147483647", INT_MAX},
                                         IntCase{"-2147483648", INT_MIN}, IntCase{"$1F", 31}, IntCase{"$ff", 255},
                                         IntCase{"0x10", 16}, IntCase{"-$10", -16}, IntCase{"$7FFFFFFF", INT_MAX},
                                         IntCase{"$FFFFFFFF", -1}, IntCase{"$80000000", INT_MIN}));

class StrToIntRefuses : public testing::TestWithParam<const char*> {};

TEST_P(StrToIntRefuses, WithTheClassicMessage)
{
    const std::string text = GetParam();
    try {
        (void)StrToInt(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'" + text + "' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef(text, -99), -99);
}

INSTANTIATE_TEST_SUITE_P(SysUtils, StrToIntRefuses,
                         testing::Values("", " ", "-", "+", "$", "0x", "12 ", "1a", "1.5", "--1", "2147483648",
                                         "-2147483649", "99999999999999999999", "$100000000", "$G", "\xE4\xB8\xAD"));

TEST(SysUtils, TrimRemovesBlanksAndControlsOnly)
{
    EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
    EXPECT_EQ(TrimLeft("  a  "), "a  ");
    EXPECT_EQ(TrimRight("  a  "), "  a");
    EXPECT_EQ(Trim("   "), "");
    // UTF-8 bytes are above the space and stay.
    EXPECT_EQ(Trim(" \xE4\xB8\xAD "), "\xE4\xB8\xAD");
}

TEST(SysUtils, CaseMappingTouchesAsciiLettersOnly)
{
    EXPECT_EQ(UpperCase("abc-XYZ \xC3\xA9"), "ABC-XYZ \xC3\xA9");
    EXPECT_EQ(LowerCase("ABC-xyz \xC3\x89"), "abc-xyz \xC3\x89");
}

TEST(SysUtils, CompareTextIgnoresAsciiCaseAndOrdersAsUpperCase)
{
    EXPECT_EQ(CompareText("Hello", "hELLO"), 0);
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("b", "A"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    // Compared as upper case: 'a' becomes 'A' (65), which sorts before '_' (95).
    EXPECT_LT(CompareText("a", "_"), 0);
    EXPECT_TRUE(SameText("BLUE", "blue"));
    EXPECT_FALSE(SameText("blue", "blue "));
    EXPECT_FALSE(SameText("\xC3\xA9", "\xC3\x89"));
}

TEST(SysUtils, FileExistsOnlyForFiles)
{
    TempDir dir;
    const std::string file = dir.Write("a.txt", "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.File("")));
    EXPECT_FALSE(FileExists(dir.File("missing")));
    EXPECT_FALSE(FileExists(""));
}

TEST(SysUtils, FileNamePartsSplitAtTheLastSlash)
{
    EXPECT_EQ(ExtractFileName("/home/u/setup.exe"), "setup.exe");
    EXPECT_EQ(ExtractFilePath("/home/u/setup.exe"), "/home/u/");
    EXPECT_EQ(ExtractFileExt("/home/u/setup.exe"), ".exe");
    EXPECT_EQ(ExtractFileName("setup.exe"), "setup.exe");
    EXPECT_EQ(ExtractFilePath("setup.exe"), "");
    EXPECT_EQ(ExtractFileName("/home/u/"), "");
    EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
    EXPECT_EQ(ExtractFileExt("/dir.d/README"), "");
    EXPECT_EQ(ExtractFileExt("name."), ".");
}
