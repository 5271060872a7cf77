#include "platform/ui/menus/ShortCut.h"

#include "platform/win/WinConst.h"

#include <gtest/gtest.h>

namespace {

struct ShortCutCase {
    WORD Key;
    TShiftState Shift;
    const char* Text;
};

class ShortCutTextTest : public ::testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutTextTest, GivesTheClassicTextAndReadsItBack)
{
    const ShortCutCase& c = GetParam();
    const TShortCut shortCut = ShortCut(c.Key, c.Shift);
    EXPECT_EQ(ShortCutToText(shortCut), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), shortCut);
}

INSTANTIATE_TEST_SUITE_P(Keys, ShortCutTextTest,
                         ::testing::Values(ShortCutCase{'S', {ssCtrl}, "Ctrl+S"},
                                           ShortCutCase{VK_F1, {ssShift, ssCtrl}, "Shift+Ctrl+F1"},
                                           ShortCutCase{VK_DELETE, {ssAlt}, "Alt+Del"},
                                           ShortCutCase{'A', {ssCtrl}, "Ctrl+A"},
                                           ShortCutCase{VK_F4, {}, "F4"}, ShortCutCase{VK_F12, {}, "F12"},
                                           ShortCutCase{VK_ESCAPE, {}, "Esc"}, ShortCutCase{VK_RETURN, {}, "Enter"},
                                           ShortCutCase{VK_SPACE, {}, "Space"}, ShortCutCase{VK_TAB, {}, "Tab"},
                                           ShortCutCase{VK_BACK, {}, "BkSp"}, ShortCutCase{VK_INSERT, {}, "Ins"},
                                           ShortCutCase{VK_HOME, {}, "Home"}, ShortCutCase{VK_END, {}, "End"},
                                           ShortCutCase{VK_PRIOR, {}, "PgUp"}, ShortCutCase{VK_NEXT, {}, "PgDn"},
                                           ShortCutCase{VK_LEFT, {}, "Left"}, ShortCutCase{VK_RIGHT, {}, "Right"},
                                           ShortCutCase{VK_UP, {}, "Up"}, ShortCutCase{VK_DOWN, {}, "Down"},
                                           ShortCutCase{'7', {ssShift, ssCtrl, ssAlt}, "Shift+Ctrl+Alt+7"}));

TEST(ShortCutTest, ModifiersAreTheClassicBits)
{
    EXPECT_EQ(ShortCut('S', {ssCtrl}), 0x4000 + 'S');
    EXPECT_EQ(ShortCut(VK_F1, {ssShift}), 0x2000 + VK_F1);
    EXPECT_EQ(ShortCut(VK_DELETE, {ssAlt}), 0x8000 + VK_DELETE);
    // Mouse buttons in the shift state are no modifiers of a shortcut.
    EXPECT_EQ(ShortCut('S', {ssLeft, ssDouble}), 'S');
}

TEST(ShortCutTest, NothingAndUnknownKeysHaveNoText)
{
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_LWIN, {ssCtrl})), "");
}

TEST(ShortCutTest, TextIsReadWithoutRegardToCaseAndBadTextGivesNone)
{
    EXPECT_EQ(TextToShortCut("ctrl+s"), ShortCut('S', {ssCtrl}));
    EXPECT_EQ(TextToShortCut("SHIFT+ctrl+f1"), ShortCut(VK_F1, {ssShift, ssCtrl}));
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+Foo"), 0);
    EXPECT_EQ(TextToShortCut("F13"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+SS"), 0);
}

}  // namespace
