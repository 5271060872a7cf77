#pragma once
// Picks the display backend by name: "headless", "sdl", or "auto" (sdl when
// a display is there, else an error that says how to get one).

#include "platform/win/Backend.h"

#include <memory>
#include <string_view>

namespace win {

// Throws EInvalidOperation for an unknown name or "auto" without a display,
// EOutOfResources when the SDL backend cannot open the display.
[[nodiscard]] std::unique_ptr<Backend> CreateBackend(std::string_view name);

}  // namespace win
