// The report of the analyse button on the sample files, line for line.

#include "app/AnalysisReport.h"
#include "tests/app/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(AnalysisReport, ABoundFileGivesNineLinesAndTheWarning)
{
    const std::string path = SourcePath("resources/samples/bound.exe");
    const AnalysisReport report = AnalyseFile(path, HeaderCheck::On);
    EXPECT_EQ(report.Lines, (Lines{
        "开始分析...",
        "文件位置：" + path,
        "文件长度：896Byte(s)",
        "",
        "文件头部分析...",
        "可执行头部数：2个",
        "文件可能经过捆绑，请小心使用！",
        "",
        "分析全部结束",
    }));
    EXPECT_EQ(report.Verdict, HeaderVerdict::MayBeBound);
    EXPECT_TRUE(report.Readable());
}

TEST(AnalysisReport, WithTheSwitchOffThereAreFiveLinesAndNoVerdict)
{
    const std::string path = SourcePath("resources/samples/bound.exe");
    const AnalysisReport report = AnalyseFile(path, HeaderCheck::Off);
    EXPECT_EQ(report.Lines, (Lines{
        "开始分析...",
        "文件位置：" + path,
        "文件长度：896Byte(s)",
        "",
        "分析全部结束",
    }));
    EXPECT_EQ(report.Verdict, HeaderVerdict::NotChecked);
}

struct VerdictCase {
    const char* Sample;
    const char* Length;
    const char* Headers;
    const char* Verdict;
};

class SampleVerdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(SampleVerdict, CountAndVerdictLinesFollowTheHeaderCount)
{
    const VerdictCase& c = GetParam();
    const AnalysisReport report = AnalyseFile(SourcePath(c.Sample), HeaderCheck::On);
    ASSERT_EQ(report.Lines.size(), 9u);
    EXPECT_EQ(report.Lines[2], c.Length);
    EXPECT_EQ(report.Lines[5], c.Headers);
    EXPECT_EQ(report.Lines[6], c.Verdict);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleVerdict, testing::Values(
    VerdictCase{"resources/samples/tiny.exe", "文件长度：448Byte(s)", "可执行头部数：1个", "文件通过常规安全检查，可以使用！"},
    VerdictCase{"resources/samples/bound.exe", "文件长度：896Byte(s)", "可执行头部数：2个", "文件可能经过捆绑，请小心使用！"},
    VerdictCase{"resources/samples/notes.txt", "文件长度：499Byte(s)", "可执行头部数：0个", "文件头检测失败！"},
    VerdictCase{"resources/samples/missing.exe", "无法读取文件：文件不存在", "可执行头部数：0个", "文件头检测失败！"}));

TEST(AnalysisReport, AnalysingTwiceGivesTheSameReport)
{
    const std::string path = SourcePath("resources/samples/tiny.exe");
    EXPECT_EQ(AnalyseFile(path, HeaderCheck::On).Lines, AnalyseFile(path, HeaderCheck::On).Lines);
}

TEST(AnalysisReport, LargeCountsArePlainDecimals)
{
    EXPECT_EQ(VerdictFor(0), HeaderVerdict::Failed);
    EXPECT_EQ(VerdictFor(1), HeaderVerdict::Passed);
    EXPECT_EQ(VerdictFor(2), HeaderVerdict::MayBeBound);
    EXPECT_EQ(VerdictFor(UINT64_MAX), HeaderVerdict::MayBeBound);
    const ScratchDir dir;
    ByteVector many;
    const ByteVector exe = ReadBytes(SourcePath("resources/samples/tiny.exe"));
    for (int i = 0; i < 1234; ++i)
        many.insert(many.end(), exe.begin(), exe.end());
    const AnalysisReport report = AnalyseFile(dir.Write("many.exe", many), HeaderCheck::On);
    EXPECT_EQ(report.Lines[2], "文件长度：552832Byte(s)");
    EXPECT_EQ(report.Lines[5], "可执行头部数：1234个");
}

} // namespace
