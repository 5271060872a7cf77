#include "platform/win/VisibleRegion.h"

#include "platform/win/WinConst.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

// Takes away the windows in siblings before stop (those above it), placed at origin.
Region LessSiblingsAbove(Region vis, const std::vector<HWND>& siblings, HWND stop, TPoint origin)
{
    for (HWND h : siblings) {
        if (h == stop) break;
        const Window* s = LookUp(h);
        if (s && (s->style & WS_VISIBLE)) vis = vis.Subtracted(AreaInParent(*s).Offset(origin.X, origin.Y));
    }
    return vis;
}

}  // namespace

TPoint AreaOriginInRoot(const Window& w, DcArea area)
{
    const TPoint o = OriginInRoot(w);
    return area == DcArea::Client ? o + w.client.TopLeft() : o;
}

Region VisibleRegionInRoot(const Window& w, DcArea area, VisibleClip clip)
{
    if (!IsShownChain(w)) return {};
    const TPoint o = OriginInRoot(w);
    const TRect start = area == DcArea::Client ? w.client.Offset(o) : TRect{0, 0, w.rect.Width(), w.rect.Height()}.Offset(o);
    Region vis(start);
    if (w.shape) vis = vis.Intersected(w.shape->Offset(o.X, o.Y));
    if (clip.children) {
        const TPoint co = o + w.client.TopLeft();
        vis = LessSiblingsAbove(vis, w.children, nullptr, co);
    }
    const Window* cur = &w;
    bool siblings = clip.siblings;
    while (!cur->IsTopLevel()) {
        const Window& parent = *LookUp(cur->parent);
        const TPoint po = OriginInRoot(parent);
        const TPoint pco = po + parent.client.TopLeft();
        if (siblings) vis = LessSiblingsAbove(vis, parent.children, cur->handle, pco);
        vis = vis.Intersected(Region(parent.ClientBounds().Offset(pco)));
        if (parent.shape) vis = vis.Intersected(parent.shape->Offset(po.X, po.Y));
        cur = &parent;
        siblings = (cur->style & WS_CLIPSIBLINGS) != 0;
    }
    if (!cur->backBuffer) return {};
    return vis.Intersected(Region(cur->backBuffer->Bounds()));
}

}  // namespace win
