#include "platform/win/backends/sdl/SdlBackend.h"

#include "platform/win/UrlOpener.h"
#include "platform/win/backends/sdl/SdlCursors.h"
#include "platform/win/backends/sdl/SdlEventTranslator.h"
#include "platform/win/backends/sdl/SdlPresenter.h"
#include "platform/win/backends/sdl/SdlSession.h"
#include "platform/win/backends/sdl/SdlWindowTable.h"
#include "platform/win/backends/sdl/X11PointerFeed.h"

#include <SDL.h>

#include <algorithm>
#include <climits>

namespace win {

namespace {

constexpr std::uint32_t kSettleRecheckMs = 50;    // ms; how often unsettled bounds are looked at again
constexpr std::size_t kMaxEventsPerBatch = 4096;  // events handled by one WaitEvents

TRect FromSdl(const SDL_Rect& r) { return TRect::FromSize(r.x, r.y, r.w, r.h); }

}  // namespace

struct SdlBackend::Impl {
    SdlSession session;  // first in, last out: everything below needs SDL
    SdlWindowTable windows;
    X11PointerFeed pointerFeed;
    SdlEventTranslator translator{windows, pointerFeed};
    SdlPresenter presenter;
    SdlCursors cursors;
    std::vector<HWND> zOrder;  // as last applied, bottom to top; empty when unknown
    bool wakePending = false;
};

SdlBackend::SdlBackend() : m_impl(std::make_unique<Impl>()) {}

SdlBackend::~SdlBackend() = default;

// --- the desktop ---------------------------------------------------------------

TRect SdlBackend::ScreenRect() const
{
    SDL_Rect r{};
    if (SDL_GetDisplayBounds(0, &r) != 0) return {};
    return FromSdl(r);
}

TRect SdlBackend::WorkArea() const
{
    SDL_Rect r{};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0) return ScreenRect();
    return FromSdl(r);
}

std::string SdlBackend::DriverName() const
{
    return m_impl->session.DriverName();
}

// --- windows -------------------------------------------------------------------

void SdlBackend::CreateNativeWindow(HWND window, const NativeWindowDesc& desc)
{
    m_impl->windows.Create(window, desc);
}

void SdlBackend::DestroyNativeWindow(HWND window)
{
    m_impl->translator.Forget(window);
    m_impl->windows.Destroy(window);
    std::erase(m_impl->zOrder, window);
}

void SdlBackend::SetNativeBounds(HWND window, const TRect& bounds)
{
    if (SdlNativeWindow* w = m_impl->windows.Find(window)) w->SetBounds(bounds);
}

void SdlBackend::SetNativeTitle(HWND window, const std::string& title)
{
    if (SdlNativeWindow* w = m_impl->windows.Find(window)) w->SetTitle(title);
}

void SdlBackend::ShowNativeWindow(HWND window, bool visible, bool activate)
{
    SdlNativeWindow* w = m_impl->windows.Find(window);
    if (!w) return;
    w->Show(visible, activate);
    // X puts a window it maps on top: the stacking we know is gone.
    m_impl->zOrder.clear();
}

void SdlBackend::SetNativeMinimized(HWND window, bool minimized)
{
    if (SdlNativeWindow* w = m_impl->windows.Find(window)) w->SetMinimized(minimized);
    m_impl->zOrder.clear();
}

void SdlBackend::SetNativeOwner(HWND window, HWND owner)
{
    SdlNativeWindow* w = m_impl->windows.Find(window);
    const SdlNativeWindow* o = m_impl->windows.Find(owner);
    if (w) w->SetOwner(o ? o->XId() : 0);
}

void SdlBackend::SetNativeZOrder(const std::vector<HWND>& bottomToTop)
{
    std::vector<HWND> order;
    for (HWND h : bottomToTop)
        if (m_impl->windows.Find(h)) order.push_back(h);
    // Raise only from the first place where the order changed.
    const auto firstChange = std::mismatch(order.begin(), order.end(), m_impl->zOrder.begin(), m_impl->zOrder.end());
    for (auto it = firstChange.first; it != order.end(); ++it) {
        SdlNativeWindow* w = m_impl->windows.Find(*it);
        if (w->IsShown()) w->Raise();
    }
    m_impl->zOrder = std::move(order);
}

void SdlBackend::SetNativeShape(HWND window, const Region* shape)
{
    if (SdlNativeWindow* w = m_impl->windows.Find(window)) w->SetShape(shape);
}

void SdlBackend::FocusNativeWindow(HWND window)
{
    SdlNativeWindow* w = m_impl->windows.Find(window);
    if (!w || !w->IsShown()) return;
    // The window that gets the keyboard comes forward, whatever the desktop stacked meanwhile.
    w->Raise();
    w->Focus();
    m_impl->zOrder.clear();
}

void SdlBackend::Present(HWND window, const PixelBuffer& backBuffer, const Region& dirty)
{
    if (SdlNativeWindow* w = m_impl->windows.Find(window)) m_impl->presenter.Present(w->Sdl(), backBuffer, dirty);
}

unsigned long SdlBackend::X11WindowId(HWND window) const
{
    const SdlNativeWindow* w = m_impl->windows.Find(window);
    return w ? w->XId() : 0;
}

// --- events --------------------------------------------------------------------

std::vector<BackendEvent> SdlBackend::WaitEvents(std::optional<std::uint32_t> timeoutMs)
{
    Impl& s = *m_impl;
    std::optional<std::uint32_t> wait = timeoutMs;
    if (s.translator.Settling()) wait = std::min(wait.value_or(kSettleRecheckMs), kSettleRecheckMs);

    std::vector<BackendEvent> out;
    SDL_Event event;
    int got = wait ? SDL_WaitEventTimeout(&event, int(std::min<std::uint32_t>(*wait, INT_MAX)))
                   : SDL_WaitEvent(&event);
    for (std::size_t handled = 0; got && handled < kMaxEventsPerBatch; ++handled) {
        if (event.type == s.session.WakeEventType())
            s.wakePending = false;
        else
            s.translator.Translate(event, out);
        got = SDL_PollEvent(&event);
    }
    s.translator.FinishBatch(NowMs(), out);
    return out;
}

void SdlBackend::Wake()
{
    if (m_impl->wakePending) return;
    SDL_Event event{};
    event.type = m_impl->session.WakeEventType();
    m_impl->wakePending = SDL_PushEvent(&event) == 1;
}

std::uint32_t SdlBackend::NowMs() const
{
    return SDL_GetTicks();
}

// --- the pointer ---------------------------------------------------------------

TPoint SdlBackend::CursorPos() const
{
    if (const auto known = m_impl->translator.Pointer()) return *known;
    if (const auto desktop = m_impl->windows.AnyDesktop()) return desktop->QueryPointer();
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return {x, y};
}

void SdlBackend::SetCursorPos(TPoint screen)
{
    SDL_WarpMouseGlobal(screen.X, screen.Y);
    m_impl->translator.SetPointer(screen);
}

void SdlBackend::SetCursorShape(CursorShape shape)
{
    m_impl->cursors.Show(shape);
}

void SdlBackend::SetMouseCapture(bool captured)
{
    // SDL refuses while no window of ours has the mouse; the X implicit grab
    // of a held button still brings the events then.
    SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE);
}

// --- text input and the clipboard ----------------------------------------------

void SdlBackend::StartTextInput(const TRect& caretScreenRect)
{
    // SDL wants the rectangle relative to the window with the keyboard focus.
    SDL_Rect r{caretScreenRect.Left, caretScreenRect.Top, caretScreenRect.Width(), caretScreenRect.Height()};
    if (SDL_Window* focus = SDL_GetKeyboardFocus()) {
        int x = 0;
        int y = 0;
        SDL_GetWindowPosition(focus, &x, &y);
        r.x -= x;
        r.y -= y;
    }
    SDL_SetTextInputRect(&r);
    SDL_StartTextInput();
}

void SdlBackend::StopTextInput()
{
    SDL_StopTextInput();
}

void SdlBackend::SetClipboardText(const std::string& text)
{
    SDL_SetClipboardText(text.c_str());
}

std::optional<std::string> SdlBackend::ClipboardText() const
{
    if (!SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    if (!text) return std::nullopt;
    std::string result(text);
    SDL_free(text);
    return result;
}

void SdlBackend::OpenUrl(const std::string& url)
{
    OpenUrlDetached(url);
}

}  // namespace win
