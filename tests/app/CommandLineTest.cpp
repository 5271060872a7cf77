// The command line: argument parsing, output and exit codes, and one run of
// the real program.

#include "app/CommandLine.h"
#include "app/JsonReport.h"
#include "tests/app/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

using Args = std::vector<const char*>;

struct ParseCase {
    const char* Name;
    Args Arguments;
    CommandMode Mode;
    HeaderCheck Check = HeaderCheck::On;
    std::vector<std::string> Files = {};
};

class CommandLineParse : public testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, GivesModeSwitchAndFiles)
{
    const ParseCase& c = GetParam();
    const CommandLine command = ParseCommandLine(c.Arguments);
    EXPECT_EQ(command.Mode, c.Mode);
    if (c.Mode == CommandMode::Report) {
        EXPECT_EQ(command.Check, c.Check);
        EXPECT_EQ(command.Files, c.Files);
    } else if (c.Mode == CommandMode::UsageError) {
        EXPECT_FALSE(command.Error.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineParse, testing::Values(
    ParseCase{"NoneOpensTheWindow", {}, CommandMode::Window},
    ParseCase{"Help", {"--help"}, CommandMode::Help},
    ParseCase{"ShortHelp", {"-h"}, CommandMode::Help},
    ParseCase{"HelpWinsOverAReport", {"--report", "a.exe", "--help"}, CommandMode::Help},
    ParseCase{"Report", {"--report", "a.exe", "b.exe"}, CommandMode::Report, HeaderCheck::On, {"a.exe", "b.exe"}},
    ParseCase{"NoHeaderCheck", {"--report", "--no-header-check", "a.exe"}, CommandMode::Report, HeaderCheck::Off, {"a.exe"}},
    ParseCase{"OptionsInAnyOrder", {"--no-header-check", "a.exe", "--report"}, CommandMode::Report, HeaderCheck::Off, {"a.exe"}},
    ParseCase{"DashDashEndsOptions", {"--report", "--", "--help", "-x"}, CommandMode::Report, HeaderCheck::On, {"--help", "-x"}},
    ParseCase{"LoneDashIsAFileName", {"--report", "-"}, CommandMode::Report, HeaderCheck::On, {"-"}},
    ParseCase{"FindingsOptions", {"--report", "--thorough", "--offsets", "--json", "a.exe"}, CommandMode::Report, HeaderCheck::On, {"a.exe"}},
    ParseCase{"ThoroughNeedsTheCheck", {"--report", "--no-header-check", "--thorough", "a.exe"}, CommandMode::UsageError},
    ParseCase{"OffsetsNeedTheCheck", {"--report", "--offsets", "--no-header-check", "a.exe"}, CommandMode::UsageError},
    ParseCase{"ReportWithoutFiles", {"--report"}, CommandMode::UsageError},
    ParseCase{"FilesWithoutReport", {"a.exe"}, CommandMode::UsageError},
    ParseCase{"UnknownOption", {"--report", "--bogus", "a.exe"}, CommandMode::UsageError},
    ParseCase{"EmptyFileName", {"--report", ""}, CommandMode::UsageError},
    ParseCase{"Screenshot", {"--screenshot", "w.png"}, CommandMode::Screenshot},
    ParseCase{"ScreenshotWithoutFile", {"--screenshot"}, CommandMode::UsageError},
    ParseCase{"ScreenshotAfterAnAnalysis", {"--screenshot", "a.png", "b.exe"}, CommandMode::Screenshot},
    ParseCase{"ScreenshotOfTwoFiles", {"--screenshot", "a.png", "b.exe", "c.exe"}, CommandMode::UsageError}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.Name); });

struct RunResult {
    int Code = -1;
    std::string Out;
    std::string Err;
};

RunResult RunWith(const Args& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCommandLine(ParseCommandLine(args), out, err);
    return {code, out.str(), err.str()};
}

std::string Sample(const char* name)
{
    return SourcePath(std::string("resources/samples/") + name);
}

TEST(CommandLine, HelpGoesToStandardOutput)
{
    const RunResult run = RunWith({"--help"});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Out, UsageText());
    EXPECT_TRUE(run.Err.empty());
}

TEST(CommandLine, AUsageErrorExplainsAndShowsTheUsageOnStandardError)
{
    const RunResult run = RunWith({"--report", "--bogus"});
    EXPECT_EQ(run.Code, static_cast<int>(ExitCode::Usage));
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find("--bogus"), std::string::npos);
    EXPECT_NE(run.Err.find(UsageText()), std::string::npos);
}

TEST(CommandLine, ReportsAreSeparatedByABlankLine)
{
    const std::string tiny = Sample("tiny.exe");
    const std::string notes = Sample("notes.txt");
    const RunResult run = RunWith({"--report", "--no-header-check", tiny.c_str(), notes.c_str()});
    EXPECT_EQ(run.Out,
        "开始分析...\n文件位置：" + tiny + "\n文件长度：448Byte(s)\n\n分析全部结束\n"
        "\n"
        "开始分析...\n文件位置：" + notes + "\n文件长度：499Byte(s)\n\n分析全部结束\n");
    EXPECT_EQ(run.Code, 0);
}

TEST(CommandLine, AnUnreadableFileIsReportedAndTheRunGoesOn)
{
    const std::string missing = Sample("missing.exe");
    const std::string tiny = Sample("tiny.exe");
    const RunResult run = RunWith({"--report", missing.c_str(), tiny.c_str()});
    EXPECT_NE(run.Out.find("无法读取文件：文件不存在\n\n文件头部分析...\n可执行头部数：0个\n文件头检测失败！\n"), std::string::npos);
    EXPECT_NE(run.Out.find("可执行头部数：1个"), std::string::npos);
    EXPECT_EQ(run.Err, "qzviewer: 无法读取文件：" + missing + "（文件不存在）\n");
    EXPECT_EQ(run.Code, static_cast<int>(ExitCode::CheckFailed));
}

// A binder's trick: the first header's offset leads far ahead, so the classic
// scan skips the two executables joined in between.
ByteVector HidingFile()
{
    return Crafted(0x3000).Header(0, 0x2800).Pe(0x2800).Header(0x1000, 0x80).Pe(0x1080).Header(0x2000, 0x40).Pe(0x2040).Bytes();
}

TEST(CommandLine, ThoroughCountsTheHeadersTheClassicScanSkipsAndWarns)
{
    const ScratchDir dir;
    const std::string path = dir.Write("binder.exe", HidingFile());
    const RunResult classic = RunWith({"--report", path.c_str()});
    EXPECT_EQ(classic.Code, static_cast<int>(ExitCode::Passed));
    EXPECT_NE(classic.Out.find("可执行头部数：1个\n文件通过常规安全检查，可以使用！\n"), std::string::npos);

    const RunResult thorough = RunWith({"--report", "--thorough", path.c_str()});
    EXPECT_EQ(thorough.Code, static_cast<int>(ExitCode::MayBeBound));
    EXPECT_NE(thorough.Out.find("可执行头部数：1个\n逐个检查：常规计数漏掉了 2 个可执行头部\n文件可能经过捆绑，请小心使用！\n"),
        std::string::npos);
}

TEST(CommandLine, OffsetsFollowEachReportOneLinePerHeader)
{
    const ScratchDir dir;
    const std::string path = dir.Write("binder.exe", HidingFile());
    const std::string tiny = Sample("tiny.exe");
    const RunResult run = RunWith({"--report", "--offsets", "--thorough", path.c_str(), tiny.c_str()});
    EXPECT_NE(run.Out.find("分析全部结束\n"
        "头部 1：MZ 位于 0 (0x0)，PE 位于 10240 (0x2800)\n"
        "头部 2：MZ 位于 4096 (0x1000)，PE 位于 4224 (0x1080)（常规计数漏掉）\n"
        "头部 3：MZ 位于 8192 (0x2000)，PE 位于 8256 (0x2040)（常规计数漏掉）\n"
        "\n开始分析..."), std::string::npos) << run.Out;
    EXPECT_TRUE(run.Out.ends_with("分析全部结束\n头部 1：MZ 位于 0 (0x0)，PE 位于 128 (0x80)\n")) << run.Out;
}

TEST(CommandLine, JsonGivesOneObjectPerFile)
{
    const ScratchDir dir;
    const std::string path = dir.Write("binder.exe", HidingFile());
    const std::string missing = (dir.Path() / "missing.exe").string();
    const RunResult run = RunWith({"--report", "--json", "--offsets", path.c_str(), missing.c_str()});
    EXPECT_EQ(run.Out,
        "{\"path\":\"" + path + "\",\"length\":12288,\"error\":null,\"verdict\":\"passed\",\"headers\":1,"
        "\"offsets\":[{\"mz\":0,\"pe\":10240,\"missed\":false}],\"unlisted\":0}\n"
        "{\"path\":\"" + missing + "\",\"length\":null,\"error\":\"not-found\",\"error_text\":\"文件不存在\","
        "\"verdict\":\"failed\",\"headers\":0,\"offsets\":[],\"unlisted\":0}\n");
    EXPECT_EQ(run.Code, static_cast<int>(ExitCode::CheckFailed));
    const RunResult thorough = RunWith({"--report", "--json", "--thorough", path.c_str()});
    EXPECT_NE(thorough.Out.find("\"verdict\":\"may-be-bound\",\"headers\":1,\"missed\":2}"), std::string::npos) << thorough.Out;
}

struct JsonCase {
    const char* Name;
    std::string Text;
    const char* Json;
    bool Lossless;
};

class JsonStrings : public testing::TestWithParam<JsonCase> {};

TEST_P(JsonStrings, AreValidForAnyBytes)
{
    bool lossless = !GetParam().Lossless;
    EXPECT_EQ(JsonString(GetParam().Text, &lossless), GetParam().Json);
    EXPECT_EQ(lossless, GetParam().Lossless);
}

INSTANTIATE_TEST_SUITE_P(Bytes, JsonStrings, testing::Values(
    JsonCase{"Plain", "/tmp/a b.exe", "\"/tmp/a b.exe\"", true},
    JsonCase{"QuoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\"", true},
    JsonCase{"ControlCharacters", std::string("a\n\t\x01\0z", 6), "\"a\\u000a\\u0009\\u0001\\u0000z\"", true},
    JsonCase{"Chinese", "样本.exe", "\"样本.exe\"", true},
    JsonCase{"FourByteSequence", "\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\"", true},
    JsonCase{"StrayByte", "a\xFF" "b", "\"a\\ufffdb\"", false},
    JsonCase{"Overlong", "\xC0\x80", "\"\\ufffd\\ufffd\"", false},
    JsonCase{"Surrogate", "\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\"", false},
    JsonCase{"CutSequence", "\xE6\xA0", "\"\\ufffd\\ufffd\"", false},
    JsonCase{"PastTheLastCodePoint", "\xF4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\"", false}),
    [](const testing::TestParamInfo<JsonCase>& info) { return std::string(info.param.Name); });

TEST(CommandLine, JsonKeepsAPathThatIsNoUtf8ByteForByte)
{
    const ScratchDir dir;
    const std::string path = dir.Write("\xFF\"x.exe", Crafted(10).Bytes());
    const RunResult run = RunWith({"--report", "--json", path.c_str()});
    std::string hex;
    for (const char c : path) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
        hex += digits;
    }
    EXPECT_NE(run.Out.find("\\ufffd\\\"x.exe\",\"path_hex\":\"" + hex + "\",\"length\":10,"), std::string::npos) << run.Out;
}

struct ExitCase {
    const char* Name;
    std::vector<const char*> Samples;
    HeaderCheck Check;
    ExitCode Expected;
};

class CommandLineExit : public testing::TestWithParam<ExitCase> {};

TEST_P(CommandLineExit, TheMostAlarmingFindingDecides)
{
    const ExitCase& c = GetParam();
    std::vector<std::string> paths;
    for (const char* sample : c.Samples)
        paths.push_back(Sample(sample));
    Args args{"--report"};
    if (c.Check == HeaderCheck::Off)
        args.push_back("--no-header-check");
    for (const std::string& path : paths)
        args.push_back(path.c_str());
    EXPECT_EQ(RunWith(args).Code, static_cast<int>(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(Samples, CommandLineExit, testing::Values(
    ExitCase{"OnePassed", {"tiny.exe"}, HeaderCheck::On, ExitCode::Passed},
    ExitCase{"Bound", {"bound.exe"}, HeaderCheck::On, ExitCode::MayBeBound},
    ExitCase{"NoHeader", {"notes.txt"}, HeaderCheck::On, ExitCode::CheckFailed},
    ExitCase{"Missing", {"missing.exe"}, HeaderCheck::On, ExitCode::CheckFailed},
    ExitCase{"PassedAndBound", {"tiny.exe", "bound.exe"}, HeaderCheck::On, ExitCode::MayBeBound},
    ExitCase{"BoundOutranksFailed", {"notes.txt", "bound.exe"}, HeaderCheck::On, ExitCode::MayBeBound},
    ExitCase{"BoundOutranksMissing", {"bound.exe", "missing.exe"}, HeaderCheck::On, ExitCode::MayBeBound},
    ExitCase{"FailedOutranksPassed", {"tiny.exe", "notes.txt"}, HeaderCheck::On, ExitCode::CheckFailed},
    ExitCase{"UncheckedReadable", {"bound.exe", "notes.txt"}, HeaderCheck::Off, ExitCode::Passed},
    ExitCase{"UncheckedMissing", {"tiny.exe", "missing.exe"}, HeaderCheck::Off, ExitCode::CheckFailed}),
    [](const testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.Name); });

// Runs the real program through the shell; standard error joins the output.
RunResult RunProgram(const std::string& arguments, const std::string& environment = "")
{
    const std::string command = environment + "'" + QZ_VIEWER + "' " + arguments + " 2>&1";
    RunResult run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.Out.append(buffer, n);
    const int status = pclose(pipe);
    run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(CommandLineProgram, ReportsTheSamplesAndExitsWithTheVerdict)
{
    const RunResult run = RunProgram("--report '" + Sample("bound.exe") + "'");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Out.find("可执行头部数：2个\n文件可能经过捆绑，请小心使用！\n\n分析全部结束\n"), std::string::npos);
}

TEST(CommandLineProgram, ReadsAPipeToItsEnd)
{
    const RunResult run = RunProgram("--report /dev/stdin", "cat '" + Sample("bound.exe") + "' | ");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Out.find("可执行头部数：2个\n"), std::string::npos);
}

TEST(CommandLineProgram, WithoutADisplayItSaysSoAndShowsTheAlternatives)
{
    const RunResult run = RunProgram("", "env -u DISPLAY -u WAYLAND_DISPLAY QZ_BACKEND=auto ");
    EXPECT_EQ(run.Code, 3);
    EXPECT_NE(run.Out.find("--report"), std::string::npos);
    EXPECT_NE(run.Out.find("--screenshot"), std::string::npos);
}

// The PNG signature and the IHDR size fields of a picture file.
struct PngSize {
    bool Valid = false;
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
};

PngSize ReadPngSize(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    const auto be32 = [&](int at) {
        return std::uint32_t(header[at]) << 24 | std::uint32_t(header[at + 1]) << 16 |
               std::uint32_t(header[at + 2]) << 8 | header[at + 3];
    };
    const bool signature = in && header[0] == 0x89 && header[1] == 'P' && header[2] == 'N' && header[3] == 'G';
    return {signature, be32(16), be32(20)};
}

TEST(CommandLineProgram, ScreenshotDrawsTheMainWindowWithoutADisplay)
{
    const ScratchDir dir;
    const std::string path = (dir.Path() / "main-window.png").string();
    const RunResult run = RunProgram("--screenshot '" + path + "'", "env -u DISPLAY ");
    EXPECT_EQ(run.Code, 0) << run.Out;
    const PngSize size = ReadPngSize(path);
    ASSERT_TRUE(size.Valid);
    // The client area is 280 x 310; the frame adds to it.
    EXPECT_GE(size.Width, 280u);
    EXPECT_GE(size.Height, 310u);
    EXPECT_LT(size.Width, 320u);
    EXPECT_LT(size.Height, 360u);
    std::remove(path.c_str());
}

TEST(CommandLineProgram, AScreenshotThatCannotBeWrittenFails)
{
    const RunResult run = RunProgram("--screenshot /nonexistent-folder/w.png", "env -u DISPLAY ");
    EXPECT_EQ(run.Code, 2);
    EXPECT_NE(run.Out.find("qzviewer: "), std::string::npos);
}

} // namespace
