#pragma once
// Collects what changed in each top-level window's back buffer (the drawing
// layer reports it through the damage sink) and hands just that to the
// backend when the queue is idle. Also remembers which device contexts draw
// into which back buffers, so none outlives its buffer.

#include "platform/gfx/Region.h"
#include "platform/win/GdiSurface.h"

#include <map>
#include <vector>

namespace win {

class Backend;
class WindowTable;

class Compositor final : public SurfaceDamageSink {
public:
    void OnSurfaceDamage(HWND owner, const TRect& rect) override;
    void MarkDirty(HWND owner, const TRect& rect) { OnSurfaceDamage(owner, rect); }
    // Presents the dirty part of every shown top-level window.
    void PresentAll(Backend& backend, const WindowTable& windows);

    void TrackDC(HDC dc, std::vector<HWND> owners) { m_contexts[dc] = std::move(owners); }
    bool UntrackDC(HDC dc) { return m_contexts.erase(dc) > 0; }
    // A top-level window goes away: the contexts over its buffer are returned for deletion.
    [[nodiscard]] std::vector<HDC> Forget(HWND owner);
    // Every tracked context, for the end of the window system.
    [[nodiscard]] std::vector<HDC> AllContexts() const;

private:
    // A dirty region that grows beyond this many rectangles is replaced by its bounds.
    static constexpr std::size_t kMaxDirtyRects = 64;

    std::map<HWND, Region> m_dirty;
    std::map<HDC, std::vector<HWND>> m_contexts;
};

}  // namespace win
