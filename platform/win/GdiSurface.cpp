// Window and screen contexts over the window manager's back buffers, and
// the damage reports that tell it what to present.
#include "platform/win/GdiSurface.h"

#include "platform/win/DeviceContext.h"

namespace {

SurfaceDamageSink*& DamageSink()
{
    static SurfaceDamageSink* sink = nullptr;
    return sink;
}

}  // namespace

HDC CreateSurfaceDC(std::vector<SurfaceTarget> targets, HWND window)
{
    return AddDeviceContext(std::make_unique<DeviceContext>(std::move(targets), window));
}

void DeleteSurfaceDC(HDC dc)
{
    const DeviceContext* context = FindDeviceContext(dc);
    if (context && context->GetKind() == DeviceContext::Kind::Surface) RemoveDeviceContext(dc);
}

HWND SurfaceDCWindow(HDC dc)
{
    const DeviceContext* context = FindDeviceContext(dc);
    return context ? context->Window() : nullptr;
}

void SetSurfaceDamageSink(SurfaceDamageSink* sink) { DamageSink() = sink; }

void ReportSurfaceDamage(HWND owner, const TRect& rect)
{
    if (SurfaceDamageSink* sink = DamageSink()) sink->OnSurfaceDamage(owner, rect);
}
