#include "app/AnalysisReport.h"

#include <cstdio>

namespace {

std::string_view VerdictText(HeaderVerdict verdict)
{
    switch (verdict) {
    case HeaderVerdict::MayBeBound: return "文件可能经过捆绑，请小心使用！";
    case HeaderVerdict::Failed: return "文件头检测失败！";
    case HeaderVerdict::Passed: return "文件通过常规安全检查，可以使用！";
    case HeaderVerdict::NotChecked: break;
    }
    return {};
}

// "1234 (0x4d2)"
std::string DecimalAndHex(std::uint64_t value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%llu (0x%llx)", static_cast<unsigned long long>(value), static_cast<unsigned long long>(value));
    return text;
}

} // namespace

HeaderVerdict VerdictFor(std::uint64_t headers)
{
    if (headers >= 2)
        return HeaderVerdict::MayBeBound;
    return headers == 0 ? HeaderVerdict::Failed : HeaderVerdict::Passed;
}

std::string_view InputErrorText(InputError error)
{
    switch (error) {
    case InputError::NotFound: return "文件不存在";
    case InputError::PermissionDenied: return "权限不足";
    case InputError::IsDirectory: return "这是一个文件夹";
    case InputError::NotRegularFile: return "不是普通文件（管道或设备）";
    case InputError::ReadFailed: return "读取出错";
    case InputError::OpenFailed: return "无法打开";
    case InputError::None: break;
    }
    return {};
}

AnalysisReport AnalyseFile(const std::string& path, const ScanRequest& request)
{
    AnalysisReport report;
    report.Scan = ScanFile(path, request);
    const FileScan& scan = report.Scan;
    auto& lines = report.Lines;
    lines.emplace_back("开始分析...");
    lines.push_back("文件位置：" + path);
    if (report.Readable())
        lines.push_back("文件长度：" + std::to_string(scan.Length) + "Byte(s)");
    else
        lines.push_back("无法读取文件：" + std::string(InputErrorText(scan.Error)));
    if (request.Check == HeaderCheck::On) {
        report.Verdict = VerdictFor(scan.Headers + scan.HiddenHeaders);
        lines.emplace_back();
        lines.emplace_back("文件头部分析...");
        lines.push_back("可执行头部数：" + std::to_string(scan.Headers) + "个");
        if (request.Depth == ScanDepth::Thorough)
            lines.push_back("逐个检查：常规计数漏掉了 " + std::to_string(scan.HiddenHeaders) + " 个可执行头部");
        lines.emplace_back(VerdictText(report.Verdict));
    }
    lines.emplace_back();
    lines.emplace_back("分析全部结束");
    return report;
}

AnalysisReport AnalyseFile(const std::string& path, HeaderCheck check)
{
    return AnalyseFile(path, ScanRequest{check});
}

std::vector<std::string> OffsetLines(const FileScan& scan)
{
    std::vector<std::string> lines;
    std::size_t number = 0;
    for (const FoundHeader& header : scan.Offsets) {
        std::string line = "头部 " + std::to_string(++number) + "：MZ 位于 " + DecimalAndHex(header.Mz)
            + "，PE 位于 " + DecimalAndHex(header.Pe);
        if (header.Hidden)
            line += "（常规计数漏掉）";
        lines.push_back(std::move(line));
    }
    if (scan.UnlistedHeaders > 0)
        lines.push_back("另有 " + std::to_string(scan.UnlistedHeaders) + " 个头部未列出");
    return lines;
}
