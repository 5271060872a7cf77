#pragma once
// Reads a form description (FormDescription.h) into its syntax tree.
// Descriptions come from files, so everything is checked: errors raise
// EReadError "Line N: <reason>"; nesting deeper than kMaxFormNesting, more
// than kMaxFormValues values and texts over kMaxFormDescriptionSize are
// refused, so hostile input cannot exhaust the stack or memory.
// `inherited` and `inline` objects are refused: every form is complete.

#include "platform/core/FormDescription.h"

#include <cstddef>
#include <string_view>

constexpr int kMaxFormNesting = 64;                                   // objects, lists and collections
constexpr std::size_t kMaxFormValues = 1 << 18;                       // values and properties in one description
constexpr std::size_t kMaxFormDescriptionSize = std::size_t(16) << 20;  // bytes

// The one top-level object of text, which must hold nothing else.
[[nodiscard]] TFormObject ParseFormDescription(std::string_view text);
