#pragma once
// What of a window can be seen, in the pixels of its top-level window's back
// buffer: inside its parents' client areas and every shape on the way, less
// its children (WS_CLIPCHILDREN) and the siblings above it (WS_CLIPSIBLINGS,
// at each level that has it).

#include "platform/gfx/Region.h"
#include "platform/win/Window.h"

namespace win {

enum class DcArea { Client, Window };

struct VisibleClip {
    bool children = false;
    bool siblings = false;
};

[[nodiscard]] Region VisibleRegionInRoot(const Window& w, DcArea area, VisibleClip clip);
// Where the area's (0, 0) lies in the root's buffer.
[[nodiscard]] TPoint AreaOriginInRoot(const Window& w, DcArea area);

}  // namespace win
