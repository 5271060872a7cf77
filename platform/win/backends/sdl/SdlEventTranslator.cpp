#include "platform/win/backends/sdl/SdlEventTranslator.h"

#include "platform/win/WinConst.h"
#include "platform/win/backends/sdl/SdlKeyMap.h"
#include "platform/win/backends/sdl/X11PointerFeed.h"

#include <SDL.h>

namespace win {

namespace {

constexpr unsigned kXButtonLeft = 1;
constexpr unsigned kXButtonMiddle = 2;
constexpr unsigned kXButtonRight = 3;
constexpr unsigned kXWheelUp = 4;    // away from the user
constexpr unsigned kXWheelDown = 5;

std::optional<MouseButton> ButtonOf(unsigned xButton)
{
    switch (xButton) {
    case kXButtonLeft: return MouseButton::Left;
    case kXButtonMiddle: return MouseButton::Middle;
    case kXButtonRight: return MouseButton::Right;
    default: return std::nullopt;
    }
}

BackendEvent EventFor(BackendEvent::Type type, HWND window, std::uint32_t timeMs)
{
    BackendEvent e;
    e.type = type;
    e.window = window;
    e.timeMs = timeMs;
    return e;
}

}  // namespace

void SdlEventTranslator::Translate(const SDL_Event& event, std::vector<BackendEvent>& out)
{
    switch (event.type) {
    case SDL_SYSWMEVENT:
        if (const auto pointer = m_pointerFeed.Take(event.syswm.msg))
            TranslatePointer(*pointer, event.syswm.timestamp, out);
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window, out);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event.key, out);
        break;
    case SDL_TEXTINPUT: {
        BackendEvent e = EventFor(BackendEvent::Type::Text, m_windows.FromSdlId(event.text.windowID),
                                  event.text.timestamp);
        e.text = event.text.text;
        if (!e.text.empty()) out.push_back(std::move(e));
        break;
    }
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE:
        TranslateDrop(event.drop, out);
        break;
    case SDL_QUIT:
        out.push_back(EventFor(BackendEvent::Type::Quit, nullptr, event.quit.timestamp));
        break;
    default:
        // SDL's own mouse events among them: the X events above replace them.
        break;
    }
}

void SdlEventTranslator::TranslatePointer(const X11PointerEvent& p, std::uint32_t timeMs,
                                          std::vector<BackendEvent>& out)
{
    m_pointer = p.root;
    BackendEvent e = EventFor(BackendEvent::Type::MouseMove, m_windows.FromXWindow(p.window), timeMs);
    e.pos = p.root;
    e.modifiers = p.modifiers;
    switch (p.kind) {
    case X11PointerEvent::Kind::Crossing:
        return;
    case X11PointerEvent::Kind::Move:
        break;
    case X11PointerEvent::Kind::Press:
    case X11PointerEvent::Kind::Release:
        if (p.button == kXWheelUp || p.button == kXWheelDown) {
            // The wheel presses and releases at once: one step per press.
            if (p.kind == X11PointerEvent::Kind::Release) return;
            e.type = BackendEvent::Type::MouseWheel;
            e.wheelDelta = p.button == kXWheelUp ? WHEEL_DELTA : -WHEEL_DELTA;
        } else if (const auto button = ButtonOf(p.button)) {
            e.type = p.kind == X11PointerEvent::Kind::Press ? BackendEvent::Type::MouseDown : BackendEvent::Type::MouseUp;
            e.button = *button;
        } else {
            return;
        }
        break;
    }
    out.push_back(std::move(e));
}

void SdlEventTranslator::TranslateKey(const SDL_KeyboardEvent& k, std::vector<BackendEvent>& out)
{
    const std::uint16_t vk = VirtualKeyFromSdl(k.keysym);
    if (vk == 0) return;
    BackendEvent e = EventFor(k.type == SDL_KEYDOWN ? BackendEvent::Type::KeyDown : BackendEvent::Type::KeyUp,
                              m_windows.FromSdlId(k.windowID), k.timestamp);
    e.virtualKey = vk;
    e.repeat = k.repeat != 0;
    e.modifiers = ModifiersFromSdl(k.keysym.mod);
    out.push_back(std::move(e));
}

void SdlEventTranslator::TranslateWindowEvent(const SDL_WindowEvent& w, std::vector<BackendEvent>& out)
{
    const HWND window = m_windows.FromSdlId(w.windowID);
    SdlNativeWindow* native = m_windows.Find(window);
    if (!native) return;
    switch (w.event) {
    case SDL_WINDOWEVENT_CLOSE:
        out.push_back(EventFor(BackendEvent::Type::CloseRequest, window, w.timestamp));
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        // A pop-up never holds the focus as far as the window system knows.
        if (native->Kind() == NativeKind::Popup) break;
        out.push_back(EventFor(w.event == SDL_WINDOWEVENT_FOCUS_GAINED ? BackendEvent::Type::FocusIn
                                                                       : BackendEvent::Type::FocusOut,
                               window, w.timestamp));
        break;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_RESIZED:
        m_changed.insert(window);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // SDL makes a new surface: everything must be presented again.
        m_changed.insert(window);
        native->OnDesktopResized();
        AddExposed(window, w.timestamp, out);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        AddExposed(window, w.timestamp, out);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_RESTORED: {
        const bool minimized = w.event == SDL_WINDOWEVENT_MINIMIZED;
        if (!native->AdoptMinimized(minimized, w.timestamp)) break;
        BackendEvent e = EventFor(BackendEvent::Type::MinimizeRequest, window, w.timestamp);
        e.minimized = minimized;
        out.push_back(std::move(e));
        break;
    }
    default:
        break;
    }
}

void SdlEventTranslator::AddExposed(HWND window, std::uint32_t timeMs, std::vector<BackendEvent>& out)
{
    if (m_exposedInBatch.insert(window).second) out.push_back(EventFor(BackendEvent::Type::Exposed, window, timeMs));
}

void SdlEventTranslator::TranslateDrop(const SDL_DropEvent& d, std::vector<BackendEvent>& out)
{
    switch (d.type) {
    case SDL_DROPBEGIN:
        m_drop = {m_windows.FromSdlId(d.windowID), {}};
        break;
    case SDL_DROPFILE:
        if (!m_drop.window) m_drop.window = m_windows.FromSdlId(d.windowID);
        if (d.file && m_drop.files.size() < kMaxDroppedFiles) m_drop.files.emplace_back(d.file);
        break;
    case SDL_DROPCOMPLETE: {
        if (!m_drop.files.empty()) {
            const auto desktop = m_windows.AnyDesktop();
            if (desktop) m_pointer = desktop->QueryPointer();
            BackendEvent e = EventFor(BackendEvent::Type::FilesDropped,
                                      m_drop.window ? m_drop.window : m_windows.FromSdlId(d.windowID), d.timestamp);
            e.pos = m_pointer.value_or(TPoint{});
            e.files = std::move(m_drop.files);
            out.push_back(std::move(e));
        }
        m_drop = {};
        break;
    }
    default:  // dropped text is not a file
        break;
    }
    // SDL hands the file name over to us.
    if (d.file) SDL_free(d.file);
}

void SdlEventTranslator::FinishBatch(std::uint32_t nowMs, std::vector<BackendEvent>& out)
{
    m_exposedInBatch.clear();
    for (auto it = m_changed.begin(); it != m_changed.end();) {
        SdlNativeWindow* native = m_windows.Find(*it);
        if (!native) {
            it = m_changed.erase(it);
            continue;
        }
        const SdlNativeWindow::DesktopChange change = native->TakeDesktopChange(nowMs);
        if (change.moved) {
            BackendEvent e = EventFor(BackendEvent::Type::Moved, *it, nowMs);
            e.bounds = *change.moved;
            out.push_back(std::move(e));
        }
        it = change.settling ? std::next(it) : m_changed.erase(it);
    }
}

void SdlEventTranslator::Forget(HWND window)
{
    m_changed.erase(window);
    if (m_drop.window == window) m_drop = {};
}

}  // namespace win
