#include "app/AnalysisReport.h"

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

} // namespace

HeaderVerdict VerdictFor(std::uint64_t headers)
{
    if (headers >= 2)
        return HeaderVerdict::MayBeBound;
    return headers == 0 ? HeaderVerdict::Failed : HeaderVerdict::Passed;
}

AnalysisReport AnalyseFile(const std::string& path, HeaderCheck check)
{
    AnalysisReport report;
    const FileScan scan = ScanFile(path, check);
    report.Readable = scan.Readable;
    auto& lines = report.Lines;
    lines.emplace_back("开始分析...");
    lines.push_back("文件位置：" + path);
    lines.push_back("文件长度：" + std::to_string(scan.Length) + "Byte(s)");
    if (check == HeaderCheck::On) {
        report.Verdict = VerdictFor(scan.Headers);
        lines.emplace_back();
        lines.emplace_back("文件头部分析...");
        lines.push_back("可执行头部数：" + std::to_string(scan.Headers) + "个");
        lines.emplace_back(VerdictText(report.Verdict));
    }
    lines.emplace_back();
    lines.emplace_back("分析全部结束");
    return report;
}
