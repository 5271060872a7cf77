#include "platform/win/BackendFactory.h"

#include "platform/core/Exception.h"
#include "platform/win/backends/headless/HeadlessBackend.h"
#include "platform/win/backends/sdl/SdlBackend.h"

#include <cstdlib>
#include <string>

namespace win {

namespace {

bool EnvironmentNames(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

}  // namespace

std::unique_ptr<Backend> CreateBackend(std::string_view name)
{
    if (name == "headless") return std::make_unique<HeadlessBackend>();
    if (name == "sdl") return std::make_unique<SdlBackend>();
    if (name == "auto") {
        // XWayland sets DISPLAY; a Wayland session without it is caught by the SDL backend's own check.
        if (!EnvironmentNames("DISPLAY") && !EnvironmentNames("WAYLAND_DISPLAY"))
            throw EInvalidOperation("No display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                                    "start the program on an X11 desktop or choose the headless backend");
        return std::make_unique<SdlBackend>();
    }
    throw EInvalidOperation("Unknown display backend \"" + std::string(name) + "\" (choose headless, sdl or auto)");
}

}  // namespace win
