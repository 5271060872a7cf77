// GetDC, GetWindowDC, GetDCEx, ReleaseDC and the screen context.

#include "platform/win/WindowDC.h"

#include "platform/win/Gdi.h"
#include "platform/win/GdiSurface.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

HDC MakeWindowDC(HWND hwnd, const DcRequest& request)
{
    Window* w = LookUp(hwnd);
    if (!w) return nullptr;
    Window& root = RootOf(*w);
    const VisibleClip clip{(w->style & WS_CLIPCHILDREN) || (request.extraClip & DCX_CLIPCHILDREN),
                           (w->style & WS_CLIPSIBLINGS) || (request.extraClip & DCX_CLIPSIBLINGS)};
    const TPoint origin = AreaOriginInRoot(*w, request.area);
    Region visible = VisibleRegionInRoot(*w, request.area, clip);
    if (request.within) visible = visible.Intersected(request.within->Offset(origin.X, origin.Y));
    SurfaceTarget target{root.backBuffer.get(), origin, std::move(visible), root.handle};
    const HDC dc = CreateSurfaceDC({std::move(target)}, hwnd);
    if (dc) Sys().compositor.TrackDC(dc, {root.handle});
    return dc;
}

HDC MakeScreenDC()
{
    WindowSystem::Impl& sys = Sys();
    std::vector<SurfaceTarget> targets;
    std::vector<HWND> owners;
    Region covered;  // screen pixels taken by windows above
    for (HWND h : sys.windows.TopLevels()) {
        const Window* w = LookUp(h);
        if (!w || !w->backBuffer || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE)) continue;
        const Region area = AreaInParent(*w);
        const Region visible = area.Subtracted(covered).Offset(-w->rect.Left, -w->rect.Top);
        covered = covered.United(area);
        if (visible.IsEmpty()) continue;
        targets.push_back(SurfaceTarget{w->backBuffer.get(), {-w->rect.Left, -w->rect.Top},
                                        visible.Intersected(Region(w->backBuffer->Bounds())), h});
        owners.push_back(h);
    }
    const HDC dc = CreateSurfaceDC(std::move(targets), nullptr);
    if (dc) sys.compositor.TrackDC(dc, std::move(owners));
    return dc;
}

}  // namespace win

using namespace win;

HDC GetDC(HWND hwnd)
{
    if (!hwnd || IsDesktop(hwnd)) return MakeScreenDC();
    return MakeWindowDC(hwnd, DcRequest{DcArea::Client});
}

HDC GetWindowDC(HWND hwnd)
{
    if (!hwnd || IsDesktop(hwnd)) return MakeScreenDC();
    return MakeWindowDC(hwnd, DcRequest{DcArea::Window});
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags)
{
    if (!hwnd || IsDesktop(hwnd)) return MakeScreenDC();
    const Window* w = LookUp(hwnd);
    if (!w) return nullptr;
    const DcArea area = (flags & DCX_WINDOW) ? DcArea::Window : DcArea::Client;
    // The clip region comes in screen coordinates, as WM_NCPAINT hands it over.
    std::optional<Region> within;
    // WM_NCPAINT's wParam 1 means the whole window rather than a region.
    const bool hasClip = clip && clip != reinterpret_cast<HRGN>(std::intptr_t(1));
    if (hasClip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
        const Region* given = RegionOf(clip);
        const TPoint o = area == DcArea::Client ? ClientScreenOrigin(*w) : ScreenOrigin(*w);
        const Region inArea = given ? given->Offset(-o.X, -o.Y) : Region();
        const Region whole(TRect{-kCoordLimit, -kCoordLimit, kCoordLimit, kCoordLimit});
        within = (flags & DCX_INTERSECTRGN) ? inArea : whole.Subtracted(inArea);
    }
    return MakeWindowDC(hwnd, DcRequest{area, flags & (DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS), within ? &*within : nullptr});
}

int ReleaseDC(HWND /*hwnd*/, HDC dc)
{
    if (!dc || !Sys().compositor.UntrackDC(dc)) return 0;
    DeleteSurfaceDC(dc);
    return 1;
}

HWND WindowFromDC(HDC dc)
{
    return dc ? SurfaceDCWindow(dc) : nullptr;
}
