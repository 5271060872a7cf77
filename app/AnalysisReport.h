#pragma once
// The report of the analyse button: the lines the main window appends to its
// memo, built from a file and the file-header switch.

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
    bool Readable = false;           // the file could be opened for reading
};

HeaderVerdict VerdictFor(std::uint64_t headers);

// The report of one file. Nine lines with the check on, five with it off.
AnalysisReport AnalyseFile(const std::string& path, HeaderCheck check);
