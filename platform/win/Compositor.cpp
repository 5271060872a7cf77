#include "platform/win/Compositor.h"

#include "platform/win/Backend.h"
#include "platform/win/WinConst.h"
#include "platform/win/WindowTable.h"

#include <algorithm>

namespace win {

void Compositor::OnSurfaceDamage(HWND owner, const TRect& rect)
{
    if (rect.IsEmpty()) return;
    Region& dirty = m_dirty[owner];
    dirty = dirty.United(Region(rect));
    if (dirty.Rects().size() > kMaxDirtyRects) dirty = Region(dirty.Bounds());
}

void Compositor::PresentAll(Backend& backend, const WindowTable& windows)
{
    for (auto it = m_dirty.begin(); it != m_dirty.end();) {
        const Window* w = windows.Find(it->first);
        const bool shown = w && w->backBuffer && (w->style & WS_VISIBLE) && !(w->style & WS_MINIMIZE);
        if (!w) {
            it = m_dirty.erase(it);
            continue;
        }
        if (shown) {
            const Region dirty = it->second.Intersected(Region(w->backBuffer->Bounds()));
            if (!dirty.IsEmpty()) backend.Present(w->handle, *w->backBuffer, dirty);
            it = m_dirty.erase(it);
        } else {
            ++it;  // kept until the window shows again
        }
    }
}

std::vector<HDC> Compositor::Forget(HWND owner)
{
    m_dirty.erase(owner);
    std::vector<HDC> gone;
    for (auto it = m_contexts.begin(); it != m_contexts.end();) {
        if (std::find(it->second.begin(), it->second.end(), owner) != it->second.end()) {
            gone.push_back(it->first);
            it = m_contexts.erase(it);
        } else {
            ++it;
        }
    }
    return gone;
}

std::vector<HDC> Compositor::AllContexts() const
{
    std::vector<HDC> all;
    for (const auto& [dc, owners] : m_contexts) all.push_back(dc);
    return all;
}

}  // namespace win
