#include "platform/win/NativeWindow.h"

#include "platform/win/GdiSurface.h"
#include "platform/win/NonClientLayout.h"
#include "platform/win/ProgramIcon.h"
#include "platform/win/WinConst.h"
#include "platform/win/WindowSystemImpl.h"

#include <algorithm>

namespace win {

namespace {

// The buffer a window of this size gets: as big as the window, within what a buffer may be.
TSize BufferSizeFor(TSize window)
{
    const int w = std::clamp(window.cx, 0, PixelBuffer::kMaxSide);
    int h = std::clamp(window.cy, 0, PixelBuffer::kMaxSide);
    if (std::int64_t(w) * h > PixelBuffer::kMaxPixels) h = int(PixelBuffer::kMaxPixels / std::max(w, 1));
    return {w, h};
}

NativeWindowDesc DescFor(const Window& w)
{
    NativeWindowDesc d;
    d.kind = NativeKindFor(w.style, w.exStyle);
    d.title = w.text;
    d.bounds = w.rect;
    d.resizable = d.kind == NativeKind::Decorated && (w.style & WS_THICKFRAME);
    d.showInTaskbar = d.kind != NativeKind::Popup && !(w.exStyle & WS_EX_TOOLWINDOW) &&
                      (!w.owner || (w.exStyle & WS_EX_APPWINDOW));
    d.owner = w.owner;
    d.icon = ProgramIcon();
    return d;
}

// What a buffer holds before anything is drawn.
TPixel FreshPixel()
{
    return PixelFromColor(clBtnFace);
}

void CreateNative(const Window& w)
{
    Backend& backend = *Sys().backend;
    backend.CreateNativeWindow(w.handle, DescFor(w));
    if (w.shape) backend.SetNativeShape(w.handle, &*w.shape);
}

}  // namespace

NativeKind NativeKindFor(DWORD style, DWORD exStyle)
{
    if (IsDecoratedStyle(style)) return NativeKind::Decorated;
    if ((style & WS_POPUP) && (exStyle & WS_EX_TOOLWINDOW)) return NativeKind::Popup;
    return NativeKind::Borderless;
}

void AttachNative(Window& w)
{
    const TSize size = BufferSizeFor(w.Size());
    w.backBuffer = std::make_unique<PixelBuffer>(size.cx, size.cy, FreshPixel());
    CreateNative(w);
    SyncNativeZOrder();
}

void DetachNative(Window& w)
{
    WindowSystem::Impl& sys = Sys();
    for (HDC dc : sys.compositor.Forget(w.handle)) DeleteSurfaceDC(dc);
    sys.backend->DestroyNativeWindow(w.handle);
    w.backBuffer.reset();
}

void UpdateNativeKind(Window& w, NativeKind before)
{
    if (!w.IsTopLevel() || NativeKindFor(w.style, w.exStyle) == before) return;
    Backend& backend = *Sys().backend;
    backend.DestroyNativeWindow(w.handle);
    CreateNative(w);
    SyncNativeZOrder();
    if (w.style & WS_VISIBLE) {
        backend.ShowNativeWindow(w.handle, true, Sys().input.active == w.handle);
        if (w.style & WS_MINIMIZE) backend.SetNativeMinimized(w.handle, true);
        Sys().compositor.MarkDirty(w.handle, w.backBuffer->Bounds());
    }
}

void ResizeBackBuffer(Window& w)
{
    if (!w.backBuffer) return;
    const TSize size = BufferSizeFor(w.Size());
    if (size == TSize{w.backBuffer->Width(), w.backBuffer->Height()}) return;
    w.backBuffer->Resize(size.cx, size.cy, FreshPixel());
}

void SyncNativeZOrder()
{
    const std::vector<HWND>& topFirst = Sys().windows.TopLevels();
    Sys().backend->SetNativeZOrder(std::vector<HWND>(topFirst.rbegin(), topFirst.rend()));
}

void SyncNativeShape(const Window& w)
{
    if (w.IsTopLevel()) Sys().backend->SetNativeShape(w.handle, w.shape ? &*w.shape : nullptr);
}

}  // namespace win
