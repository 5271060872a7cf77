// Tool buttons and menus: a button linked to a menu item drops the item's
// submenu below itself and stays pressed while it is open; an item without
// a submenu is clicked with the button; a drop-down button's arrow part
// shows its DropdownMenu while its face clicks. The menus are driven from
// a timer while their modal loop runs.

#include "tests/ui/toolbar/ToolBarTestSupport.h"

#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/MenuWindow.h"
#include "platform/ui/menus/PopupMenu.h"
#include "platform/ui/base/Timer.h"

#include <functional>

namespace uitest {
namespace {

class ToolBarMenuTest : public ToolBarTest {
protected:
    // Presses control at client (opening a menu) and runs script once the
    // menu's loop runs. The script only injects input: the menu's loop takes it.
    void WhileMenuOpen(const TControl* control, TPoint client, const std::function<void()>& script)
    {
        // Far from the last click, and before the timer starts, so that the press comes first.
        Desktop().AdvanceClock(GetDoubleClickTime() + 1);
        auto* timer = new TTimer(&App());
        timer->SetInterval(10);
        bool ran = false;
        timer->SetOnTimer([&](TObject*) {
            timer->SetEnabled(false);
            ran = true;
            script();
        });
        Desktop().InjectMouseDown(ScreenPointOf(control, client));
        Pump();
        delete timer;
        EXPECT_TRUE(ran) << "no menu loop ran";
    }
    [[nodiscard]] static TMenuWindow* MenuAt(TPoint screen)
    {
        return dynamic_cast<TMenuWindow*>(FindControl(WindowFromPoint(screen)));
    }
    TMenuItem* AddItem(TMenuItem* parent, const char* caption)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        parent->Add(item);
        item->OnClick = [this, item](TObject*) { chosen.push_back(item->Caption()); };
        return item;
    }
    void ClickItem(const TMenuWindow& menu, int index)
    {
        const TRect item = menu.ItemScreenRect(index);
        Desktop().InjectClick({(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2});
    }

    std::vector<std::string> chosen;
};

TEST_F(ToolBarMenuTest, ALinkedButtonDropsTheSubmenuBelowItselfAndStaysPressedMeanwhile)
{
    auto* file = new TMenuItem(form);
    file->SetCaption("文件(&F)");
    AddItem(file, "打开");
    AddItem(file, "退出");
    bar->SetFlat(true);
    bar->SetShowCaptions(true);
    TToolButton* button = Add("btnFile");
    button->SetMenuItem(file);
    EXPECT_EQ(button->Caption(), "文件(&F)");
    TCustomDrawState drawn;
    bar->OnCustomDrawButton = [&](TToolBar*, TToolButton* b, TCustomDrawState state, bool&) {
        if (b == button) drawn = state;
    };
    const TPoint below = bar->ClientToScreen({button->Left(), button->BoundsRect().Bottom});
    bool selected = false;
    TCustomDrawState drawnOpen;
    TPoint menuAt;
    WhileMenuOpen(button, {5, 5}, [&] {
        selected = button->Selected();
        drawnOpen = drawn;
        const TMenuWindow* menu = MenuAt(below.Offset(3, 3));
        ASSERT_NE(menu, nullptr);
        menuAt = menu->ScreenRect().TopLeft();
        ClickItem(*menu, 1);
    });
    EXPECT_TRUE(selected);
    EXPECT_TRUE(drawnOpen.Contains(cdsSelected));
    EXPECT_EQ(menuAt, below);
    EXPECT_EQ(chosen, std::vector<std::string>{"退出"});
    EXPECT_FALSE(button->Selected()) << "released once the menu closed";
    EXPECT_FALSE(drawn.Contains(cdsSelected));
    EXPECT_TRUE(clicks.empty()) << "dropping a menu is no click";
}

TEST_F(ToolBarMenuTest, AnItemWithoutSubmenuIsClickedWithTheButton)
{
    auto* help = new TMenuItem(&App());
    help->SetCaption("帮助");
    help->OnClick = [&](TObject*) { chosen.push_back("帮助"); };
    help->SetEnabled(false);
    TToolButton* button = Add("btnHelp");
    button->SetMenuItem(help);
    EXPECT_EQ(button->Caption(), "帮助");
    EXPECT_FALSE(button->Enabled()) << "the item's state is taken";
    help->SetEnabled(true);
    button->SetEnabled(true);
    Click(button);
    EXPECT_EQ(chosen, std::vector<std::string>{"帮助"});
    EXPECT_EQ(clicks, Clicks{"btnHelp"});
    delete help;
    EXPECT_EQ(button->MenuItem(), nullptr);
}

TEST_F(ToolBarMenuTest, TheArrowOfADropDownButtonShowsItsMenuWhileTheFaceClicks)
{
    auto* popup = new TPopupMenu(form);
    AddItem(popup->Items(), "复制");
    TToolButton* more = Add("more", tbsDropDown);
    more->SetDropdownMenu(popup);
    const TToolButtonParts parts = more->Parts();
    const TPoint arrow = TPoint{(parts.Arrow.Left + parts.Arrow.Right) / 2, 10} - more->BoundsRect().TopLeft();
    const TPoint face = TPoint{(parts.Face.Left + parts.Face.Right) / 2, 10} - more->BoundsRect().TopLeft();
    bool dropped = false;
    WhileMenuOpen(more, arrow, [&] {
        dropped = more->Dropped() && more->Selected();
        Desktop().InjectKeyDown(VK_ESCAPE);
        Desktop().InjectKeyUp(VK_ESCAPE);
    });
    EXPECT_TRUE(dropped);
    EXPECT_FALSE(more->Dropped());
    EXPECT_EQ(popup->PopupComponent(), more);
    EXPECT_TRUE(chosen.empty());
    EXPECT_TRUE(clicks.empty());
    Click(more, face);
    EXPECT_EQ(clicks, Clicks{"more"});
    delete popup;
    EXPECT_EQ(more->DropdownMenu(), nullptr);
}

}  // namespace
}  // namespace uitest
