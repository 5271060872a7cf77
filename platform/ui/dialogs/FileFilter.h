#pragma once
// The filter of a file dialog: "Name|masks|Name|masks...", each masks part
// one or more masks separated by ';' ("Programs (*.exe;*.com)|*.exe;*.com").
// Masks know '*' (any run of characters) and '?' (one character, a whole
// code point); letters match without regard to ASCII case, as file names
// on the classic desktop do. "*.*" matches every name, with a dot or not.

#include <string>
#include <string_view>
#include <vector>

struct TFileFilter {
    std::string Name;
    std::vector<std::string> Masks;
};

// The filters in order. A name without masks gets "*"; empty masks between
// ';' are left out; a trailing name without its masks part is kept with
// "*"; an empty filter string gives one filter "*" named "*".
[[nodiscard]] std::vector<TFileFilter> ParseFileFilter(std::string_view filter);

[[nodiscard]] bool MatchesMask(std::string_view name, std::string_view mask);
[[nodiscard]] bool MatchesAnyMask(std::string_view name, const std::vector<std::string>& masks);
