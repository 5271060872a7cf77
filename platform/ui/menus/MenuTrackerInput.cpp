// TMenuTracker's mouse and keys (see the table in MenuTracker.h).

#include "platform/ui/menus/MenuTracker.h"

#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/MenuWindow.h"
#include "platform/win/WinApi.h"

namespace {

bool IsNonClientMouse(UINT msg)
{
    return msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK;
}

// Non-client messages carry screen points, client ones points of their window.
TPoint ScreenPointOf(const MSG& msg)
{
    POINT p = LParamToPoint(msg.lParam);
    if (!IsNonClientMouse(msg.message)) ClientToScreen(msg.hwnd, p);
    return p;
}

char32_t UpperAscii(char32_t ch)
{
    return ch >= U'a' && ch <= U'z' ? ch - U'a' + U'A' : ch;
}

}  // namespace

void TMenuTracker::OnMouse(const MSG& msg)
{
    const TPoint screen = ScreenPointOf(msg);
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: OnMouseMove(screen); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: OnButtonDown(screen); break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP: OnButtonUp(screen); break;
    default: break;
    }
}

TMenuTracker::THit TMenuTracker::HitTest(TPoint screen) const
{
    for (int level = LevelCount() - 1; level >= 0; --level) {
        const TMenuWindow& window = *m_levels[std::size_t(level)];
        if (window.ScreenRect().Contains(screen)) return {level, window.ItemAtScreen(screen)};
    }
    return {};
}

void TMenuTracker::OnMouseMove(TPoint screen)
{
    const THit hit = HitTest(screen);
    if (hit.Level < 0) {
        // Off the menus the deepest level lets go of its selection; the levels above keep theirs.
        StopSubmenuTimer();
        Deepest().Select(-1);
        return;
    }
    if (hit.Index < 0) return;
    TMenuWindow& window = *m_levels[std::size_t(hit.Level)];
    if (window.Selected() == hit.Index) return;
    StopSubmenuTimer();
    CloseLevelsBelow(hit.Level);
    // Separators are never highlighted.
    const TMenuItem* item = window.Item(hit.Index);
    window.Select(item->IsLine() ? -1 : hit.Index);
    if (item->Enabled() && item->Count() > 0) StartSubmenuTimer(hit.Level);
}

void TMenuTracker::OnButtonDown(TPoint screen)
{
    const THit hit = HitTest(screen);
    if (hit.Level < 0) {
        Dismiss();
        return;
    }
    if (hit.Index < 0) return;
    m_levels[std::size_t(hit.Level)]->Select(hit.Index);
    const TMenuItem* item = m_levels[std::size_t(hit.Level)]->Item(hit.Index);
    if (item->Count() > 0) OpenSubmenu(hit.Level, hit.Index, false);
}

void TMenuTracker::OnButtonUp(TPoint screen)
{
    const THit hit = HitTest(screen);
    if (hit.Index < 0) return;
    const TMenuItem* item = m_levels[std::size_t(hit.Level)]->Item(hit.Index);
    // A release on a submenu item leaves its submenu open.
    if (item->Count() == 0) Activate(hit.Level, hit.Index, false);
}

int TMenuTracker::NextSelectable(int from, int direction) const
{
    const TMenuWindow& window = Deepest();
    const int count = window.ItemCount();
    if (count == 0) return -1;
    int index = from < 0 ? (direction > 0 ? count - 1 : 0) : from;
    for (int step = 0; step < count; ++step) {
        index = (index + direction + count) % count;
        if (!window.Item(index)->IsLine()) return index;
    }
    return -1;
}

void TMenuTracker::OnKeyDown(WORD key)
{
    TMenuWindow& deepest = Deepest();
    const int level = LevelCount() - 1;
    switch (key) {
    case VK_UP: deepest.Select(NextSelectable(deepest.Selected(), -1)); break;
    case VK_DOWN: deepest.Select(NextSelectable(deepest.Selected(), 1)); break;
    case VK_HOME: deepest.Select(NextSelectable(-1, 1)); break;
    case VK_END: deepest.Select(NextSelectable(-1, -1)); break;
    case VK_RIGHT: OpenSubmenu(level, deepest.Selected(), true); break;
    case VK_LEFT:
        if (level > 0) CloseLevelsBelow(level - 1);
        break;
    case VK_ESCAPE:
        if (level > 0) {
            CloseLevelsBelow(level - 1);
        } else {
            Dismiss();
        }
        break;
    case VK_RETURN: Activate(level, deepest.Selected(), true); break;
    case VK_MENU: Dismiss(); break;
    default: break;
    }
}

void TMenuTracker::OnChar(char32_t ch)
{
    const char32_t key = UpperAscii(ch);
    TMenuWindow& deepest = Deepest();
    std::vector<int> matches;
    for (int i = 0; i < deepest.ItemCount(); ++i) {
        if (key != 0 && AccessKeyOf(deepest.Item(i)->Caption()) == key) matches.push_back(i);
    }
    if (matches.empty()) return;
    if (matches.size() == 1) {
        deepest.Select(matches.front());
        Activate(LevelCount() - 1, matches.front(), true);
        return;
    }
    for (const int index : matches) {
        if (index > deepest.Selected()) {
            deepest.Select(index);
            return;
        }
    }
    deepest.Select(matches.front());
}
