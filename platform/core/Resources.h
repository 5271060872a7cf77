#pragma once
// Resources compiled into the program: bitmaps, form descriptions, icons and
// raw data by kind and name, and strings by identifier. Names compare
// without regard to ASCII case. Tables come from generated resource
// libraries (ResourceTable.h) and are registered once at start-up; a test
// program registers its own fixture table the same way.

#include "platform/core/ResourceTable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Adds a table. A later table shadows resources and strings of the same
// kind and name in earlier ones; registering a table again changes nothing.
// Raises EReadError when its string table is malformed.
void RegisterResources(const TResourceTable& table);

[[nodiscard]] std::optional<std::span<const std::uint8_t>> FindResource(TResourceKind kind, std::string_view name);
// As FindResource; raises EResNotFound ("Bitmap resource X not found").
[[nodiscard]] std::span<const std::uint8_t> LoadResource(TResourceKind kind, std::string_view name);
// A resource's bytes as text (form descriptions, theme files).
[[nodiscard]] std::string_view ResourceText(std::span<const std::uint8_t> bytes);

[[nodiscard]] std::optional<std::string_view> FindResString(std::string_view id);
// As FindResString; raises EResNotFound ("String resource X not found").
[[nodiscard]] std::string LoadResString(std::string_view id);
