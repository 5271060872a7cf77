// SetWindowRgn and GetWindowRgn: a window's shape. Hit testing, clipping and
// presenting honour it; a top-level window's shape goes to the backend.

#include "platform/win/Gdi.h"
#include "platform/win/Invalidation.h"
#include "platform/win/NativeWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

using namespace win;

// The window takes the region: the handle is deleted here, a copy is kept.
int SetWindowRgn(HWND hwnd, HRGN region, bool redraw)
{
    Window* w = LookUp(hwnd);
    if (!w) return 0;
    std::optional<Region> shape;
    if (region) {
        const Region* given = RegionOf(region);
        if (!given) return 0;
        shape = *given;
        DeleteObject(region);
    }
    const Region oldArea = AreaInParent(*w);
    w->shape = std::move(shape);
    SyncNativeShape(*w);
    if (redraw) {
        if (!w->IsTopLevel()) {
            const Region uncovered = oldArea.United(AreaInParent(*w));
            RedrawArea(w->parent, &uncovered, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        RedrawArea(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN copyInto)
{
    const Window* w = LookUp(hwnd);
    if (!w || !w->shape) return RGN_ERROR;
    return AssignRegion(copyInto, *w->shape);
}
