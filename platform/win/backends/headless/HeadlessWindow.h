#pragma once
// What the headless desktop keeps of one top-level window.

#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"
#include "platform/win/Backend.h"

#include <optional>

namespace win {

struct HeadlessWindow {
    NativeWindowDesc desc;        // as created; bounds, title and owner follow later changes; no icon pointer
    std::optional<PixelBuffer> icon;  // a copy of the icon it was given
    bool visible = false;
    bool minimized = false;
    std::optional<Region> shape;  // window coordinates; none for a rectangle
    PixelBuffer pixels;           // what was presented; always the window's size
    int presentCount = 0;
    Region lastPresented;         // the dirty part of the last Present, clipped to the window
};

}  // namespace win
