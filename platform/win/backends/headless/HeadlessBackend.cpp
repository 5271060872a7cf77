#include "platform/win/backends/headless/HeadlessBackend.h"

#include "platform/core/Exception.h"
#include "platform/gfx/PngWriter.h"

namespace win {

HeadlessBackend::HeadlessBackend(const HeadlessOptions& options)
    : m_screen(options.screenSize, options.taskBarHeight), m_events(options.startMs)
{
}

// --- windows -------------------------------------------------------------------

void HeadlessBackend::CreateNativeWindow(HWND window, const NativeWindowDesc& desc)
{
    m_screen.Add(window, desc);
}

void HeadlessBackend::DestroyNativeWindow(HWND window)
{
    m_screen.Remove(window);
    if (m_focused == window) m_focused = nullptr;
}

void HeadlessBackend::SetNativeBounds(HWND window, const TRect& bounds)
{
    m_screen.SetBounds(window, bounds);
}

void HeadlessBackend::SetNativeTitle(HWND window, const std::string& title)
{
    if (HeadlessWindow* w = m_screen.Find(window)) w->desc.title = title;
}

void HeadlessBackend::ShowNativeWindow(HWND window, bool visible, bool activate)
{
    HeadlessWindow* w = m_screen.Find(window);
    if (!w) return;
    w->visible = visible;
    if (!visible && m_focused == window) m_focused = nullptr;
    if (visible && activate) FocusNativeWindow(window);
}

void HeadlessBackend::SetNativeMinimized(HWND window, bool minimized)
{
    if (HeadlessWindow* w = m_screen.Find(window)) w->minimized = minimized;
}

void HeadlessBackend::SetNativeOwner(HWND window, HWND owner)
{
    if (HeadlessWindow* w = m_screen.Find(window)) w->desc.owner = owner;
}

void HeadlessBackend::SetNativeZOrder(const std::vector<HWND>& bottomToTop)
{
    m_screen.SetZOrder(bottomToTop);
}

void HeadlessBackend::SetNativeShape(HWND window, const Region* shape)
{
    HeadlessWindow* w = m_screen.Find(window);
    if (!w) return;
    if (shape)
        w->shape = *shape;
    else
        w->shape.reset();
}

void HeadlessBackend::FocusNativeWindow(HWND window)
{
    const HeadlessWindow* w = m_screen.Find(window);
    if (w && w->desc.kind != NativeKind::Popup) m_focused = window;
}

void HeadlessBackend::Present(HWND window, const PixelBuffer& backBuffer, const Region& dirty)
{
    m_screen.Present(window, backBuffer, dirty);
}

std::vector<BackendEvent> HeadlessBackend::WaitEvents(std::optional<std::uint32_t> timeoutMs)
{
    return m_events.Wait(timeoutMs);
}

void HeadlessBackend::StartTextInput(const TRect& caretScreenRect)
{
    m_textInputActive = true;
    m_textInputRect = caretScreenRect;
}

// --- injection -----------------------------------------------------------------

void HeadlessBackend::Inject(BackendEvent event)
{
    switch (event.type) {
    case BackendEvent::Type::MouseMove:
    case BackendEvent::Type::MouseDown:
    case BackendEvent::Type::MouseUp:
    case BackendEvent::Type::MouseWheel:
        m_cursorPos = event.pos;
        break;
    default:
        break;
    }
    m_events.Push(std::move(event));
}

void HeadlessBackend::InjectMouse(BackendEvent::Type type, TPoint screen, MouseButton button, KeyModifiers modifiers)
{
    BackendEvent e;
    e.type = type;
    e.window = m_screen.WindowAt(screen);
    e.pos = screen;
    e.button = button;
    e.modifiers = modifiers;
    Inject(std::move(e));
}

void HeadlessBackend::InjectMouseMove(TPoint screen, KeyModifiers modifiers)
{
    InjectMouse(BackendEvent::Type::MouseMove, screen, MouseButton::Left, modifiers);
}

void HeadlessBackend::InjectMouseDown(TPoint screen, MouseButton button, KeyModifiers modifiers)
{
    InjectMouse(BackendEvent::Type::MouseDown, screen, button, modifiers);
}

void HeadlessBackend::InjectMouseUp(TPoint screen, MouseButton button, KeyModifiers modifiers)
{
    InjectMouse(BackendEvent::Type::MouseUp, screen, button, modifiers);
}

void HeadlessBackend::InjectClick(TPoint screen, MouseButton button)
{
    InjectMouseMove(screen);
    InjectMouseDown(screen, button);
    InjectMouseUp(screen, button);
}

void HeadlessBackend::InjectMouseWheel(TPoint screen, int wheelDelta, KeyModifiers modifiers)
{
    BackendEvent e;
    e.type = BackendEvent::Type::MouseWheel;
    e.window = m_screen.WindowAt(screen);
    e.pos = screen;
    e.wheelDelta = wheelDelta;
    e.modifiers = modifiers;
    Inject(std::move(e));
}

void HeadlessBackend::InjectKey(BackendEvent::Type type, std::uint16_t virtualKey, KeyModifiers modifiers)
{
    BackendEvent e;
    e.type = type;
    e.window = m_focused;
    e.virtualKey = virtualKey;
    e.modifiers = modifiers;
    Inject(std::move(e));
}

void HeadlessBackend::InjectKeyDown(std::uint16_t virtualKey, KeyModifiers modifiers)
{
    InjectKey(BackendEvent::Type::KeyDown, virtualKey, modifiers);
}

void HeadlessBackend::InjectKeyUp(std::uint16_t virtualKey, KeyModifiers modifiers)
{
    InjectKey(BackendEvent::Type::KeyUp, virtualKey, modifiers);
}

void HeadlessBackend::InjectText(const std::string& utf8)
{
    BackendEvent e;
    e.type = BackendEvent::Type::Text;
    e.window = m_focused;
    e.text = utf8;
    Inject(std::move(e));
}

void HeadlessBackend::InjectForWindow(BackendEvent::Type type, HWND window)
{
    BackendEvent e;
    e.type = type;
    e.window = window;
    Inject(std::move(e));
}

void HeadlessBackend::InjectCloseRequest(HWND window)
{
    InjectForWindow(BackendEvent::Type::CloseRequest, window);
}

void HeadlessBackend::InjectFocusIn(HWND window)
{
    m_focused = window;
    InjectForWindow(BackendEvent::Type::FocusIn, window);
}

void HeadlessBackend::InjectFocusOut(HWND window)
{
    if (m_focused == window) m_focused = nullptr;
    InjectForWindow(BackendEvent::Type::FocusOut, window);
}

void HeadlessBackend::InjectExposed(HWND window)
{
    InjectForWindow(BackendEvent::Type::Exposed, window);
}

void HeadlessBackend::InjectDesktopMove(HWND window, const TRect& bounds)
{
    m_screen.SetBounds(window, bounds);
    BackendEvent e;
    e.type = BackendEvent::Type::Moved;
    e.window = window;
    e.bounds = bounds;
    Inject(std::move(e));
}

void HeadlessBackend::InjectMinimize(HWND window) { InjectMinimizeRequest(window, true); }

void HeadlessBackend::InjectRestore(HWND window) { InjectMinimizeRequest(window, false); }

void HeadlessBackend::InjectMinimizeRequest(HWND window, bool minimized)
{
    SetNativeMinimized(window, minimized);
    BackendEvent e;
    e.type = BackendEvent::Type::MinimizeRequest;
    e.window = window;
    e.minimized = minimized;
    Inject(std::move(e));
}

void HeadlessBackend::InjectFilesDropped(HWND window, TPoint screen, std::vector<std::string> files)
{
    BackendEvent e;
    e.type = BackendEvent::Type::FilesDropped;
    e.window = window;
    e.pos = screen;
    e.files = std::move(files);
    Inject(std::move(e));
}

void HeadlessBackend::InjectQuit()
{
    InjectForWindow(BackendEvent::Type::Quit, nullptr);
}

// --- capture -------------------------------------------------------------------

PixelBuffer HeadlessBackend::CaptureWindow(HWND window) const
{
    const HeadlessWindow* w = m_screen.Find(window);
    if (!w) throw EInvalidOperation("The window has no native window to capture");
    return w->pixels;
}

void HeadlessBackend::SaveScreenPng(const std::string& path) const
{
    SavePngFile(CaptureScreen(), path);
}

}  // namespace win
