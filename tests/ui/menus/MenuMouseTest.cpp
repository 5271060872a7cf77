// Mouse tracking of an open pop-up menu.

#include "platform/ui/menus/MenuTracker.h"

#include "tests/ui/menus/MenuTestSupport.h"

namespace {

using menutest::MenuTest;

const TPoint kAt{200, 200};
constexpr int kOpen = 0;
constexpr int kSeparator = 1;
constexpr int kDisabled = 2;
constexpr int kMore = 4;

TEST_F(MenuTest, PopupShowsTheItemsAtThePointInATopmostPopupOwnedByTheForm)
{
    Run(kAt, {[&] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        const HWND hwnd = Level(0)->Handle();
        EXPECT_EQ(Level(0)->ScreenRect().TopLeft(), kAt);
        EXPECT_TRUE(GetWindowLong(hwnd, GWL_STYLE) & WS_POPUP);
        EXPECT_TRUE(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(GetParent(hwnd), form->Handle());
        EXPECT_EQ(GetCapture(), hwnd);
        EXPECT_EQ(Level(0)->ItemCount(), 5);
    }});
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuTest, HoverSelectsItemsButNotSeparators)
{
    std::vector<std::string> seen;
    Run(kAt, {[&] { Desktop().InjectMouseMove(ItemPoint(0, kDisabled)); },
              [&] { seen.push_back(SelectedAt(0)), Desktop().InjectMouseMove(ItemPoint(0, kSeparator)); },
              [&] { seen.push_back(SelectedAt(0)), Desktop().InjectMouseMove(ItemPoint(0, kOpen)); },
              [&] { seen.push_back(SelectedAt(0)), Desktop().InjectMouseMove({10, 10}); },
              [&] { seen.push_back(SelectedAt(0)); }});
    EXPECT_EQ(seen, (std::vector<std::string>{"&Disabled", "", "&Open", ""}));
}

TEST_F(MenuTest, HoverOpensASubmenuOnlyAfterTheDelay)
{
    Run(kAt, {[&] { Desktop().InjectMouseMove(ItemPoint(0, kMore)); },
              [&] {
                  EXPECT_EQ(OpenMenus().size(), 1u);
                  Desktop().AdvanceClock(TMenuTracker::kSubmenuDelay);
              },
              [] {}, [&] { EXPECT_EQ(OpenMenus().size(), 2u); }});
}

TEST_F(MenuTest, PressOnASubmenuItemOpensItAtOnceBesideTheItem)
{
    Run(kAt, {[&] { Desktop().InjectMouseDown(ItemPoint(0, kMore)); },
              [&] {
                  ASSERT_EQ(OpenMenus().size(), 2u);
                  const TRect parent = Level(0)->ScreenRect();
                  const TRect item = Level(0)->ItemScreenRect(kMore);
                  const TRect sub = Level(1)->ScreenRect();
                  EXPECT_EQ(sub.Left, parent.Right - kSubmenuOverlap);
                  EXPECT_EQ(sub.Top, item.Top - kMenuBorder);
                  Desktop().InjectMouseUp(ItemPoint(0, kMore));
              },
              [&] { EXPECT_EQ(OpenMenus().size(), 2u) << "a release on a submenu item keeps it open"; }});
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, ClickOnASubmenuItemChoosesIt)
{
    Run(kAt, {[&] { ClickAt(ItemPoint(0, kMore)); }, [&] { ClickAt(ItemPoint(1, 1)); }});
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Beta"}));
}

TEST_F(MenuTest, HoveringAnotherItemOfTheParentClosesTheSubmenu)
{
    Run(kAt, {[&] { ClickAt(ItemPoint(0, kMore)); },
              [&] {
                  EXPECT_EQ(OpenMenus().size(), 2u);
                  Desktop().InjectMouseMove(ItemPoint(1, 0));
              },
              [&] {
                  EXPECT_EQ(OpenMenus().size(), 2u);
                  EXPECT_EQ(SelectedAt(1), "&Alpha");
                  EXPECT_EQ(SelectedAt(0), "&More");
                  Desktop().InjectMouseMove(ItemPoint(0, kOpen));
              },
              [&] {
                  EXPECT_EQ(OpenMenus().size(), 1u);
                  EXPECT_EQ(SelectedAt(0), "&Open");
              }});
}

TEST_F(MenuTest, ClickOnAnEnabledItemChoosesItAfterTheMenuCloses)
{
    Run(kAt, {[&] { ClickAt(ItemPoint(0, kOpen)); }});
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Open"}));
    EXPECT_EQ(openWhenClicked, 0);
}

TEST_F(MenuTest, ClicksOnDisabledItemsSeparatorsAndTheBorderDoNothing)
{
    Run(kAt, {[&] { ClickAt(ItemPoint(0, kDisabled)); }, [&] { ClickAt(ItemPoint(0, kSeparator)); },
              [&] { ClickAt(Level(0)->ScreenRect().TopLeft()); },
              [&] { EXPECT_EQ(OpenMenus().size(), 1u); }});
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, ClickOutsideDismissesWithoutChoosing)
{
    Run(kAt, {[&] { ClickAt(ItemPoint(0, kMore)); }, [&] { ClickAt({20, 20}); }});
    EXPECT_EQ(forcedCloses, 0);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, TheMenuStaysInsideTheWorkArea)
{
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    Run({work.Right - 5, work.Bottom - 5}, {[&] {
            const TRect rect = Level(0)->ScreenRect();
            EXPECT_EQ(rect.Right, work.Right - 5);
            EXPECT_EQ(rect.Bottom, work.Bottom - 5);
            Key(VK_END);
            Key(VK_RIGHT);
        },
        [&] {
            const TRect sub = Level(1)->ScreenRect();
            EXPECT_EQ(sub.Right, Level(0)->ScreenRect().Left + kSubmenuOverlap);
            EXPECT_LE(sub.Bottom, work.Bottom);
        }});
}

TEST_F(MenuTest, AnEmptyMenuShowsNothing)
{
    menu->Items()->Clear();
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    menu->Popup(kAt.X, kAt.Y);
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(MenuTest, ARightClickOnAControlShowsItsAutoPopupMenu)
{
    form->SetPopupMenu(menu);
    TTimer timer(nullptr);
    timer.SetInterval(kStepInterval);
    timer.SetOnTimer([&](TObject*) {
        if (!OpenMenus().empty()) ClickAt(ItemPoint(0, kOpen));
    });
    EXPECT_TRUE(ShowControlPopupMenu(*form, kAt));
    EXPECT_EQ(menu->PopupComponent(), form);
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Open"}));
    menu->SetAutoPopup(false);
    EXPECT_FALSE(ShowControlPopupMenu(*form, kAt));
}

}  // namespace
