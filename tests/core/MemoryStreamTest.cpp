#include "platform/core/MemoryStream.h"

#include "platform/core/Exception.h"
#include "platform/core/FileStream.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

namespace {

std::string Contents(TMemoryStream& stream)
{
    return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

}  // namespace

TEST(MemoryStream, WritesGrowTheBufferAndReadsStopAtTheEnd)
{
    TMemoryStream stream;
    EXPECT_EQ(stream.Size(), 0);
    stream.WriteBuffer("abcdef", 6);
    stream.SetPosition(2);
    stream.WriteBuffer("XY", 2);
    EXPECT_EQ(Contents(stream), "abXYef");
    EXPECT_EQ(stream.Position(), 4);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_EQ(stream.Read(buffer, 8), 0);
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros)
{
    TMemoryStream stream;
    EXPECT_EQ(stream.Seek(3, soBeginning), 3);
    EXPECT_EQ(stream.Size(), 0);
    stream.WriteBuffer("z", 1);
    EXPECT_EQ(Contents(stream), std::string("\0\0\0z", 4));
}

TEST(MemoryStream, SeekRefusesPositionsBeforeTheStart)
{
    TMemoryStream stream;
    stream.WriteBuffer("abc", 3);
    EXPECT_EQ(stream.Seek(-1, soEnd), 2);
    EXPECT_EQ(stream.Seek(-2, soCurrent), 0);
    EXPECT_THROW(stream.Seek(-1, soCurrent), EStreamError);
    EXPECT_THROW(stream.Seek(-4, soEnd), EStreamError);
    EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStream, SetSizeClampsThePositionAndClearEmpties)
{
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(Contents(stream), "ab");
    stream.SetSize(4);
    EXPECT_EQ(Contents(stream), std::string("ab\0\0", 4));
    EXPECT_THROW(stream.SetSize(-1), EStreamError);
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStream, LoadsAllOfASourceAndSavesAllOfItself)
{
    TMemoryStream source;
    source.WriteBuffer("payload", 7);  // position left at the end
    TMemoryStream copy;
    copy.WriteBuffer("old contents", 12);
    copy.LoadFromStream(source);
    EXPECT_EQ(Contents(copy), "payload");
    EXPECT_EQ(copy.Position(), 0);

    copy.Seek(0, soEnd);
    TMemoryStream saved;
    copy.SaveToStream(saved);
    EXPECT_EQ(Contents(saved), "payload");
}

TEST(MemoryStream, FileRoundTrip)
{
    TempDir dir;
    TMemoryStream stream;
    stream.WriteBuffer("\x00\x01\x02\xFF", 4);
    stream.SaveToFile(dir.File("bytes"));
    TMemoryStream loaded;
    loaded.LoadFromFile(dir.File("bytes"));
    EXPECT_EQ(Contents(loaded), std::string("\x00\x01\x02\xFF", 4));
    EXPECT_THROW(loaded.LoadFromFile(dir.File("missing")), EFOpenError);
    EXPECT_EQ(loaded.Size(), 4);  // a failed load keeps the contents
}

TEST(MemoryStream, LoadFromFileRefusesFilesAboveTheLimit)
{
    // A sparse file: the size is there, the disk blocks are not.
    TempDir dir;
    const std::string path = dir.Write("huge", "");
    ASSERT_EQ(::truncate(path.c_str(), kMaxLoadSize + 1), 0);
    TMemoryStream stream;
    stream.WriteBuffer("keep", 4);
    EXPECT_THROW(stream.LoadFromFile(path), EReadError);
    EXPECT_EQ(Contents(stream), "keep");

    ASSERT_EQ(::truncate(path.c_str(), 1000), 0);
    stream.LoadFromFile(path);
    EXPECT_EQ(stream.Size(), 1000);
}
