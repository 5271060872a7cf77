#pragma once
// SDL's video subsystem on X11, set up the way the window system needs it,
// for as long as this object lives. Throws when there is no X11 display:
// SDL would otherwise fall back silently to a driver that shows nothing.

#include "platform/win/backends/sdl/X11ErrorPolicy.h"

#include <cstdint>
#include <optional>
#include <string>

namespace win {

class SdlSession {
public:
    SdlSession();
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

    [[nodiscard]] std::string DriverName() const;
    // Our own event type; one pushed event ends a wait.
    [[nodiscard]] std::uint32_t WakeEventType() const { return m_wakeEventType; }

private:
    std::uint32_t m_wakeEventType = 0;
    std::optional<X11ErrorPolicy> m_errorPolicy;
};

}  // namespace win
