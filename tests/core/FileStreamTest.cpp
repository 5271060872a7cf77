#include "platform/core/FileStream.h"

#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <string>

namespace {

timespec ModificationTime(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mtim;
}

std::string ReadAll(TStream& stream)
{
    stream.SetPosition(0);
    return stream.ReadToEnd();
}

}  // namespace

TEST(FileStream, CreateWritesAndReopenReads)
{
    TempDir dir;
    const std::string path = dir.File("out.bin");
    {
        TFileStream stream(path, fmCreate);
        stream.WriteBuffer("hello", 5);
        EXPECT_EQ(stream.Size(), 5);
        EXPECT_EQ(stream.Position(), 5);
        EXPECT_EQ(stream.FileName(), path);
    }
    TFileStream stream(path, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(ReadAll(stream), "hello");
}

TEST(FileStream, CreateTruncatesAnExistingFile)
{
    TempDir dir;
    const std::string path = dir.Write("f", "old contents");
    {
        TFileStream stream(path, fmCreate | fmShareExclusive);
    }
    EXPECT_EQ(TempDir::Read(path), "");
}

TEST(FileStream, SeekOriginsAndReadingPastTheEnd)
{
    TempDir dir;
    TFileStream stream(dir.Write("f", "0123456789"), fmOpenRead);
    EXPECT_EQ(stream.Seek(3, soBeginning), 3);
    EXPECT_EQ(stream.Seek(2, soCurrent), 5);
    EXPECT_EQ(stream.Seek(-1, soEnd), 9);
    char buffer[4] = {};
    EXPECT_EQ(stream.Read(buffer, 4), 1);
    EXPECT_EQ(buffer[0], '9');
    EXPECT_EQ(stream.Seek(100, soBeginning), 100);
    EXPECT_EQ(stream.Read(buffer, 4), 0);
    EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);
}

TEST(FileStream, OpenReadLeavesTheFileUntouched)
{
    TempDir dir;
    const std::string path = dir.Write("keep.exe", "MZ original bytes");
    const timespec old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    {
        TFileStream stream(path, fmOpenRead | fmShareDenyNone);
        EXPECT_EQ(ReadAll(stream), "MZ original bytes");
        EXPECT_THROW(stream.WriteBuffer("x", 1), EWriteError);
        EXPECT_THROW(stream.SetSize(0), EStreamError);
    }
    EXPECT_EQ(TempDir::Read(path), "MZ original bytes");
    EXPECT_EQ(ModificationTime(path).tv_sec, 1'000'000'000);
    EXPECT_EQ(ModificationTime(path).tv_nsec, 0);
}

TEST(FileStream, ReadStreamsShareTheFileWithReadersAndWriters)
{
    TempDir dir;
    const std::string path = dir.Write("shared", "abc");
    TFileStream first(path, fmOpenRead | fmShareDenyWrite);
    TFileStream second(path, fmOpenRead | fmShareExclusive);
    TFileStream writer(path, fmOpenReadWrite | fmShareDenyNone);
    writer.Seek(0, soEnd);
    writer.WriteBuffer("d", 1);
    EXPECT_EQ(ReadAll(first), "abcd");
    EXPECT_EQ(ReadAll(second), "abcd");
}

TEST(FileStream, OpenWriteKeepsContentsAndSetSizeTruncates)
{
    TempDir dir;
    const std::string path = dir.Write("f", "abcdef");
    {
        TFileStream stream(path, fmOpenWrite);
        stream.WriteBuffer("XY", 2);
        stream.Seek(0, soEnd);
        stream.SetSize(4);
        EXPECT_EQ(stream.Position(), 4);
        char c = 0;
        EXPECT_THROW(stream.Read(&c, 1), EReadError);
    }
    EXPECT_EQ(TempDir::Read(path), "XYcd");
}

TEST(FileStream, OpenFailuresNameTheFileAndTheReason)
{
    TempDir dir;
    const std::string missing = dir.File("missing");
    try {
        TFileStream stream(missing, fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file \"" + missing + "\". No such file or directory");
    }
    const std::string folder = dir.File("");
    try {
        TFileStream stream(folder, fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file \"" + folder + "\". Is a directory");
    }
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(TFileStream(pipe, fmOpenRead), EFOpenError);  // and does not block
    EXPECT_THROW(TFileStream(dir.Write("f", ""), 0x0003), EFOpenError);
}

TEST(FileStream, CreateFailureRaisesEFCreateError)
{
    TempDir dir;
    const std::string path = dir.File("no/such/dir/f");
    try {
        TFileStream stream(path, fmCreate);
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message, "Cannot create file \"" + path + "\". No such file or directory");
    }
    EXPECT_THROW(TFileStream(dir.File(""), fmCreate), EStreamError);
}
