#include "app/CommandLine.h"

#include "app/JsonReport.h"

#include <ostream>

namespace {

constexpr std::string_view kUsage =
    "用法：qzviewer --report [--no-header-check] [--thorough] [--offsets] [--json] 文件...\n"
    "      qzviewer --screenshot 图片.png [文件]\n"
    "      qzviewer --help\n"
    "分析文件的可执行头部，把每个文件的报告逐行写到标准输出，文件之间空一行。\n"
    "  --report            分析列出的文件\n"
    "  --no-header-check   不做文件头部分析，只报告文件位置和长度\n"
    "  --thorough          逐个检查每个 MZ：常规扫描找到头部后跳到它的 PE 之后，\n"
    "                      其间的头部不计；这里另起一行说明常规计数漏掉了几个，\n"
    "                      结论和退出码按全部头部计\n"
    "  --offsets           报告之后每个头部一行：MZ 和 PE 的字节位置（十进制和十六进制）\n"
    "  --json              每个文件输出一行 JSON（path、length、headers、verdict、\n"
    "                      error，另有 missed、offsets），代替文字报告\n"
    "  --screenshot 图片    不打开显示器，把主窗口画成 PNG 图片；\n"
    "                      给出文件时，先选中它并按下“分析”\n"
    "  --help, -h          显示本说明\n"
    "  --                  其后的参数都是文件名\n"
    "只分析普通文件和块设备；管道、套接字、字符设备和文件夹报告为无法读取，不会等待。\n"
    "退出码：0 每个文件都通过检查；1 有文件可能经过捆绑；\n"
    "        2 有文件头检测失败或无法读取（1 优先于 2）；3 用法错误。\n"
    "        不做文件头部分析时：0 每个文件都能读取；2 有文件无法读取。\n"
    "不带参数时打开主窗口。\n";

CommandLine Refused(std::string error)
{
    CommandLine command;
    command.Mode = CommandMode::UsageError;
    command.Error = std::move(error);
    return command;
}

// Higher ranks are more alarming and decide the exit code.
int Rank(ExitCode code)
{
    switch (code) {
    case ExitCode::Passed: return 0;
    case ExitCode::CheckFailed: return 1;
    case ExitCode::MayBeBound: return 2;
    case ExitCode::Usage: return 3;
    }
    return 0;
}

ExitCode ExitCodeOf(const AnalysisReport& report)
{
    switch (report.Verdict) {
    case HeaderVerdict::MayBeBound: return ExitCode::MayBeBound;
    case HeaderVerdict::Failed: return ExitCode::CheckFailed;
    case HeaderVerdict::Passed: return ExitCode::Passed;
    case HeaderVerdict::NotChecked: break;
    }
    return report.Readable() ? ExitCode::Passed : ExitCode::CheckFailed;
}

void PrintReport(const CommandLine& command, const ScanRequest& request, const std::string& path,
    const AnalysisReport& report, std::ostream& out)
{
    if (command.Json) {
        out << JsonReport(path, report, request) << '\n';
        return;
    }
    for (const std::string& line : report.Lines)
        out << line << '\n';
    if (command.Offsets) {
        for (const std::string& line : OffsetLines(report.Scan))
            out << line << '\n';
    }
}

int RunReport(const CommandLine& command, std::ostream& out, std::ostream& err)
{
    const ScanRequest request{command.Check, command.Depth, command.Offsets, PipeInput::ReadToEnd};
    ExitCode worst = ExitCode::Passed;
    bool first = true;
    for (const std::string& path : command.Files) {
        const AnalysisReport report = AnalyseFile(path, request);
        if (!report.Readable())
            err << "qzviewer: 无法读取文件：" << path << "（" << InputErrorText(report.Scan.Error) << "）\n";
        if (!first && !command.Json)
            out << '\n';
        first = false;
        PrintReport(command, request, path, report, out);
        const ExitCode code = ExitCodeOf(report);
        if (Rank(code) > Rank(worst))
            worst = code;
    }
    out.flush();
    return static_cast<int>(worst);
}

} // namespace

CommandLine ParseCommandLine(std::span<const char* const> args)
{
    CommandLine command;
    if (args.empty())
        return command;
    if (std::string_view(args[0]) == "--screenshot") {
        if (args.size() < 2 || args.size() > 3 || std::string_view(args[1]).empty())
            return Refused("--screenshot 需要一个图片文件名，可再加一个要分析的文件");
        command.Mode = CommandMode::Screenshot;
        command.Files.assign(args.begin() + 1, args.end());
        return command;
    }
    bool report = false;
    bool options = true;
    for (const char* raw : args) {
        const std::string_view arg = raw;
        if (options && (arg == "--help" || arg == "-h")) {
            command.Mode = CommandMode::Help;
            return command;
        }
        if (options && arg == "--report")
            report = true;
        else if (options && arg == "--no-header-check")
            command.Check = HeaderCheck::Off;
        else if (options && arg == "--thorough")
            command.Depth = ScanDepth::Thorough;
        else if (options && arg == "--offsets")
            command.Offsets = true;
        else if (options && arg == "--json")
            command.Json = true;
        else if (options && arg == "--")
            options = false;
        else if (options && arg.size() > 1 && arg[0] == '-')
            return Refused("未知选项：" + std::string(arg));
        else if (arg.empty())
            return Refused("文件名不能为空");
        else
            command.Files.emplace_back(arg);
    }
    if (!report)
        return Refused("缺少 --report");
    if (command.Files.empty())
        return Refused("没有给出要分析的文件");
    if (command.Check == HeaderCheck::Off && (command.Depth == ScanDepth::Thorough || command.Offsets))
        return Refused("--thorough 和 --offsets 需要文件头部分析，不能与 --no-header-check 同用");
    command.Mode = CommandMode::Report;
    return command;
}

std::string_view UsageText()
{
    return kUsage;
}

int RunCommandLine(const CommandLine& command, std::ostream& out, std::ostream& err)
{
    switch (command.Mode) {
    case CommandMode::Help:
        out << UsageText();
        return static_cast<int>(ExitCode::Passed);
    case CommandMode::Report:
        return RunReport(command, out, err);
    case CommandMode::Window:
    case CommandMode::Screenshot:
    case CommandMode::UsageError:
        break;
    }
    if (!command.Error.empty())
        err << "qzviewer: " << command.Error << '\n';
    err << UsageText();
    return static_cast<int>(ExitCode::Usage);
}
