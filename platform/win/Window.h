#pragma once
// The window system's record of one window. Only the window system sees it;
// everyone else holds the HWND and asks through WinApi.h.

#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"
#include "platform/win/ScrollBarState.h"
#include "platform/win/WinTypes.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace win {

struct Window {
    HWND handle = nullptr;
    WNDCLASS windowClass;  // a copy: unregistering the class leaves the window alone
    WNDPROC proc = nullptr;  // nullptr: DefWindowProc
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HWND parent = nullptr;  // child windows only
    HWND owner = nullptr;   // top-level windows only
    std::vector<HWND> children;  // top of the z-order first
    TRect rect;    // the window rectangle: parent client coordinates, screen for top-level windows
    TRect client;  // the client rectangle in window coordinates (from WM_NCCALCSIZE)
    std::string text;
    std::map<std::string, void*> props;

    // Painting state.
    Region update;               // client coordinates
    bool erasePending = false;   // WM_ERASEBKGND due at the next BeginPaint
    bool framePending = false;   // WM_NCPAINT due
    bool internalPaint = false;  // WM_PAINT due even with an empty update region

    std::optional<Region> shape;  // window coordinates; none for a rectangle
    ScrollBarState vertical;
    ScrollBarState horizontal;

    TRect restoreRect;              // the normal rectangle while minimised or maximised
    bool restoreToMaximized = false;  // minimised from the maximised state
    bool hiddenWithOwner = false;     // ShowOwnedPopups hid it while its owner is minimised
    bool destroying = false;

    // Top-level windows only: the pixels all its descendants draw into.
    std::unique_ptr<PixelBuffer> backBuffer;

    [[nodiscard]] bool IsTopLevel() const { return parent == nullptr; }
    [[nodiscard]] TSize Size() const { return rect.Size(); }
    // The client rectangle in parent client coordinates (screen for top-level windows).
    [[nodiscard]] TRect ClientInParent() const { return client.Offset(rect.TopLeft()); }
    [[nodiscard]] TRect ClientBounds() const { return {0, 0, client.Width(), client.Height()}; }
};

}  // namespace win
