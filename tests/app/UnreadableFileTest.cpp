// Files that cannot be analysed: the scan answers at once, never waits for a
// writer or for input, and the report says why instead of a length.

#include "app/AnalysisReport.h"
#include "app/BusErrorGuard.h"
#include "app/HeaderScanner.h"
#include "app/MappedFileSource.h"
#include "tests/app/TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

struct UnreadableCase {
    const char* Name;
    std::function<std::string(const ScratchDir&)> Make;  // the path to analyse
    InputError Error;
    const char* Line;
};

std::string MakeSocket(const ScratchDir& dir)
{
    const std::string path = (dir.Path() / "socket").string();
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);  // the socket's name stays in the folder
    return bound ? path : std::string();
}

class UnreadableFile : public testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableFile, GivesTheReasonInPlaceOfTheLengthAndFailsTheCheck)
{
    const UnreadableCase& c = GetParam();
    const ScratchDir dir;
    const std::string path = c.Make(dir);
    ASSERT_FALSE(path.empty() && c.Error != InputError::NotFound);
    const AnalysisReport report = AnalyseFile(path, HeaderCheck::On);
    EXPECT_EQ(report.Scan.Error, c.Error);
    EXPECT_EQ(report.Scan.Length, 0u);
    EXPECT_EQ(report.Verdict, HeaderVerdict::Failed);
    ASSERT_EQ(report.Lines.size(), 9u);
    EXPECT_EQ(report.Lines[2], std::string("无法读取文件：") + c.Line);
    EXPECT_EQ(report.Lines[5], "可执行头部数：0个");
    EXPECT_EQ(report.Lines[6], "文件头检测失败！");
    EXPECT_EQ(AnalyseFile(path, HeaderCheck::Off).Lines[2], report.Lines[2]);
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnreadableFile, testing::Values(
    UnreadableCase{"Missing", [](const ScratchDir& d) { return (d.Path() / "missing.exe").string(); },
        InputError::NotFound, "文件不存在"},
    UnreadableCase{"EmptyPath", [](const ScratchDir&) { return std::string(); }, InputError::NotFound, "文件不存在"},
    UnreadableCase{"UnderAFile", [](const ScratchDir& d) { return d.Write("plain.exe", {'M'}) + "/inner.exe"; },
        InputError::NotFound, "文件不存在"},
    UnreadableCase{"Folder", [](const ScratchDir& d) { return d.Path().string(); }, InputError::IsDirectory, "这是一个文件夹"},
    // A named pipe nobody writes to: opening it the usual way would wait for ever.
    UnreadableCase{"NamedPipeWithoutWriter", [](const ScratchDir& d) {
        const std::string path = (d.Path() / "fifo.exe").string();
        return mkfifo(path.c_str(), 0600) == 0 ? path : std::string();
    }, InputError::NotRegularFile, "不是普通文件（管道或设备）"},
    UnreadableCase{"Socket", MakeSocket, InputError::NotRegularFile, "不是普通文件（管道或设备）"},
    UnreadableCase{"CharacterDevice", [](const ScratchDir&) { return std::string("/dev/null"); },
        InputError::NotRegularFile, "不是普通文件（管道或设备）"}),
    [](const testing::TestParamInfo<UnreadableCase>& info) { return std::string(info.param.Name); });

TEST(UnreadableFile, AFileDeletedAfterItWasChosenIsNotFound)
{
    const ScratchDir dir;
    const std::string path = dir.Write("chosen.exe", ReadBytes(SourcePath("resources/samples/tiny.exe")));
    ASSERT_EQ(AnalyseFile(path, HeaderCheck::On).Scan.Headers, 1u);
    ASSERT_EQ(unlink(path.c_str()), 0);
    EXPECT_EQ(AnalyseFile(path, HeaderCheck::On).Lines[2], "无法读取文件：文件不存在");
}

// Root reads every file, so the check runs in a child that gives up root.
// Returns the error the child saw, or nothing when it could not drop it.
std::optional<InputError> ErrorWithoutPrivileges(const std::string& path)
{
    if (geteuid() != 0)
        return ScanFile(path, {HeaderCheck::On}).Error;
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(255);
        _exit(static_cast<int>(ScanFile(path, {HeaderCheck::On}).Error));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return std::nullopt;
    return static_cast<InputError>(WEXITSTATUS(status));
}

TEST(UnreadableFile, AFileWithoutReadPermissionSaysSo)
{
    const ScratchDir dir;
    const std::string path = dir.Write("locked.exe", ReadBytes(SourcePath("resources/samples/tiny.exe")));
    ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    const std::optional<InputError> error = ErrorWithoutPrivileges(path);
    if (!error)
        GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(*error, InputError::PermissionDenied);
    EXPECT_EQ(InputErrorText(*error), "权限不足");
}

// Another program cuts a mapped file short while the scan reads it: the read
// fails instead of ending the program.
TEST(UnreadableFile, AMappedFileCutShortDuringTheScanIsAReadFailure)
{
    constexpr std::size_t kSize = 64 * 1024;  // bytes
    const ScratchDir dir;
    const std::string path = dir.Write("cut.exe", Crafted(kSize).Header(0, 0x80).Pe(0x80).Header(kSize - 0x1000, 0x80).Bytes());
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    MappedFileSource source(fd, kSize, kSize);
    ASSERT_TRUE(source.Mapped());
    source.WindowAt(0, kHeaderSpan);  // the scan has begun: the file is data
    ASSERT_EQ(truncate(path.c_str(), 0), 0);
    const auto scan = [](void* context) { CountHeaders(*static_cast<MappedFileSource*>(context)); };
    EXPECT_FALSE(RunCatchingBusErrors(source.Bytes(), kSize, scan, &source));
    close(fd);
    // The guard is gone afterwards, and a scan that completes says so.
    ASSERT_EQ(truncate(path.c_str(), kSize), 0);
    EXPECT_TRUE(RunCatchingBusErrors(source.Bytes(), kSize, scan, &source));
}

} // namespace
