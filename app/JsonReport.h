#pragma once
// A file's report as one line of JSON, for scripts.

#include "app/AnalysisReport.h"

#include <string>
#include <string_view>

// A JSON string literal of text. Bytes that are no valid UTF-8 become U+FFFD,
// so the result is valid JSON for any bytes; *lossless is set false then.
std::string JsonString(std::string_view text, bool* lossless = nullptr);

// {"path":..., "length":..., "headers":..., "verdict":..., ...} on one line.
// A path that is no valid UTF-8 comes as well as "path_hex", byte for byte.
std::string JsonReport(const std::string& path, const AnalysisReport& report, const ScanRequest& request);
