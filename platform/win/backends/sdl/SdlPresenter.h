#pragma once
// Shows a back buffer's changed part in an SDL window: copy into the
// window's surface (SDL remakes it after size changes), then push just the
// changed rectangles to the display. The one place where our pixel layout
// meets the display's.

#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"

#include <vector>

struct SDL_Window;

namespace win {

class SdlPresenter {
public:
    // dirty is in window coordinates; what lies outside the buffer or the
    // window's current surface is left out. False when SDL has no surface.
    bool Present(SDL_Window* window, const PixelBuffer& backBuffer, const Region& dirty);

private:
    static constexpr std::size_t kMaxUpdateRects = 64;  // beyond this one bounding rectangle is pushed
};

}  // namespace win
