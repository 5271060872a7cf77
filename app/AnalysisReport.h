#pragma once
// The report of the analyse button: the lines the main window appends to its
// memo, built from a file and the file-header switch. The command line asks
// for more (every header, where each lies) through the same call.

#include "app/HeaderScan.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The window checks for an empty path before analysing and shows this.
inline constexpr std::string_view kNoFileMessage = "请先选择文件！";
inline constexpr std::string_view kNoFileTitle = "错误";

enum class HeaderVerdict {
    NotChecked,  // the switch was off
    Failed,      // no header, or the file could not be read
    Passed,      // exactly one header
    MayBeBound,  // two or more
};

struct AnalysisReport {
    std::vector<std::string> Lines;  // UTF-8, without line ends
    HeaderVerdict Verdict = HeaderVerdict::NotChecked;
    FileScan Scan;                   // what the lines say, as numbers

    [[nodiscard]] bool Readable() const { return Scan.Error == InputError::None; }
};

HeaderVerdict VerdictFor(std::uint64_t headers);

// Why a file could not be read, in a few words.
std::string_view InputErrorText(InputError error);

// The report of one file: nine lines with the check on (one more for a
// thorough scan), five with it off. An unreadable file has the reason in
// place of its length.
AnalysisReport AnalyseFile(const std::string& path, const ScanRequest& request);
AnalysisReport AnalyseFile(const std::string& path, HeaderCheck check);

// One line per listed header: where its "MZ" and its "PE" lie.
std::vector<std::string> OffsetLines(const FileScan& scan);
