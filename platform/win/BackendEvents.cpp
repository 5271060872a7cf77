// What the desktop tells us, as messages: input goes to InputRouting and
// Keyboard; closing, focus, moves, exposure, minimising, dropped files and
// the end of the session are handled here.

#include "platform/win/Activation.h"
#include "platform/win/HitTest.h"
#include "platform/win/InputRouting.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowState.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

// The close box runs the same path as the system menu's Close, so that close
// queries run. A window disabled by a modal one brings that one forward instead.
void OnCloseRequest(HWND hwnd)
{
    if (IsWindowEnabled(hwnd))
        SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (LookUp(hwnd))
        ActivateEnabledPopupOf(hwnd);
}

// Focus moving between two of our windows arrives as a loss followed by a gain:
// the application keeps its activation then.
bool FocusReturnsSoon()
{
    for (const MessageQueue::Entry& entry : Sys().queue.Input()) {
        const BackendEvent* e = std::get_if<BackendEvent>(&entry);
        if (e && e->type == BackendEvent::Type::FocusIn && LookUp(e->window)) return true;
    }
    return false;
}

void OnFocusOut()
{
    if (!FocusReturnsSoon()) ApplicationLosesFocus();
}

void OnMoved(HWND hwnd, const TRect& bounds)
{
    PositionWindow(hwnd, nullptr, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FROMDESKTOP);
}

void OnExposed(HWND hwnd)
{
    WindowSystem::Impl& sys = Sys();
    for (HWND top : sys.windows.TopLevels()) {
        const Window* w = LookUp(top);
        if (w && (!hwnd || top == hwnd)) sys.compositor.MarkDirty(top, w->backBuffer->Bounds());
    }
}

void OnMinimizeRequest(HWND hwnd, bool minimized)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    if (!(w->style & WS_VISIBLE)) {
        // A hidden window has no icon: the report is out of date, and the
        // desktop learns our state again.
        Sys().backend->SetNativeMinimized(hwnd, (w->style & WS_MINIMIZE) != 0);
        return;
    }
    const HWND top = TopOwnerOf(*w).handle;
    if (top != hwnd) {
        // An owned window goes and comes back with its owner; on the
        // desktop it is then as we have it, never an icon of its own.
        if (minimized)
            MinimizeWindow(top, StateOrigin::Program);
        else
            RestoreWindow(top, true, StateOrigin::Program);
        if (LookUp(hwnd)) Sys().backend->SetNativeMinimized(hwnd, false);
        return;
    }
    if (minimized)
        MinimizeWindow(hwnd, StateOrigin::Desktop);
    else
        RestoreWindow(hwnd, true, StateOrigin::Desktop);
}

// The drop goes to the window under the point that accepts files, or its nearest ancestor that does.
void OnFilesDropped(const BackendEvent& e)
{
    for (const Window* w = LookUp(WindowAtPoint(e.pos).hwnd); w; w = LookUp(w->parent)) {
        if (w->exStyle & WS_EX_ACCEPTFILES) {
            SendMessage(w->handle, WM_DROPFILES, reinterpret_cast<WPARAM>(&e.files), 0);
            return;
        }
    }
}

}  // namespace

bool IsInputEvent(BackendEvent::Type type)
{
    using Type = BackendEvent::Type;
    switch (type) {
    case Type::MouseMove:
    case Type::MouseDown:
    case Type::MouseUp:
    case Type::MouseWheel:
    case Type::KeyDown:
    case Type::KeyUp:
    case Type::Text:
        return true;
    default:
        return false;
    }
}

std::vector<MSG> TranslateBackendEvent(const BackendEvent& e)
{
    using Type = BackendEvent::Type;
    switch (e.type) {
    case Type::MouseMove:
    case Type::MouseDown:
    case Type::MouseUp:
    case Type::MouseWheel:
        return TranslatePointerEvent(e);
    case Type::KeyDown:
    case Type::KeyUp:
        return TranslateKeyEvent(e);
    case Type::Text:
        return TranslateTextEvent(e);
    case Type::CloseRequest:
        OnCloseRequest(e.window);
        break;
    case Type::FocusIn:
        ApplicationGainsFocus(e.window);
        break;
    case Type::FocusOut:
        OnFocusOut();
        break;
    case Type::Moved:
        OnMoved(e.window, e.bounds);
        break;
    case Type::Exposed:
        OnExposed(e.window);
        break;
    case Type::MinimizeRequest:
        OnMinimizeRequest(e.window, e.minimized);
        break;
    case Type::FilesDropped:
        OnFilesDropped(e);
        break;
    case Type::Quit:
        PostQuitMessage(0);
        break;
    }
    return {};
}

}  // namespace win
