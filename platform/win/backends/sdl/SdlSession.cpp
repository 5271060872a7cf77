#include "platform/win/backends/sdl/SdlSession.h"

#include "platform/core/Exception.h"

#include <SDL.h>

namespace win {

namespace {

constexpr const char* kRequiredDriver = "x11";
// Right after an earlier session closed, SDL's X11 driver sometimes fails to
// start on a busy machine although the display is fine a moment later.
constexpr int kInitAttempts = 5;
constexpr Uint32 kInitRetryMs = 100;  // ms

void SetHints()
{
    // Without this the first window surface silently recreates the X window through OpenGL.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // Closing windows is the window system's decision, never SDL's.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Shapes, moves and focus go through Xlib: nothing but X11 (XWayland included) will do,
    // whatever SDL_VIDEODRIVER says.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, kRequiredDriver, SDL_HINT_OVERRIDE);
}

}  // namespace

SdlSession::SdlSession()
{
    SetHints();
    // Before the display opens and, as a member, gone only after SDL quits: SDL
    // keeps the handler it finds and puts it back before it closes its
    // connections, so errors that arrive as they close meet the policy too.
    m_errorPolicy.emplace();
    int attempt = 1;
    while (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        if (attempt++ == kInitAttempts)
            throw EOutOfResources(std::string("Cannot open the X11 display: ") + SDL_GetError());
        SDL_Delay(kInitRetryMs);
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || SDL_strcmp(driver, kRequiredDriver) != 0) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw EOutOfResources(std::string("The display driver is \"") + (driver ? driver : "none") +
                              "\", not the X11 driver the window system needs");
    }
    // Pointer positions come from the X events themselves (see X11PointerFeed.h).
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    SDL_EventState(SDL_DROPBEGIN, SDL_ENABLE);
    SDL_EventState(SDL_DROPCOMPLETE, SDL_ENABLE);
    m_wakeEventType = SDL_RegisterEvents(1);
}

SdlSession::~SdlSession()
{
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::string SdlSession::DriverName() const
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver ? driver : "";
}

}  // namespace win
