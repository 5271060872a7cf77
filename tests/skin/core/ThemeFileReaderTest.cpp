// Reading theme files: look-ups without regard to case, defaults, the kinds
// of entry, repeated and unknown entries, the streams lent out, and damaged
// files, which end loading quietly with what was read before the damage.

#include "ThemeFileTestSupport.h"

#include "platform/core/FileStream.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

namespace {

using namespace themetest;

TEST(ThemeFileReaderTest, ReadsWhatTheWriterWrote)
{
    TempDir dir;
    WriteFile(dir.File("b.bmp"), "BMDATA");
    {
        TsuiThemeFileWriter writer(dir.File("t.sui"));
        writer.AddInteger("FormMinWidthInt", 130);
        writer.AddBool("ButtonTransparentBool", true);
        writer.AddStr("Author", "张三");
        writer.AddFile("ButtonImage", dir.File("b.bmp"));
    }
    TsuiThemeFileReader reader(dir.File("t.sui"));
    EXPECT_EQ(reader.GetInteger("formminwidthint"), 130);
    EXPECT_EQ(reader.GetInteger("FormRoundCornerInt"), -1);
    EXPECT_TRUE(reader.GetBool("BUTTONTRANSPARENTBOOL"));
    EXPECT_FALSE(reader.GetBool("FormMinWidthInt"));
    EXPECT_EQ(reader.GetStr("author"), "张三");
    EXPECT_EQ(reader.GetStr("Missing"), "");
    EXPECT_EQ(reader.GetFile("TitleBarLeftImage"), nullptr);
    TStream* picture = reader.GetFile("buttonimage");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->ReadToEnd(), "BMDATA");
    EXPECT_EQ(reader.GetFile("ButtonImage"), picture);
    EXPECT_EQ(picture->Position(), 0) << "lent again from its start";
    EXPECT_THROW(TsuiThemeFileReader(dir.File("none.sui")), EFOpenError);
}

TEST(ThemeFileReaderTest, EntryKinds)
{
    const std::string name64(64, 'n');
    TsuiThemeFileReader reader;
    LoadImage(reader, Image({{"Seven", kBool, "\x07"},
                             {"Odd", 9, "skipped"},
                             Int("Width", 1),
                             Int("WIDTH", 2),
                             Int(name64, 64),
                             Int("a=b", 3)}));
    EXPECT_TRUE(reader.GetBool("Seven")) << "any byte but 0 is true";
    EXPECT_EQ(reader.GetInteger("Odd"), -1) << "unknown types are skipped";
    EXPECT_EQ(reader.GetInteger("width"), 1) << "the first of a name wins";
    EXPECT_EQ(reader.GetInteger(name64), 64);
    EXPECT_EQ(reader.GetInteger(name64 + "x"), -1);
    EXPECT_EQ(reader.GetInteger("a"), -1) << "a name holding = leaves no number";
}

TEST(ThemeFileReaderTest, RecordsAndDataMayLieAnywhere)
{
    constexpr std::uint32_t kData = 24 + 3 * 77;
    TsuiThemeFileReader reader;
    std::string header = Header();
    header.replace(0, 10, "NotChecked");
    LoadImage(reader, header + Record("A", kInteger, kData, 4, 101) + Record("T", kText, kData + 4, 2, 178) +
                          kTerminator + LE32(9) + "hi");
    EXPECT_EQ(reader.GetInteger("A"), 9);
    EXPECT_EQ(reader.GetStr("T"), "hi");
}

struct Damage {
    const char* Name;
    std::string Bytes;
    int Kept;  // of the integers A = 1, B = 2, C = 3
};

// A and B as the writer lays them out; a third record would start at 186.
const std::string kAB = Header() + Record("A", kInteger, 101, 4, 105) + LE32(1) + Record("B", kInteger, 182, 4, 186) + LE32(2);

std::string C(std::uint8_t type, std::uint32_t data, std::uint32_t length, std::uint32_t next)
{
    return kAB + Record("C", type, data, length, next) + LE32(3) + LE32(3) + kTerminator;
}

class ThemeFileDamageTest : public ::testing::TestWithParam<Damage> {};

TEST_P(ThemeFileDamageTest, EndsLoadingKeepingEarlierEntries)
{
    TsuiThemeFileReader reader;
    LoadImage(reader, GetParam().Bytes);
    EXPECT_EQ(reader.Integers().Count(), GetParam().Kept);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(reader.GetInteger(std::string(1, char('A' + i))), i < GetParam().Kept ? i + 1 : -1);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, ThemeFileDamageTest,
    ::testing::Values(Damage{"Empty", "", 0}, Damage{"ShortHeader", Header().substr(0, 20), 0},
                      Damage{"HeaderSizeNot24", Image({Int("A", 1)}, Header(16)), 0},
                      Damage{"FirstRecordOutside", Header(24, 5000), 0},
                      Damage{"RecordCut", kAB.substr(0, 150), 1}, Damage{"NoTerminator", kAB, 2},
                      // C itself is whole; the chain ends after it.
                      Damage{"NextPointsBack", C(kInteger, 263, 4, 24), 3},
                      Damage{"NextPointsAtItself", C(kInteger, 263, 4, 186), 3},
                      Damage{"NextOverlapsRecord", C(kInteger, 263, 4, 200), 3},
                      Damage{"NextBeyondEnd", C(kInteger, 263, 4, 0xFFFFFF00u), 3},
                      Damage{"IntegerLengthNot4", C(kInteger, 263, 8, 271), 2},
                      Damage{"BoolLengthNot1", C(kBool, 263, 2, 265), 2},
                      Damage{"DataBeyondEnd", C(kText, 263, 0x7FFFFFFF, 263), 2},
                      Damage{"DataOffsetHuge", C(kInteger, 0xFFFFFFFEu, 4, 267), 2}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ThemeFileReaderTest, SharedDataIsNotCopiedBeyondTheFileSize)
{
    constexpr int kRecords = 20;
    constexpr std::uint32_t kData = 24 + (kRecords + 1) * 77;
    std::string bytes = Header();
    for (int i = 0; i < kRecords; ++i) {
        bytes += Record("P" + std::to_string(i), kFile, kData, 4000, std::uint32_t(bytes.size() + 77));
    }
    bytes += kTerminator + std::string(4000, 'x');
    TsuiThemeFileReader reader;
    LoadImage(reader, bytes);
    EXPECT_EQ(reader.Files().Count(), int(bytes.size() / 4000));
}

}  // namespace
