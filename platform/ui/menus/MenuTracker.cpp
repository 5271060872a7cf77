// TMenuTracker: the menu loop and the open levels.

#include "platform/ui/menus/MenuTracker.h"

#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/MenuWindow.h"
#include "platform/win/WinApi.h"

namespace {

constexpr UINT_PTR kSubmenuTimer = 1;

bool HasVisibleChildren(const TMenuItem& item)
{
    for (int i = 0; i < item.Count(); ++i) {
        if (item.Items(i)->Visible()) return true;
    }
    return false;
}

bool IsInputMessage(UINT msg)
{
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK) ||
           (msg >= WM_KEYDOWN && msg <= WM_SYSCHAR);
}

}  // namespace

TMenuTracker::TMenuTracker(TMenuItem& root, HWND owner) : m_root(root), m_owner(owner) {}

TMenuTracker::~TMenuTracker()
{
    CloseAll();
}

TMenuItem* TMenuTracker::Track(TPoint screen)
{
    if (!HasVisibleChildren(m_root)) return nullptr;
    m_levels.push_back(std::make_unique<TMenuWindow>(m_root, m_owner));
    Deepest().ShowPopup(screen);
    if (const HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
    SetCapture(Deepest().Handle());
    RunMenuLoop();
    CloseAll();
    return m_state == TState::Chosen ? m_chosen : nullptr;
}

// The one loop of an open menu: input is the tracker's, the rest goes on.
void TMenuTracker::RunMenuLoop()
{
    while (m_state == TState::Tracking) {
        if (!StillTracking()) {
            Dismiss();
            break;
        }
        MSG msg;
        if (!PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!WaitMessage()) Dismiss();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            Dismiss();
            break;
        }
        HandleMessage(msg);
    }
}

bool TMenuTracker::StillTracking() const
{
    const HWND first = m_levels.front()->WindowHandle();
    if (m_owner && !IsWindow(m_owner)) return false;
    return first && GetCapture() == first;
}

void TMenuTracker::HandleMessage(const MSG& msg)
{
    if (msg.message == WM_TIMER && msg.hwnd == m_levels.front()->WindowHandle() && msg.wParam == kSubmenuTimer) {
        OnSubmenuTimer();
    } else if (msg.message >= WM_KEYDOWN && msg.message <= WM_SYSCHAR) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) OnKeyDown(WORD(msg.wParam));
        if (msg.message == WM_CHAR) OnChar(char32_t(msg.wParam));
    } else if (IsInputMessage(msg.message)) {
        OnMouse(msg);
    } else {
        DispatchMessage(msg);
    }
}

void TMenuTracker::OpenSubmenu(int level, int index, bool selectFirst)
{
    StopSubmenuTimer();
    TMenuWindow& parent = *m_levels[std::size_t(level)];
    TMenuItem* item = parent.Item(index);
    if (!item || !item->Enabled() || !HasVisibleChildren(*item)) return;
    if (level + 1 < LevelCount() && &m_levels[std::size_t(level + 1)]->ParentItem() == item) {
        CloseLevelsBelow(level + 1);
    } else {
        CloseLevelsBelow(level);
        m_levels.push_back(std::make_unique<TMenuWindow>(*item, m_owner));
        Deepest().ShowSubmenu(parent.ScreenRect(), parent.ItemScreenRect(index));
    }
    if (selectFirst) Deepest().Select(NextSelectable(-1, 1));
}

void TMenuTracker::CloseLevelsBelow(int level)
{
    while (LevelCount() > level + 1) m_levels.pop_back();
}

void TMenuTracker::Activate(int level, int index, bool selectFirst)
{
    TMenuItem* item = m_levels[std::size_t(level)]->Item(index);
    if (!item || !item->Enabled() || item->IsLine()) return;
    if (HasVisibleChildren(*item)) {
        OpenSubmenu(level, index, selectFirst);
        return;
    }
    m_chosen = item;
    m_state = TState::Chosen;
}

void TMenuTracker::StartSubmenuTimer(int level)
{
    m_timerLevel = level;
    SetTimer(m_levels.front()->Handle(), kSubmenuTimer, kSubmenuDelay, nullptr);
}

void TMenuTracker::StopSubmenuTimer()
{
    if (m_timerLevel < 0) return;
    m_timerLevel = -1;
    if (const HWND first = m_levels.front()->WindowHandle()) KillTimer(first, kSubmenuTimer);
}

void TMenuTracker::OnSubmenuTimer()
{
    const int level = m_timerLevel;
    StopSubmenuTimer();
    if (level < 0 || level >= LevelCount()) return;
    OpenSubmenu(level, m_levels[std::size_t(level)]->Selected(), false);
}

void TMenuTracker::CloseAll()
{
    if (m_levels.empty()) return;
    StopSubmenuTimer();
    if (GetCapture() && GetCapture() == m_levels.front()->WindowHandle()) ReleaseCapture();
    while (!m_levels.empty()) m_levels.pop_back();
}
