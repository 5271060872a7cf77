// What is stored with a window: GWL_* values, its text and its properties.

#include "platform/win/NativeWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <utility>

using namespace win;

namespace {

// WM_STYLECHANGING may adjust the new value; WM_STYLECHANGED tells what it became.
LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD wanted)
{
    Window* w = LookUp(hwnd);
    DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
    STYLESTRUCT ss{field, wanted};
    SendMessage(hwnd, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
    if (!(w = LookUp(hwnd))) return 0;
    DWORD& now = index == GWL_STYLE ? w->style : w->exStyle;
    const DWORD old = now;
    const NativeKind before = NativeKindFor(w->style, w->exStyle);
    // Topmost changes go through SetWindowPos only.
    if (index == GWL_EXSTYLE) ss.styleNew = (ss.styleNew & ~DWORD(WS_EX_TOPMOST)) | (old & WS_EX_TOPMOST);
    ss.styleOld = old;
    now = ss.styleNew;
    UpdateNativeKind(*w, before);
    SendMessage(hwnd, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
    return LONG_PTR(old);
}

// Top-level windows change their owner this way; the owner is the top-level
// window of the one named. An owner that is, or belongs to, the window
// itself would make a cycle: refused, the owner stays.
HWND ChangeOwner(Window& w, HWND named)
{
    const HWND old = w.owner;
    if (!w.IsTopLevel()) return nullptr;
    const Window* n = LookUp(named);
    const HWND owner = n ? RootOf(*n).handle : nullptr;
    if (owner == old) return old;
    if (owner && (owner == w.handle || IsOwnedBy(*LookUp(owner), w.handle))) return old;
    w.owner = owner;
    if (w.backBuffer) Sys().backend->SetNativeOwner(w.handle, owner);
    return old;
}

}  // namespace

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    const Window* w = LookUp(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_STYLE:
        return LONG_PTR(w->style);
    case GWL_EXSTYLE:
        return LONG_PTR(w->exStyle);
    case GWL_ID:
        return w->id;
    case GWL_USERDATA:
        return w->userData;
    case GWL_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->IsTopLevel() ? w->owner : w->parent);
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = LookUp(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(std::exchange(w->proc, reinterpret_cast<WNDPROC>(value)));
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return ChangeStyle(hwnd, index, DWORD(value));
    case GWL_ID:
        return std::exchange(w->id, value);
    case GWL_USERDATA:
        return std::exchange(w->userData, value);
    case GWL_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(ChangeOwner(*w, reinterpret_cast<HWND>(value)));
    default:
        return 0;
    }
}

bool SetWindowText(HWND hwnd, const std::string& text)
{
    if (!LookUp(hwnd)) return false;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text)) != 0;
}

std::string GetWindowText(HWND hwnd)
{
    std::string text;
    if (!LookUp(hwnd)) return text;
    const LRESULT length = SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0);
    SendMessage(hwnd, WM_GETTEXT, WPARAM(length + 1), reinterpret_cast<LPARAM>(&text));
    return text;
}

bool SetProp(HWND hwnd, const std::string& name, void* value)
{
    Window* w = LookUp(hwnd);
    if (!w || name.empty()) return false;
    w->props[name] = value;
    return true;
}

void* GetProp(HWND hwnd, const std::string& name)
{
    const Window* w = LookUp(hwnd);
    if (!w) return nullptr;
    const auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

void* RemoveProp(HWND hwnd, const std::string& name)
{
    Window* w = LookUp(hwnd);
    if (!w) return nullptr;
    const auto it = w->props.find(name);
    if (it == w->props.end()) return nullptr;
    void* value = it->second;
    w->props.erase(it);
    return value;
}
