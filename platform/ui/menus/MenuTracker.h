#pragma once
// TMenuTracker: the modal loop of an open menu. It owns one TMenuWindow per
// open level (the first is the pop-up asked for, each further one the
// submenu of the item selected in the level before), holds the mouse
// capture in the first window, and takes every mouse and key message while
// it runs; other messages (painting, timers, posted ones) are dispatched.
//
//   event                                   what happens
//   pointer over an item                    it is selected; deeper levels not
//                                           its own close; a submenu item opens
//                                           its submenu after kSubmenuDelay
//   press on a submenu item                 its submenu opens at once
//   release on an enabled item              the item is chosen
//   press or release on a disabled item,    nothing
//   a separator or a border
//   press outside every menu window         dismissed
//   Up, Down                                previous or next item, separators
//                                           skipped (disabled items are
//                                           selectable), wrapping round
//   Home, End                               first or last item
//   Right; Enter on a submenu item          the submenu opens, its first item selected
//   Enter on another enabled item           the item is chosen
//   Left                                    the deepest submenu closes
//   Escape                                  the deepest level closes; on the first, dismissed
//   a character                             the item with that access key is chosen
//                                           (its submenu opens); with several, the
//                                           next of them is selected
//   Alt, capture lost, WM_QUIT, the owner   dismissed
//   window gone, nothing left to wait for

#include "platform/core/Rect.h"
#include "platform/win/WinTypes.h"

#include <memory>
#include <vector>

class TMenuItem;
class TMenuWindow;

class TMenuTracker {
public:
    static constexpr UINT kSubmenuDelay = 400;  // ms the pointer rests on an item before its submenu opens

    TMenuTracker(TMenuItem& root, HWND owner);
    ~TMenuTracker();
    TMenuTracker(const TMenuTracker&) = delete;
    TMenuTracker& operator=(const TMenuTracker&) = delete;

    // Shows the root's children at screen and runs the loop until the menu
    // is done. Returns the chosen item (null when dismissed); the windows
    // are gone by then.
    TMenuItem* Track(TPoint screen);

private:
    enum class TState { Tracking, Chosen, Dismissed };

    // --- the loop and the levels (MenuTracker.cpp)
    void RunMenuLoop();
    [[nodiscard]] bool StillTracking() const;
    void HandleMessage(const MSG& msg);
    [[nodiscard]] TMenuWindow& Deepest() const { return *m_levels.back(); }
    [[nodiscard]] int LevelCount() const { return int(m_levels.size()); }
    void OpenSubmenu(int level, int index, bool selectFirst);
    void CloseLevelsBelow(int level);
    // Opens the submenu of the selected item of level, or chooses it.
    void Activate(int level, int index, bool selectFirst);
    void Dismiss() { m_state = TState::Dismissed; }
    void StartSubmenuTimer(int level);
    void StopSubmenuTimer();
    void OnSubmenuTimer();
    void CloseAll();

    // --- input (MenuTrackerInput.cpp)
    void OnMouse(const MSG& msg);
    void OnMouseMove(TPoint screen);
    void OnButtonDown(TPoint screen);
    void OnButtonUp(TPoint screen);
    // The deepest level holding the screen point and the item under it there.
    struct THit {
        int Level = -1;
        int Index = -1;
    };
    [[nodiscard]] THit HitTest(TPoint screen) const;
    void OnKeyDown(WORD key);
    void OnChar(char32_t ch);
    // The next item of the deepest level from its selection in direction
    // (+1 or -1), separators skipped; -1 when there is none.
    [[nodiscard]] int NextSelectable(int from, int direction) const;

    TMenuItem& m_root;
    HWND m_owner = nullptr;
    std::vector<std::unique_ptr<TMenuWindow>> m_levels;
    TState m_state = TState::Tracking;
    TMenuItem* m_chosen = nullptr;
    int m_timerLevel = -1;  // the level whose selected item waits for its submenu
};
