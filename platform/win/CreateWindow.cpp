// CreateWindowEx. The order of messages is the classic one:
// WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, and for WS_VISIBLE
// what ShowWindow sends (WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, activation,
// WM_WINDOWPOSCHANGED).

#include "platform/win/NativeWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <algorithm>

using namespace win;

namespace {

std::unique_ptr<Window> NewRecord(const WNDCLASS& wc, DWORD exStyle, DWORD style, TRect rect, const Window* parent,
                                  HMENU menuOrId)
{
    auto w = std::make_unique<Window>();
    w->windowClass = wc;
    w->proc = wc.lpfnWndProc;
    // Visibility and show state come afterwards, through ShowWindow.
    w->style = style & ~DWORD(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    w->exStyle = exStyle & ~DWORD(WS_EX_TOPMOST);
    const bool child = (style & WS_CHILD) != 0;
    if (child) {
        w->parent = parent->handle;
        w->id = reinterpret_cast<LONG_PTR>(menuOrId);
    } else {
        // Top-level windows never overlap their siblings' drawing, and belong to a top-level owner.
        w->style |= WS_CLIPSIBLINGS;
        w->owner = parent ? RootOf(*parent).handle : nullptr;
    }
    w->rect = rect;
    w->client = {0, 0, rect.Width(), rect.Height()};
    w->restoreRect = rect;
    return w;
}

// WM_NCCALCSIZE with the window rectangle: the client rectangle it asks for.
void CalcInitialClient(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    NCCALCSIZE_PARAMS p;
    p.rgrc[0] = w->rect;
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&p));
    if (!(w = LookUp(hwnd))) return;
    const TRect inside = p.rgrc[0].Normalized().Intersected(w->rect);
    w->client = inside.IsEmpty() ? TRect{} : inside.Offset(-w->rect.Left, -w->rect.Top);
}

void SendInitialSize(HWND hwnd)
{
    const Window* w = LookUp(hwnd);
    const TRect client = w->ClientInParent();
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(client.Width()), WORD(client.Height())));
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(WORD(client.Left), WORD(client.Top)));
}

int InitialShowCommand(DWORD style)
{
    if (style & WS_MINIMIZE) return SW_SHOWMINIMIZED;
    if (style & WS_MAXIMIZE) return SW_SHOWMAXIMIZED;
    return SW_SHOW;
}

// Runs the creation messages; false when the window refused or went away.
bool RunCreation(HWND hwnd, CREATESTRUCT& cs)
{
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return false;
    if (!LookUp(hwnd)) return false;
    CalcInitialClient(hwnd);
    if (!LookUp(hwnd)) return false;
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) return false;
    if (!LookUp(hwnd)) return false;
    SendInitialSize(hwnd);
    if (!LookUp(hwnd)) return false;
    if (DWORD(cs.style) & WS_VISIBLE) ShowWindow(hwnd, InitialShowCommand(DWORD(cs.style)));
    return LookUp(hwnd) != nullptr;
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId, void* param)
{
    WindowSystem::Impl& sys = Sys();
    const WNDCLASS* wc = sys.classes.Find(className);
    if (!wc) return nullptr;
    if (IsDesktop(parent)) parent = nullptr;
    const Window* parentRecord = LookUp(parent);
    if ((parent && !parentRecord) || ((style & WS_CHILD) && !parentRecord)) return nullptr;

    const TRect rect = TRect::FromSize(x, y, std::max(width, 0), std::max(height, 0));
    const HWND hwnd = sys.windows.Add(NewRecord(*wc, exStyle, style, rect, parentRecord, menuOrId));
    Window* w = LookUp(hwnd);
    LinkWindow(*w, HWND_TOP);
    if (w->IsTopLevel()) AttachNative(*w);

    CREATESTRUCT cs{param, menuOrId, parent, rect.Height(), rect.Width(), y, x, LONG(style), windowName, className,
                    exStyle};
    bool created = false;
    try {
        created = RunCreation(hwnd, cs);
    } catch (...) {
        DestroyWindow(hwnd);
        throw;
    }
    if (!created) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}
