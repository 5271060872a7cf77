#include "platform/core/SysUtils.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

constexpr bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
constexpr char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits of one base; nullopt when empty, not all digits, or above limit.
std::optional<std::uint32_t> ParseDigits(std::string_view digits, int base, std::uint32_t limit)
{
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0 || d >= base) return std::nullopt;
        value = value * base + d;
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::string_view::size_type LastSeparator(std::string_view path) { return path.rfind('/'); }

}  // namespace

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

std::optional<int> TryStrToInt(std::string_view s)
{
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (!s.empty() && s[0] == '$') {
        s.remove_prefix(1);
    } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
    } else {
        const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
        const auto magnitude = ParseDigits(s, 10, limit);
        if (!magnitude) return std::nullopt;
        return static_cast<int>(negative ? 0u - *magnitude : *magnitude);
    }
    const auto bits = ParseDigits(s, 16, 0xFFFFFFFFu);
    if (!bits) return std::nullopt;
    return static_cast<int>(negative ? 0u - *bits : *bits);
}

int StrToInt(std::string_view s)
{
    if (const auto value = TryStrToInt(s)) return *value;
    throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

int StrToIntDef(std::string_view s, int defaultValue)
{
    return TryStrToInt(s).value_or(defaultValue);
}

std::string TrimLeft(std::string_view s)
{
    const auto first = std::find_if_not(s.begin(), s.end(), IsSpaceOrControl);
    return std::string(first, s.end());
}

std::string TrimRight(std::string_view s)
{
    const auto last = std::find_if_not(s.rbegin(), s.rend(), IsSpaceOrControl);
    return std::string(s.begin(), last.base());
}

std::string Trim(std::string_view s)
{
    return TrimLeft(TrimRight(s));
}

std::string UpperCase(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), ToUpperAscii);
    return out;
}

std::string LowerCase(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), ToLowerAscii);
    return out;
}

int CompareText(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(ToUpperAscii(a[i]));
        const auto cb = static_cast<unsigned char>(ToUpperAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ExtractFileName(std::string_view path)
{
    const auto separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string ExtractFilePath(std::string_view path)
{
    const auto separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? std::string_view() : path.substr(0, separator + 1));
}

std::string ExtractFileExt(std::string_view path)
{
    const auto separator = LastSeparator(path);
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) return {};
    return std::string(path.substr(dot));
}
