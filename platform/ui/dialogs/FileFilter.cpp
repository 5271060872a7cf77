#include "platform/ui/dialogs/FileFilter.h"

#include "platform/core/SysUtils.h"
#include "platform/core/Utf8.h"

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

char32_t FoldAscii(char32_t ch)
{
    return (ch >= U'A' && ch <= U'Z') ? ch - U'A' + U'a' : ch;
}

// Code points, so that '?' takes a whole character.
std::u32string Folded(std::string_view text)
{
    std::u32string out;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8::CodePoint cp = Utf8::DecodeNext(text, at);
        out.push_back(FoldAscii(cp.Value));
        at += cp.Size;
    }
    return out;
}

}  // namespace

std::vector<TFileFilter> ParseFileFilter(std::string_view filter)
{
    std::vector<TFileFilter> filters;
    const std::vector<std::string_view> parts = Split(filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        TFileFilter entry;
        entry.Name = Trim(parts[i]);
        if (i + 1 < parts.size()) {
            for (std::string_view mask : Split(parts[i + 1], ';')) {
                std::string trimmed = Trim(mask);
                if (!trimmed.empty()) entry.Masks.push_back(std::move(trimmed));
            }
        }
        if (entry.Masks.empty()) entry.Masks.push_back("*");
        if (entry.Name.empty()) entry.Name = entry.Masks.front();
        filters.push_back(std::move(entry));
    }
    return filters;
}

// The classic greedy match with one step of backtracking to the last '*':
// linear in the name for each star, without recursion.
bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*") return true;
    const std::u32string n = Folded(name);
    const std::u32string m = Folded(mask);
    std::size_t ni = 0;
    std::size_t mi = 0;
    std::size_t starMask = std::u32string::npos;
    std::size_t starName = 0;
    while (ni < n.size()) {
        if (mi < m.size() && (m[mi] == U'?' || m[mi] == n[ni])) {
            ++ni;
            ++mi;
        } else if (mi < m.size() && m[mi] == U'*') {
            starMask = mi++;
            starName = ni;
        } else if (starMask != std::u32string::npos) {
            mi = starMask + 1;
            ni = ++starName;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == U'*') ++mi;
    return mi == m.size();
}

bool MatchesAnyMask(std::string_view name, const std::vector<std::string>& masks)
{
    for (const std::string& mask : masks) {
        if (MatchesMask(name, mask)) return true;
    }
    return false;
}
