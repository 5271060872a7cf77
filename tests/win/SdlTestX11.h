#pragma once
// What the SDL backend's tests ask the X server directly, on a connection of
// their own: where a window is, its pixels and shape, who has the focus,
// and input made up through the XTest extension (loaded at run time, so the
// tests need no extra build dependency).

#include "platform/core/Color.h"
#include "platform/core/Rect.h"

#include <memory>
#include <string>
#include <vector>

namespace win::test {

class X11Probe {
public:
    // Opens $DISPLAY; Ok() says whether that worked.
    X11Probe();
    ~X11Probe();
    X11Probe(const X11Probe&) = delete;
    X11Probe& operator=(const X11Probe&) = delete;

    [[nodiscard]] bool Ok() const;

    // The window's inside in root coordinates.
    [[nodiscard]] TRect RootBounds(unsigned long window);
    [[nodiscard]] bool Viewable(unsigned long window);
    // One pixel as 0xFFRRGGBB.
    [[nodiscard]] TPixel PixelAt(unsigned long window, TPoint p);
    // The bounding shape's rectangles, window coordinates.
    [[nodiscard]] std::vector<TRect> ShapeRects(unsigned long window);
    [[nodiscard]] unsigned long FocusedWindow();
    // WM_TRANSIENT_FOR, or 0.
    [[nodiscard]] unsigned long TransientFor(unsigned long window);
    // The atom names of a property holding atoms (_NET_WM_WINDOW_TYPE), and
    // how many 32-bit values a property holds (_NET_WM_ICON).
    [[nodiscard]] std::vector<std::string> AtomNames(unsigned long window, const char* property);
    [[nodiscard]] unsigned long PropertyLength(unsigned long window, const char* property);
    // Moves a window as another program (or the user through the window manager) would.
    void MoveWindow(unsigned long window, TPoint root);
    // Sends a client message to the window and waits until the X server has read it.
    void SendClientMessage(unsigned long window);
    // Asks where the window's corner lies on the root window (a request with a reply).
    void TranslateToRoot(unsigned long window);
    // A window of this connection's own, as another program (the window manager) has them.
    [[nodiscard]] unsigned long CreateWindow();
    void DestroyWindow(unsigned long window);

    // XTest input; HasXTest() false when the library or extension is missing.
    [[nodiscard]] bool HasXTest() const;
    void MovePointer(TPoint root);
    void PressButton(unsigned button);
    void ReleaseButton(unsigned button);
    void TapKey(const char* keysymName);  // press and release, e.g. "a", "F5", "Left"

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace win::test
