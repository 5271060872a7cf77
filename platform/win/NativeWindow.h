#pragma once
// The desktop's side of a top-level window: the backend's native window and
// the back buffer everything in the window draws into.

#include "platform/win/Backend.h"
#include "platform/win/Window.h"

namespace win {

[[nodiscard]] NativeKind NativeKindFor(DWORD style, DWORD exStyle);
// Makes the (hidden) native window and the back buffer of a top-level window.
void AttachNative(Window& w);
// Takes both away again; contexts drawing into the buffer are deleted.
void DetachNative(Window& w);
// The native window follows a change of kind (a caption added or taken away).
void UpdateNativeKind(Window& w, NativeKind before);
// The back buffer follows the window's size.
void ResizeBackBuffer(Window& w);
// Tells the backend the z-order of every top-level window.
void SyncNativeZOrder();
// Tells the backend the window's shape.
void SyncNativeShape(const Window& w);

}  // namespace win
