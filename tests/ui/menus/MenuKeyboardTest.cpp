// Keyboard navigation of an open pop-up menu.

#include "tests/ui/menus/MenuTestSupport.h"

namespace {

using menutest::MenuTest;
using Steps = std::vector<std::function<void()>>;

const TPoint kAt{200, 200};

TEST_F(MenuTest, DownAndUpSkipSeparatorsButNotDisabledItemsAndWrap)
{
    std::vector<std::string> seen;
    auto note = [&] { seen.push_back(SelectedAt(0)); };
    Run(kAt, {[&] { note(), Key(VK_DOWN); }, [&] { note(), Key(VK_DOWN); }, [&] { note(), Key(VK_DOWN); },
              [&] { note(), Key(VK_DOWN); }, [&] { note(), Key(VK_DOWN); }, [&] { note(), Key(VK_UP); },
              [&] { note(), Key(VK_UP); }, [&] { note(), Key(VK_UP); }, [&] { note(); }});
    EXPECT_EQ(seen, (std::vector<std::string>{"", "&Open", "&Disabled", "&Checked", "&More", "&Open", "&More",
                                              "&Checked", "&Disabled"}));
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, HomeAndEndGoToTheFirstAndLastItems)
{
    std::vector<std::string> seen;
    Run(kAt, {[&] { Key(VK_END); }, [&] { seen.push_back(SelectedAt(0)), Key(VK_HOME); },
              [&] { seen.push_back(SelectedAt(0)); }});
    EXPECT_EQ(seen, (std::vector<std::string>{"&More", "&Open"}));
}

TEST_F(MenuTest, EnterChoosesTheSelectedItemAfterTheMenuCloses)
{
    Run(kAt, {[&] { Key(VK_DOWN), Key(VK_RETURN); }});
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Open"}));
    EXPECT_EQ(openWhenClicked, 0);
}

TEST_F(MenuTest, EnterOnADisabledItemDoesNothing)
{
    Run(kAt, {[&] { Key(VK_DOWN), Key(VK_DOWN), Key(VK_RETURN); }, [&] { EXPECT_EQ(OpenMenus().size(), 1u); }});
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, RightOpensASubmenuLeftAndEscapeCloseOneLevel)
{
    std::vector<std::size_t> levels;
    Run(kAt, {[&] { Key(VK_END), Key(VK_RIGHT); },
              [&] {
                  levels.push_back(OpenMenus().size());
                  EXPECT_EQ(SelectedAt(1), "&Alpha");
                  Key(VK_LEFT);
              },
              [&] {
                  levels.push_back(OpenMenus().size());
                  EXPECT_EQ(SelectedAt(0), "&More");
                  Key(VK_RETURN);
              },
              [&] {
                  levels.push_back(OpenMenus().size());
                  Key(VK_ESCAPE);
              },
              [&] {
                  levels.push_back(OpenMenus().size());
                  Key(VK_ESCAPE);
              }});
    EXPECT_EQ(levels, (std::vector<std::size_t>{2, 1, 2, 1}));
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, AChosenSubmenuItemClicksAfterAllLevelsClose)
{
    Run(kAt, {[&] { Key(VK_END), Key(VK_RIGHT); }, [&] { Key(VK_DOWN), Key(VK_RETURN); }});
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Beta"}));
    EXPECT_EQ(openWhenClicked, 0);
}

TEST_F(MenuTest, AccessKeysChooseItemsAndOpenSubmenus)
{
    Run(kAt, {[&] { Desktop().InjectText("m"); },
              [&] {
                  EXPECT_EQ(OpenMenus().size(), 2u);
                  EXPECT_EQ(SelectedAt(1), "&Alpha");
                  Desktop().InjectText("B");
              }});
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Beta"}));
}

TEST_F(MenuTest, AnAccessKeyOfADisabledItemSelectsButDoesNotChoose)
{
    Run(kAt, {[&] { Desktop().InjectText("d"); }, [&] { EXPECT_EQ(SelectedAt(0), "&Disabled"); }});
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, SeveralItemsWithOneAccessKeyAreSelectedInTurn)
{
    more->SetCaption("&Other");
    std::vector<std::string> seen;
    Run(kAt, {[&] { Desktop().InjectText("o"); }, [&] { seen.push_back(SelectedAt(0)), Desktop().InjectText("o"); },
              [&] { seen.push_back(SelectedAt(0)), Desktop().InjectText("o"); },
              [&] { seen.push_back(SelectedAt(0)); }});
    EXPECT_EQ(seen, (std::vector<std::string>{"&Open", "&Other", "&Open"}));
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, LeftOnTheFirstLevelAndUnknownAccessKeysKeepTheMenuAsItIs)
{
    Run(kAt, {[&] { Key(VK_DOWN), Key(VK_LEFT), Desktop().InjectText("z"); },
              [&] {
                  EXPECT_EQ(OpenMenus().size(), 1u);
                  EXPECT_EQ(SelectedAt(0), "&Open");
              }});
    EXPECT_TRUE(clicked.empty());
}

}  // namespace
