#pragma once
// The seam between the window manager and the drawing layer. The window
// manager owns the pixels (each top-level window's back buffer) and knows
// what part of a window is visible; it makes device contexts that draw
// there through CreateSurfaceDC, and learns what changed through the damage
// sink, so that it can present just that.

#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinTypes.h"

#include <vector>

// One place a device context draws into. A screen context has one target
// per top-level window under it; a window context has exactly one.
struct SurfaceTarget {
    PixelBuffer* pixels = nullptr;  // not owned; outlives the context
    TPoint origin;                  // where the context's (0, 0) lies in pixels, before any viewport origin
    Region visible;                 // pixel coordinates; drawing never leaves it
    HWND owner = nullptr;           // the top-level window whose buffer this is, for damage reports
};

// Makes a context over the given targets for window (nullptr: the screen).
// Released with DeleteSurfaceDC (ReleaseDC and EndPaint do that).
HDC CreateSurfaceDC(std::vector<SurfaceTarget> targets, HWND window);
void DeleteSurfaceDC(HDC dc);
// The window a surface context was made for, or nullptr (memory contexts too).
HWND SurfaceDCWindow(HDC dc);

class SurfaceDamageSink {
public:
    virtual ~SurfaceDamageSink() = default;
    // Pixels inside rect (pixel coordinates of owner's back buffer) may have changed.
    virtual void OnSurfaceDamage(HWND owner, const TRect& rect) = 0;
};
// The window manager installs itself; nullptr removes it.
void SetSurfaceDamageSink(SurfaceDamageSink* sink);
