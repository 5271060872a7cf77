#include "platform/gfx/FontAliases.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kSans = "DejaVu Sans";
constexpr std::string_view kMono = "DejaVu Sans Mono";
constexpr std::string_view kSerif = "DejaVu Serif";
constexpr std::string_view kChinese = "WenQuanYi Micro Hei";

constexpr std::array kAliases = {
    FontAlias{"MS Sans Serif", kSans},
    FontAlias{"Microsoft Sans Serif", kSans},
    FontAlias{"MS Shell Dlg", kSans},
    FontAlias{"MS Shell Dlg 2", kSans},
    FontAlias{"Tahoma", kSans},
    FontAlias{"Arial", kSans},
    FontAlias{"Verdana", kSans},
    FontAlias{"Segoe UI", kSans},
    FontAlias{"System", kSans},
    FontAlias{"Courier New", kMono},
    FontAlias{"Courier", kMono},
    FontAlias{"Fixedsys", kMono},
    FontAlias{"Lucida Console", kMono},
    FontAlias{"Times New Roman", kSerif},
    FontAlias{"MS Serif", kSerif},
    FontAlias{"宋体", kChinese},
    FontAlias{"新宋体", kChinese},
    FontAlias{"黑体", kChinese},
    FontAlias{"微软雅黑", kChinese},
    FontAlias{"SimSun", kChinese},
    FontAlias{"NSimSun", kChinese},
    FontAlias{"SimHei", kChinese},
    FontAlias{"Microsoft YaHei", kChinese},
};

[[nodiscard]] constexpr char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

[[nodiscard]] bool SameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

}  // namespace

std::span<const FontAlias> FontAliasTable() { return kAliases; }

std::string_view FontAliasFor(std::string_view name)
{
    const auto it = std::ranges::find_if(kAliases, [name](const FontAlias& a) { return SameName(a.Name, name); });
    return it == kAliases.end() ? std::string_view{} : it->Family;
}
