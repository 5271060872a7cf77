// Keyboard routing: keys to the focus window, Alt combinations and F10 as
// system keys, characters from text (one per code point) and from
// TranslateMessage for control keys, and the key state.

#include "WindowTestHarness.h"

namespace wintest {
namespace {

class InputKeyboardTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_top = TopLevel({0, 0, 200, 200});
        m_edit = Child(m_top, {10, 10, 100, 30});
        SetFocus(m_edit);
        Pump();
        log.clear();
    }
    [[nodiscard]] std::vector<WPARAM> Characters(UINT message = WM_CHAR) const
    {
        std::vector<WPARAM> out;
        for (const Recorded& r : Received(m_edit, message)) out.push_back(r.wParam);
        return out;
    }
    HWND m_top = nullptr;
    HWND m_edit = nullptr;
};

TEST_F(InputKeyboardTest, KeysGoToTheFocusWindow)
{
    Desktop().InjectKeyDown(VK_LEFT);
    Desktop().InjectKeyUp(VK_LEFT);
    Pump();
    EXPECT_EQ(MessagesOf(m_edit, {WM_KEYDOWN, WM_KEYUP}), (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));
    EXPECT_EQ(Received(m_edit, WM_KEYDOWN)[0].wParam, WPARAM(VK_LEFT));
    EXPECT_EQ(Received(m_edit, WM_KEYUP)[0].lParam & KF_REPEAT_BIT, KF_REPEAT_BIT) << "the key was down before";
    EXPECT_TRUE(Received(m_top, WM_KEYDOWN).empty());
}

TEST_F(InputKeyboardTest, WithoutAFocusKeysGoToTheActiveWindowAsSystemKeys)
{
    SetFocus(nullptr);
    log.clear();
    Desktop().InjectKeyDown('X');
    Pump();
    EXPECT_EQ(Received(m_top, WM_SYSKEYDOWN).size(), 1u);
}

TEST_F(InputKeyboardTest, AltCombinationsAndF10AreSystemKeys)
{
    Desktop().InjectKeyDown(VK_MENU, {false, false, true});
    Desktop().InjectKeyDown('F', {false, false, true});
    Desktop().InjectKeyUp('F', {false, false, true});
    Desktop().InjectKeyUp(VK_MENU);
    Desktop().InjectKeyDown(VK_F10);
    Pump();
    EXPECT_EQ(MessagesOf(m_edit, {WM_KEYDOWN, WM_SYSKEYDOWN}),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSKEYDOWN}));
    EXPECT_NE(Received(m_edit, WM_SYSKEYDOWN)[1].lParam & KF_ALTDOWN_BIT, 0);
    EXPECT_EQ(Characters(WM_SYSCHAR), std::vector<WPARAM>{'f'}) << "TranslateMessage makes Alt+F a system character";
}

TEST_F(InputKeyboardTest, CtrlAltTypesAndIsNoSystemKey)
{
    Desktop().InjectKeyDown('Q', {false, true, true});
    Pump();
    EXPECT_EQ(Received(m_edit, WM_KEYDOWN).size(), 1u);
}

TEST_F(InputKeyboardTest, TextBecomesOneCharacterPerCodePoint)
{
    Desktop().InjectText("a中😀");
    Pump();
    EXPECT_EQ(Characters(), (std::vector<WPARAM>{'a', 0x4E2D, 0x1F600}));
}

struct ControlCase {
    WORD key;
    win::KeyModifiers modifiers;
    WPARAM character;
};

class ControlCharacterTest : public InputKeyboardTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlCharacterTest, TranslateMessageMakesControlCharacters)
{
    const ControlCase& c = GetParam();
    if (c.modifiers.control) Desktop().InjectKeyDown(VK_CONTROL, c.modifiers);
    Desktop().InjectKeyDown(c.key, c.modifiers);
    Pump();
    EXPECT_EQ(Characters(), std::vector<WPARAM>{c.character});
    EXPECT_TRUE(FollowsTable(log, {Maybe(m_edit, WM_KEYDOWN), {m_edit, WM_KEYDOWN}, {m_edit, WM_CHAR}}))
        << "the character comes right after its key";
}

INSTANTIATE_TEST_SUITE_P(Keys, ControlCharacterTest,
                         ::testing::Values(ControlCase{VK_RETURN, {}, 13}, ControlCase{VK_ESCAPE, {}, 27},
                                           ControlCase{VK_BACK, {}, 8}, ControlCase{VK_TAB, {}, 9},
                                           ControlCase{'C', {false, true, false}, 3},
                                           ControlCase{'A', {false, true, false}, 1},
                                           ControlCase{'Z', {false, true, false}, 26}));

TEST_F(InputKeyboardTest, PlainLettersGetTheirCharactersFromTextOnly)
{
    Desktop().InjectKeyDown('A');
    Pump();
    EXPECT_TRUE(Characters().empty());
}

TEST_F(InputKeyboardTest, KeyStateFollowsTheMessagesRetrieved)
{
    bool shiftSeenInHandler = false;
    handler = [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KEYDOWN && w == 'B') shiftSeenInHandler = GetKeyState(VK_SHIFT) < 0;
        return std::nullopt;
    };
    Desktop().InjectKeyDown(VK_SHIFT);
    Desktop().InjectKeyDown('B');
    Desktop().InjectKeyUp(VK_SHIFT);
    Pump();
    EXPECT_TRUE(shiftSeenInHandler);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    Desktop().InjectKeyDown(VK_CAPITAL);
    Desktop().InjectKeyUp(VK_CAPITAL);
    Pump();
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1) << "the low bit toggles";
    Desktop().InjectMouseDown({50, 50});
    Pump();
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0);
    Desktop().InjectMouseUp({50, 50});
    Pump();
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
}

TEST_F(InputKeyboardTest, AltF4ClosesTheTopLevelWindow)
{
    Desktop().InjectKeyDown(VK_MENU, {false, false, true});
    Desktop().InjectKeyDown(VK_F4, {false, false, true});
    Pump();
    EXPECT_FALSE(IsWindow(m_top));
    EXPECT_TRUE(FollowsTable(log, {{m_top, WM_SYSCOMMAND}, {m_top, WM_CLOSE}, {m_top, WM_DESTROY}, {m_edit, WM_DESTROY}}));
}

TEST_F(InputKeyboardTest, TappingAltAloneOpensTheMenu)
{
    Desktop().InjectKeyDown(VK_MENU, {false, false, true});
    Desktop().InjectKeyUp(VK_MENU);
    Desktop().InjectKeyDown(VK_MENU, {false, false, true});
    Desktop().InjectKeyDown('X', {false, false, true});
    Desktop().InjectKeyUp('X', {false, false, true});
    Desktop().InjectKeyUp(VK_MENU);
    Pump();
    std::vector<WPARAM> commands;
    for (const Recorded& r : Received(m_top, WM_SYSCOMMAND)) commands.push_back(r.wParam);
    ASSERT_EQ(commands.size(), 2u) << "the tap, then Alt+X through WM_SYSCHAR";
    EXPECT_EQ(commands[0], WPARAM(SC_KEYMENU));
    EXPECT_EQ(Received(m_top, WM_SYSCOMMAND)[1].lParam, LPARAM('x'));
}

}  // namespace
}  // namespace wintest
