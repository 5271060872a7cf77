// Focus and activation: the messages and their order, activation by the
// desktop (WM_ACTIVATEAPP), what hiding, disabling and destroying do to
// them, and the backend's focus.

#include "WindowTestHarness.h"

namespace wintest {
namespace {

class FocusActivationTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_first = TopLevel({0, 0, 200, 200});
        m_second = TopLevel({300, 0, 500, 200});
        Pump();
        log.clear();
    }
    HWND m_first = nullptr;
    HWND m_second = nullptr;
};

TEST_F(FocusActivationTest, SetFocusMovesItWithKillThenSet)
{
    const HWND a = Child(m_second, {0, 0, 10, 10});
    const HWND b = Child(m_second, {20, 0, 30, 10});
    SetFocus(a);
    log.clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_TRUE(FollowsTable(log, {{a, WM_KILLFOCUS}, {b, WM_SETFOCUS}}));
    EXPECT_EQ(reinterpret_cast<HWND>(Received(a, WM_KILLFOCUS)[0].wParam), b);
    EXPECT_EQ(reinterpret_cast<HWND>(Received(b, WM_SETFOCUS)[0].wParam), a);
    EXPECT_EQ(GetFocus(), b);
    log.clear();
    SetFocus(b);
    EXPECT_TRUE(log.empty()) << "no messages when nothing changes";
}

TEST_F(FocusActivationTest, FocusingAWindowOfAnotherTopLevelActivatesIt)
{
    const HWND edit = Child(m_first, {0, 0, 10, 10});
    log.clear();
    SetFocus(edit);
    EXPECT_TRUE(FollowsTable(log, {{m_second, WM_NCACTIVATE},
                                   {m_second, WM_ACTIVATE},
                                   {m_first, WM_NCACTIVATE},
                                   {m_first, WM_ACTIVATE},
                                   {m_second, WM_KILLFOCUS},
                                   Maybe(m_first, WM_SETFOCUS),
                                   Maybe(m_first, WM_KILLFOCUS),
                                   {edit, WM_SETFOCUS}}));
    EXPECT_EQ(LOWORD(Received(m_second, WM_ACTIVATE)[0].wParam), WA_INACTIVE);
    EXPECT_EQ(Received(m_second, WM_ACTIVATE)[0].lParam, reinterpret_cast<LPARAM>(m_first));
    EXPECT_EQ(Received(m_first, WM_ACTIVATE)[0].lParam, reinterpret_cast<LPARAM>(m_second));
    EXPECT_EQ(GetActiveWindow(), m_first);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Desktop().FocusedWindow(), m_first);
}

TEST_F(FocusActivationTest, TheDesktopsFocusActivatesTheApplication)
{
    Desktop().InjectFocusIn(m_first);
    Pump();
    EXPECT_EQ(Received(m_first, WM_ACTIVATEAPP).size(), 1u);
    EXPECT_EQ(Received(m_second, WM_ACTIVATEAPP).size(), 1u) << "every top-level window hears it";
    EXPECT_EQ(Received(m_first, WM_ACTIVATEAPP)[0].wParam, WPARAM(TRUE));
    EXPECT_EQ(GetActiveWindow(), m_first);
    log.clear();
    Desktop().InjectFocusOut(m_first);
    Desktop().InjectFocusIn(m_second);
    Pump();
    EXPECT_TRUE(Received(m_first, WM_ACTIVATEAPP).empty()) << "moving between our own windows keeps the application active";
    EXPECT_EQ(GetActiveWindow(), m_second);
    log.clear();
    Desktop().InjectFocusOut(m_second);
    Pump();
    EXPECT_TRUE(FollowsTable(log, {{m_second, WM_NCACTIVATE},
                                   {m_second, WM_ACTIVATE},
                                   {m_second, WM_ACTIVATEAPP},
                                   {m_first, WM_ACTIVATEAPP},
                                   {m_second, WM_KILLFOCUS}}));
    EXPECT_EQ(Received(m_second, WM_ACTIVATEAPP)[0].wParam, WPARAM(FALSE));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(FocusActivationTest, HidingTheActiveWindowHandsActivationToItsOwner)
{
    const HWND dialog = TopLevel({50, 50, 100, 100}, WS_POPUP | WS_VISIBLE, 0, m_first);
    ASSERT_EQ(GetActiveWindow(), dialog);
    ShowWindow(dialog, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), m_first);
    EXPECT_FALSE(Desktop().NativeWindow(dialog)->visible);
}

TEST_F(FocusActivationTest, DisablingTakesTheFocusAway)
{
    const HWND edit = Child(m_second, {0, 0, 10, 10});
    SetFocus(edit);
    log.clear();
    EXPECT_FALSE(EnableWindow(edit, false));
    EXPECT_TRUE(FollowsTable(log, {{edit, WM_CANCELMODE}, {edit, WM_KILLFOCUS}, {edit, WM_ENABLE}}));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(edit), nullptr) << "a disabled window cannot take the focus";
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(edit, true));
    EXPECT_TRUE(IsWindowEnabled(edit));
}

TEST_F(FocusActivationTest, DestroyingTheFocusWindowTakesTheFocusFirst)
{
    const HWND edit = Child(m_second, {0, 0, 10, 10});
    SetFocus(edit);
    log.clear();
    DestroyWindow(edit);
    EXPECT_TRUE(FollowsTable(log, {{edit, WM_KILLFOCUS}, {edit, WM_DESTROY}}));
    EXPECT_NE(GetFocus(), edit);
}

TEST_F(FocusActivationTest, DestroyingTheActiveWindowActivatesAnother)
{
    DestroyWindow(m_second);
    EXPECT_EQ(GetActiveWindow(), m_first);
    EXPECT_EQ(Received(m_first, WM_ACTIVATE).size(), 1u);
}

TEST_F(FocusActivationTest, TheDesktopsFocusOnADisabledOwnerGoesToItsModalWindow)
{
    const HWND dialog = TopLevel({50, 50, 100, 100}, WS_POPUP | WS_VISIBLE, 0, m_first);
    EnableWindow(m_first, false);
    SetActiveWindow(m_second);
    Desktop().InjectFocusIn(m_first);
    Pump();
    EXPECT_EQ(GetActiveWindow(), dialog);
}

TEST_F(FocusActivationTest, ForegroundIsTheActiveWindow)
{
    EXPECT_TRUE(SetForegroundWindow(m_first));
    EXPECT_EQ(GetForegroundWindow(), m_first);
    EXPECT_EQ(SetActiveWindow(m_second), m_first);
    EXPECT_EQ(GetForegroundWindow(), m_second);
}

}  // namespace
}  // namespace wintest
