#include "platform/core/Exception.h"
#include "platform/core/ResourceStringTable.h"
#include "platform/core/Resources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

QZ_DECLARE_RESOURCE_TABLE(TestResources);

namespace {

class ResourcesTest : public testing::Test {
protected:
    void SetUp() override { RegisterResources(TestResources()); }
};

std::vector<std::uint8_t> FixtureFile(const std::string& relative)
{
    std::ifstream file(std::string(QZ_SOURCE_DIR) + "/tests/fixtures/resources/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> span)
{
    return {span.begin(), span.end()};
}

std::string ErrorOf(TResourceKind kind, const char* name)
{
    try {
        (void)LoadResource(kind, name);
    } catch (const EResNotFound& e) {
        return e.Message;
    }
    return "";
}

}  // namespace

TEST_F(ResourcesTest, FilesAreFoundByKindAndNameWithoutRegardToCase)
{
    EXPECT_EQ(Bytes(LoadResource(TResourceKind::Bitmap, "TEST_BUTTON")), FixtureFile("skins/TEST_BUTTON.bmp"));
    EXPECT_EQ(Bytes(LoadResource(TResourceKind::Bitmap, "test_button")), FixtureFile("skins/TEST_BUTTON.bmp"));
    EXPECT_EQ(Bytes(LoadResource(TResourceKind::Icon, "MainIcon")), FixtureFile("icons/MAINICON.bmp"));
    EXPECT_EQ(Bytes(LoadResource(TResourceKind::Data, "data/nested/blob.bin")), FixtureFile("data/nested/blob.bin"));
    EXPECT_TRUE(LoadResource(TResourceKind::Data, "data/empty.bin").empty());
    EXPECT_EQ(ResourceText(LoadResource(TResourceKind::Form, "TfrmTest")).substr(0, 22), "object frmTest: TTestF");
}

TEST_F(ResourcesTest, KindsAreSeparateAndHiddenFilesAreLeftOut)
{
    EXPECT_FALSE(FindResource(TResourceKind::Icon, "TEST_BUTTON"));
    EXPECT_FALSE(FindResource(TResourceKind::Data, "skins/TEST_BUTTON.bmp"));
    EXPECT_FALSE(FindResource(TResourceKind::Data, "data/.hidden"));
    EXPECT_TRUE(FindResource(TResourceKind::StringTable, "strings"));
}

TEST_F(ResourcesTest, MissingResourcesRaiseTheResourceError)
{
    EXPECT_EQ(ErrorOf(TResourceKind::Bitmap, "DEEPBLUE_BUTTON"), "Bitmap resource DEEPBLUE_BUTTON not found");
    EXPECT_EQ(ErrorOf(TResourceKind::Form, "TFRMMAIN"), "Form resource TFRMMAIN not found");
    try {
        (void)LoadResString("SNoSuchString");
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message, "String resource SNoSuchString not found");
    }
}

TEST_F(ResourcesTest, StringsAreFoundByIdentifier)
{
    EXPECT_EQ(LoadResString("SAppTitle"), "QZ Trellin");
    EXPECT_EQ(LoadResString("sopenfile"), "打开文件");
    EXPECT_EQ(LoadResString("SMultiLine"), "first\nsecond\ttabbed \\ back");
    EXPECT_EQ(FindResString("SPadded"), " kept as written ");
}

TEST_F(ResourcesTest, LaterTablesShadowEarlierOnesAndRegisteringTwiceChangesNothing)
{
    static const unsigned char kOther[] = {42};
    static const unsigned char kStrings[] = "SAppTitle=Other\n";
    static const TResourceEntry kEntries[] = {
        {TResourceKind::Data, "shadow/test.bin", kOther, kOther + 1},
        {TResourceKind::StringTable, "strings", kStrings, kStrings + sizeof kStrings - 1},
    };
    static const TResourceTable kTable{kEntries};
    RegisterResources(kTable);
    EXPECT_EQ(Bytes(LoadResource(TResourceKind::Data, "shadow/test.bin")), std::vector<std::uint8_t>{42});
    EXPECT_EQ(LoadResString("SAppTitle"), "Other");
    RegisterResources(TestResources());
    EXPECT_EQ(LoadResString("SAppTitle"), "Other");
    EXPECT_EQ(LoadResString("SOpenFile"), "打开文件");
}

TEST(ResourceStringTable, MalformedTablesNameTheirLine)
{
    const auto errorOf = [](std::string_view text) {
        try {
            (void)ParseStringTable(text, "strings");
        } catch (const EReadError& e) {
            return e.Message;
        }
        return std::string();
    };
    EXPECT_EQ(errorOf("A=1\nno equals sign\n"), "String table strings, line 2: '=' expected");
    EXPECT_EQ(errorOf("=text"), "String table strings, line 1: name expected before '='");
    EXPECT_EQ(errorOf("A B=text"), "String table strings, line 1: invalid name A B");
    EXPECT_EQ(errorOf("A=1\r\n# note\r\n\r\na=2"), "String table strings, line 4: duplicate name a");
    EXPECT_EQ(errorOf("A=bad \\q escape"), "String table strings, line 1: unknown escape after '\\'");
    EXPECT_EQ(errorOf("A=trailing \\"), "String table strings, line 1: unknown escape after '\\'");
    EXPECT_EQ(errorOf("A=1\nB=\xC3"), "String table strings, line 2: invalid UTF-8");
}

TEST(ResourceStringTable, ReadsNamesAndTextsInOrder)
{
    const auto strings = ParseStringTable("\xEF\xBB\xBF# c\nB=2\r\n\nA==x=\n", "strings");
    ASSERT_EQ(strings.size(), 2u);
    EXPECT_EQ(strings[0].Name, "B");
    EXPECT_EQ(strings[0].Text, "2");
    EXPECT_EQ(strings[1].Name, "A");
    EXPECT_EQ(strings[1].Text, "=x=");
}
