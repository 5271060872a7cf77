#include "platform/win/WindowTree.h"

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

#include <algorithm>

namespace win {

namespace {

bool IsTopmost(HWND hwnd)
{
    const Window* w = LookUp(hwnd);
    return w && w->IsTopLevel() && (w->exStyle & WS_EX_TOPMOST);
}

// Where a window goes in its list (it is not in the list): an index into siblings.
std::size_t InsertIndex(const Window& w, const std::vector<HWND>& siblings, HWND insertAfter)
{
    // Top-level windows keep topmost ones in front of the others.
    const bool topLevel = w.IsTopLevel();
    const auto firstNormal = std::size_t(std::find_if(siblings.begin(), siblings.end(),
                                                      [&](HWND h) { return !topLevel || !IsTopmost(h); }) -
                                         siblings.begin());
    const bool topmost = topLevel && (w.exStyle & WS_EX_TOPMOST);
    const std::size_t bandStart = topmost ? 0 : firstNormal;
    const std::size_t bandEnd = topmost ? firstNormal : siblings.size();
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) return bandStart;
    if (insertAfter == HWND_BOTTOM) return bandEnd;
    const auto it = std::find(siblings.begin(), siblings.end(), insertAfter);
    if (it == siblings.end()) return bandStart;
    return std::clamp(std::size_t(it - siblings.begin()) + 1, bandStart, bandEnd);
}

}  // namespace

std::vector<HWND>& SiblingList(const Window& w)
{
    if (w.IsTopLevel()) return Sys().windows.TopLevels();
    return LookUp(w.parent)->children;
}

void LinkWindow(Window& w, HWND insertAfter)
{
    std::vector<HWND>& siblings = SiblingList(w);
    siblings.insert(siblings.begin() + std::ptrdiff_t(InsertIndex(w, siblings, insertAfter)), w.handle);
}

void UnlinkWindow(const Window& w)
{
    std::erase(SiblingList(w), w.handle);
}

bool MoveInZOrder(Window& w, HWND insertAfter)
{
    if (insertAfter == w.handle) return false;
    std::vector<HWND>& siblings = SiblingList(w);
    const std::vector<HWND> before = siblings;
    if (w.IsTopLevel() && insertAfter == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
    if (w.IsTopLevel() && (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM)) w.exStyle &= ~DWORD(WS_EX_TOPMOST);
    std::erase(siblings, w.handle);
    siblings.insert(siblings.begin() + std::ptrdiff_t(InsertIndex(w, siblings, insertAfter)), w.handle);
    return siblings != before;
}

bool IsAtTop(const Window& w)
{
    for (HWND h : SiblingList(w)) {
        if (h == w.handle) return true;
        const Window* above = LookUp(h);
        if (!above || !w.IsTopLevel()) return false;
        const bool outranks = (above->exStyle & WS_EX_TOPMOST) && !(w.exStyle & WS_EX_TOPMOST);
        if (!outranks && !IsOwnedBy(*above, w.handle)) return false;
    }
    return true;
}

bool IsOwnedBy(const Window& w, HWND owner)
{
    for (const Window* up = LookUp(w.owner); up; up = LookUp(up->owner))
        if (up->handle == owner) return true;
    return false;
}

Window& TopOwnerOf(Window& w)
{
    Window* top = &w;
    // Owner chains have no cycles (SetWindowLongPtr refuses them).
    while (Window* up = LookUp(top->owner)) top = up;
    return *top;
}

Window& RootOf(Window& w)
{
    Window* cur = &w;
    while (!cur->IsTopLevel()) cur = LookUp(cur->parent);
    return *cur;
}

const Window& RootOf(const Window& w)
{
    return RootOf(const_cast<Window&>(w));
}

bool IsSelfOrDescendant(HWND ancestor, HWND hwnd)
{
    for (const Window* w = LookUp(hwnd); w; w = LookUp(w->parent))
        if (w->handle == ancestor) return true;
    return false;
}

bool IsShownChain(const Window& w)
{
    for (const Window* cur = &w; cur; cur = LookUp(cur->parent))
        if (!(cur->style & WS_VISIBLE)) return false;
    return true;
}

std::vector<HWND> SubtreePreOrder(HWND hwnd)
{
    std::vector<HWND> out;
    const Window* w = LookUp(hwnd);
    if (!w) return out;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        out.push_back(*it);
        const std::vector<HWND> below = SubtreePreOrder(*it);
        out.insert(out.end(), below.begin(), below.end());
    }
    return out;
}

TPoint ScreenOrigin(const Window& w)
{
    if (w.IsTopLevel()) return w.rect.TopLeft();
    return ClientScreenOrigin(*LookUp(w.parent)) + w.rect.TopLeft();
}

TPoint ClientScreenOrigin(const Window& w)
{
    return ScreenOrigin(w) + w.client.TopLeft();
}

TPoint OriginInRoot(const Window& w)
{
    if (w.IsTopLevel()) return {0, 0};
    const Window& parent = *LookUp(w.parent);
    return OriginInRoot(parent) + parent.client.TopLeft() + w.rect.TopLeft();
}

Region AreaInParent(const Window& w)
{
    Region area(w.rect);
    if (w.shape) area = area.Intersected(w.shape->Offset(w.rect.Left, w.rect.Top));
    return area;
}

}  // namespace win

// --- the tree calls of WinApi.h ------------------------------------------------

using namespace win;

bool IsWindow(HWND hwnd)
{
    return IsDesktop(hwnd) || LookUp(hwnd) != nullptr;
}

HWND GetDesktopWindow()
{
    return WindowTable::DesktopHandle();
}

HWND GetParent(HWND hwnd)
{
    const Window* w = LookUp(hwnd);
    if (!w) return nullptr;
    return w->IsTopLevel() ? w->owner : w->parent;
}

HWND GetAncestorRoot(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    return w ? RootOf(*w).handle : nullptr;
}

bool IsChild(HWND parent, HWND hwnd)
{
    return parent != hwnd && LookUp(parent) && IsSelfOrDescendant(parent, hwnd);
}

std::vector<HWND> GetChildWindows(HWND parent)
{
    if (!parent || IsDesktop(parent)) return Sys().windows.TopLevels();
    const Window* w = LookUp(parent);
    return w ? w->children : std::vector<HWND>{};
}

std::vector<HWND> GetTopLevelWindows()
{
    return Sys().windows.TopLevels();
}

HWND GetTopWindow(HWND parent)
{
    const std::vector<HWND> children = GetChildWindows(parent);
    return children.empty() ? nullptr : children.front();
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    if (relation == GW_CHILD) return GetTopWindow(hwnd);
    const Window* w = LookUp(hwnd);
    if (!w) return nullptr;
    if (relation == GW_OWNER) return w->IsTopLevel() ? w->owner : nullptr;
    const std::vector<HWND>& siblings = SiblingList(*w);
    const auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return it == siblings.begin() ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}
