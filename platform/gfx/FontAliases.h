#pragma once
// The one table that maps the font names the application's forms use to
// families the platform installs (fonts-dejavu-core, fonts-wqy-microhei).

#include <span>
#include <string_view>

struct FontAlias {
    std::string_view Name;    // as forms spell it
    std::string_view Family;  // an installed family
};

// All aliases, for tests that check every target is installed.
[[nodiscard]] std::span<const FontAlias> FontAliasTable();
// The family for name, compared without regard to ASCII case; empty when
// the name has no alias and should go to fontconfig as it is.
[[nodiscard]] std::string_view FontAliasFor(std::string_view name);
