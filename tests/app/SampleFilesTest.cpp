// The committed sample files: they are what tools/mksamples makes, and
// tiny.exe is a well-formed executable image.

#include "tests/app/TestFiles.h"
#include "tools/mksamples/SampleFiles.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t U32(const ByteVector& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t U16(const ByteVector& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(SampleFiles, CommittedFilesEqualTheGeneratorsOutput)
{
    for (const SampleFile& sample : SampleFiles()) {
        SCOPED_TRACE(sample.Name + ": run scripts/mksamples to regenerate");
        EXPECT_EQ(ReadBytes(SourcePath("resources/samples/" + sample.Name)), sample.Bytes);
    }
}

TEST(SampleFiles, TinyExeIsAWellFormedImage)
{
    const ByteVector exe = TinyExe();
    ASSERT_LT(exe.size(), 1024u);
    ASSERT_EQ(exe[0], 'M');
    ASSERT_EQ(exe[1], 'Z');
    const std::uint32_t pe = U32(exe, 0x3C);
    ASSERT_LE(pe + 24 + 0xE0 + 40, exe.size());
    EXPECT_EQ(U32(exe, pe), 0x00004550u);          // "PE\0\0"
    EXPECT_EQ(U16(exe, pe + 4), 0x014C);           // i386
    EXPECT_EQ(U16(exe, pe + 6), 1);                // one section
    const std::size_t opt = pe + 24;
    EXPECT_EQ(U16(exe, pe + 20), 0xE0);            // optional header size
    EXPECT_EQ(U16(exe, opt), 0x010B);              // PE32
    const std::uint32_t entry = U32(exe, opt + 16);
    const std::uint32_t headers = U32(exe, opt + 60);
    EXPECT_EQ(headers % U32(exe, opt + 36), 0u);   // headers end on the file alignment
    const std::size_t section = opt + 0xE0;
    EXPECT_EQ(U32(exe, section + 12), entry);      // the entry point opens .text
    EXPECT_EQ(U32(exe, section + 20), headers);
    EXPECT_EQ(U32(exe, section + 20) + U32(exe, section + 16), exe.size());
    EXPECT_EQ(exe[headers], 0x31);                 // xor eax, eax
}

TEST(SampleFiles, NotesHoldNoSignature)
{
    const std::string_view text = kNotesText;
    EXPECT_EQ(text.find("MZ"), std::string_view::npos);
    EXPECT_NE(text.find("文件"), std::string_view::npos);
}

} // namespace
