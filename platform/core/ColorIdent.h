#pragma once
// Colour identifiers: the text form of a TColor is the name of one of the
// constants in Color.h (clBtnFace, clBlack ...) or else a number ("$00BBGGRR").
// Names compare without regard to ASCII case.

#include "platform/core/Color.h"

#include <optional>
#include <string>
#include <string_view>

[[nodiscard]] std::optional<TColor> IdentToColor(std::string_view ident);
[[nodiscard]] std::optional<std::string_view> ColorToIdent(TColor color);
// The identifier, or "$" and eight hex digits.
[[nodiscard]] std::string ColorToString(TColor color);
// An identifier or a number as SysUtils reads it; raises EConvertError.
[[nodiscard]] TColor StringToColor(std::string_view text);
