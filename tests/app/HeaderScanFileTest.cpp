// The header scan on real files: what it leaves untouched, what it cannot
// read, pipes and devices, and files past the 32-bit range.

#include "app/AnalysisReport.h"
#include "app/FileScanSource.h"
#include "app/HeaderScan.h"
#include "app/HeaderScanner.h"
#include "tests/app/CountRoutes.h"
#include "tests/app/LiteralHeaderCount.h"
#include "tests/app/TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A pipe whose read end is open as a path (/proc/self/fd/N) while a thread
// writes the bytes in small pieces, so reads come back short.
class FedPipe {
public:
    explicit FedPipe(ByteVector bytes)
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe2");
        m_readFd = fds[0];
        m_writer = std::thread([fd = fds[1], bytes = std::move(bytes)] {
            constexpr std::size_t kPiece = 1000;  // bytes per write
            for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
                const std::size_t n = std::min(kPiece, bytes.size() - at);
                if (write(fd, bytes.data() + at, n) != static_cast<ssize_t>(n))
                    break;
            }
            close(fd);
        });
    }
    FedPipe(const FedPipe&) = delete;
    FedPipe& operator=(const FedPipe&) = delete;
    ~FedPipe()
    {
        close(m_readFd);  // a writer still blocked gets EPIPE and ends
        m_writer.join();
    }

    [[nodiscard]] std::string Path() const { return "/proc/self/fd/" + std::to_string(m_readFd); }

private:
    int m_readFd = -1;
    std::thread m_writer;
};

ByteVector SeveralHeaders()
{
    return Crafted(300 * 1024)
        .Header(0, 0x80).Pe(0x80)
        .Header(100000, 5000).Pe(105000)
        .Header(200000, -50000).Pe(150000)
        .Header(250000, 0x40).Pe(250000 + 0x40)
        .Bytes();
}

TEST(HeaderScanFile, AnalysisLeavesTheFileAsItWas)
{
    const ScratchDir dir;
    const ByteVector bytes = Joined(SeveralHeaders(), SeveralHeaders());
    const std::string path = dir.Write("victim.exe", bytes);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);

    AnalyseFile(path, HeaderCheck::On);
    AnalyseFile(path, HeaderCheck::Off);

    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_mode, before.st_mode);
}

TEST(HeaderScanFile, APipeIsRefusedWithoutWaitingForData)
{
    // A writer that holds the pipe open but never writes: a read would wait for ever.
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
    const FileScan scan = ScanFile("/proc/self/fd/" + std::to_string(fds[0]), {HeaderCheck::On});
    close(fds[0]);
    close(fds[1]);
    EXPECT_EQ(scan.Error, InputError::NotRegularFile);
}

TEST(HeaderScanFile, APipeReadToItsEndCountsAsAStreamAndOneWithoutAWriterIsEmpty)
{
    // The command line reads the pipes it is given; a named pipe that nobody
    // writes to must still not make it wait.
    const ByteVector bytes = Crafted(30000).Header(100, 0x80).Pe(100 + 0x80).Header(20000, 0x40).Pe(20064).Bytes();
    const FedPipe pipe(bytes);
    const FileScan fed = ScanFile(pipe.Path(), {HeaderCheck::On, ScanDepth::Classic, false, PipeInput::ReadToEnd});
    EXPECT_EQ(fed.Error, InputError::None);
    EXPECT_EQ(fed.Length, bytes.size());
    EXPECT_EQ(fed.Headers, 2u);

    const ScratchDir dir;
    const std::string fifo = (dir.Path() / "nobody.exe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const FileScan idle = ScanFile(fifo, {HeaderCheck::On, ScanDepth::Classic, false, PipeInput::ReadToEnd});
    EXPECT_EQ(idle.Error, InputError::None);
    EXPECT_EQ(idle.Length, 0u);
}

TEST(HeaderScanFile, APipeFollowsOnlyTheOffsetsItsBufferSpans)
{
    const ScratchDir dir;
    ScanLimits limits;
    limits.StreamKeepBehind = 1000;
    limits.StreamReach = 4096;
    struct Case {
        std::int32_t Offset;
        std::uint64_t InPipe;
    };
    for (const Case c : {Case{4094, 1}, Case{4095, 0}, Case{-1000, 1}, Case{-1001, 0}}) {
        SCOPED_TRACE(c.Offset);
        const std::size_t mz = 20000;
        const ByteVector bytes = Crafted(40000).Header(mz, c.Offset).Pe(mz + c.Offset).Bytes();
        EXPECT_EQ(CountExeHeaders(dir.Write("far.exe", bytes), limits), 1u);
        const FedPipe pipe(bytes);
        EXPECT_EQ(CountAsStream(pipe.Path(), limits), c.InPipe);
    }
}

TEST(HeaderScanFile, GeneratedFilesAreReadAsStreams)
{
    // The kernel's generated files report size 0 yet have content.
    EXPECT_GT(GetFileLength("/proc/self/status"), 0u);
    EXPECT_EQ(CountExeHeaders("/proc/self/status"), 0u);
}

TEST(HeaderScanFile, AFileShorterThanItsRecordedSizeEndsWhereItsDataEnds)
{
    const ScratchDir dir;
    const ByteVector bytes = Crafted(0x1000).Header(0, 0x80).Pe(0x80).Header(0xF00, 0x20).Pe(0xF20).Bytes();
    const std::string path = dir.Write("shrunk.exe", bytes);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    for (const std::size_t block : {64, 100, 4096}) {
        // As if the file had been cut after its size was taken.
        FileScanSource source(fd, bytes.size() + 50000, block);
        EXPECT_EQ(CountHeaders(source), 2u) << block;
    }
    close(fd);
}

// A sparse file of a little over 2 GiB: a header whose "PE" lies beyond the
// 2 GiB line, and one past it whose offset is the most negative there is.
TEST(HeaderScanFile, PositionsPastTwoGibibytesUseSixtyFourBits)
{
    constexpr std::uint64_t k2GiB = 1ull << 31;
    const ScratchDir dir;
    const std::string path = (dir.Path() / "large.exe").string();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const auto put = [fd](std::uint64_t at, const ByteVector& bytes) {
        return pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(at)) == static_cast<ssize_t>(bytes.size());
    };
    const std::uint64_t first = k2GiB - 100;
    const std::uint64_t second = k2GiB + 4096;
    const bool written = ftruncate(fd, static_cast<off_t>(k2GiB + 8192)) == 0
        && put(first, Crafted(64).Header(0, 200).Bytes())
        && put(first + 200, {'P', 'E'})
        && put(second, Crafted(64).Header(0, INT32_MIN).Bytes())
        && put(second - k2GiB, {'P', 'E'});
    close(fd);
    ASSERT_TRUE(written);

    EXPECT_EQ(GetFileLength(path), k2GiB + 8192);
    EXPECT_EQ(CountExeHeaders(path), 2u);
}

// Data runs between holes: blocks in holes are not read, blocks around them
// are, and look-ups land in both.
TEST(HeaderScanFile, SparseFilesMatchTheLiteralScan)
{
    constexpr std::uint64_t kRun = 64 * 1024;  // bytes between data runs
    const ScratchDir dir;
    const std::string path = (dir.Path() / "sparse.exe").string();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const auto back = [](std::uint64_t from, std::uint64_t to) { return -static_cast<std::int32_t>(from - to); };
    const ByteVector runs[] = {
        // At 0: a "PE" into a hole (no), one into the next run (yes).
        Crafted(300).Header(0, 3 * kRun).Header(10, 2 * kRun + 40).Pe(250).Bytes(),
        // At 2 * kRun: one back into the first run, a plain one, one into the last run.
        Crafted(5000).Pe(50).Header(3000, back(2 * kRun + 3000, 250)).Header(4000, 0x80).Pe(4000 + 0x80).Header(4500, 2 * kRun - 4500).Bytes(),
        // At 4 * kRun.
        Crafted(100).Pe(0).Bytes(),
    };
    bool written = ftruncate(fd, static_cast<off_t>(4 * kRun)) == 0;
    for (std::size_t i = 0; i < std::size(runs); ++i)
        written = written && pwrite(fd, runs[i].data(), runs[i].size(), static_cast<off_t>(i * 2 * kRun)) == static_cast<ssize_t>(runs[i].size());
    close(fd);
    ASSERT_TRUE(written);

    const std::uint64_t expected = LiteralCountExeHeaders(path.c_str());
    EXPECT_EQ(expected, 4u);
    for (const RouteCount& route : CountByEveryRoute(path))
        EXPECT_EQ(route.Count, expected) << route.Route;
}

} // namespace
