#pragma once
// Reads a string table: UTF-8 lines `NAME=text`. Blank lines and lines that
// start with '#' are skipped; the name is trimmed, the text is kept as
// written except for the escapes \n (line break), \t (tab) and \\. A byte
// order mark at the start is skipped. Malformed lines, duplicate names and
// invalid UTF-8 raise EReadError naming the table and the line.

#include <string>
#include <string_view>
#include <vector>

struct TResourceString {
    std::string Name;
    std::string Text;
};

[[nodiscard]] std::vector<TResourceString> ParseStringTable(std::string_view text, std::string_view tableName);
