#pragma once
// The classic string, number and file-name helpers. Case mapping and
// case-insensitive comparison touch only ASCII letters; other bytes (UTF-8
// sequences included) pass unchanged. Paths use '/' separators.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

[[nodiscard]] std::string IntToStr(std::int64_t value);

// Accepts leading spaces, an optional sign, then decimal digits or hex digits
// after "$" or "0x". Decimal values must fit in 32 bits; hex values may use
// all 32 bits and are taken as two's complement ("$FFFFFFFF" is -1).
[[nodiscard]] std::optional<int> TryStrToInt(std::string_view s);
// As TryStrToInt; raises EConvertError "'<s>' is not a valid integer value".
[[nodiscard]] int StrToInt(std::string_view s);
[[nodiscard]] int StrToIntDef(std::string_view s, int defaultValue);

// Remove bytes up to and including the space (control characters and blanks).
[[nodiscard]] std::string Trim(std::string_view s);
[[nodiscard]] std::string TrimLeft(std::string_view s);
[[nodiscard]] std::string TrimRight(std::string_view s);

[[nodiscard]] std::string UpperCase(std::string_view s);
[[nodiscard]] std::string LowerCase(std::string_view s);
// Compares as if both were upper case: < 0, 0 or > 0.
[[nodiscard]] int CompareText(std::string_view a, std::string_view b);
[[nodiscard]] bool SameText(std::string_view a, std::string_view b);

// True for an existing regular file (or a link to one); false for directories.
[[nodiscard]] bool FileExists(const std::string& path);
// "dir/name.ext" -> "name.ext"
[[nodiscard]] std::string ExtractFileName(std::string_view path);
// "dir/name.ext" -> "dir/" (the separator is kept)
[[nodiscard]] std::string ExtractFilePath(std::string_view path);
// "dir/name.ext" -> ".ext"; "" when the name has no dot
[[nodiscard]] std::string ExtractFileExt(std::string_view path);
