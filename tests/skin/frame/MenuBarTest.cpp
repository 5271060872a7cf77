// The skinned form's menu bar and the keys it hands to its menu.

#include "platform/ui/menus/ShortCut.h"
#include "platform/ui/toolbar/ToolBar.h"
#include "platform/ui/toolbar/ToolButton.h"
#include "tests/skin/frame/FrameTestSupport.h"

#include <vector>

namespace frametest {
namespace {

class MenuBarTest : public FrameTest {
protected:
    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) { clicked.push_back(caption); };
        parent->Add(item);
        return item;
    }
    TMainMenu* Menu()
    {
        auto* menu = new TMainMenu(form);
        TMenuItem* file = AddItem(menu->Items(), "&File");
        AddItem(file, "&Open")->SetShortCut(ShortCut('O', {ssCtrl}));
        AddItem(menu->Items(), "&Edit");
        return menu;
    }

    std::vector<std::string> clicked;
};

TEST_F(MenuBarTest, TheMenuBarHasOneButtonPerTopLevelItemBelowTheTitleBar)
{
    SkinnedForm();
    TMainMenu* menu = Menu();
    skinned->SetMenu(menu);
    Pump();
    TToolBar* bar = skinned->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Top(), Bar()->Height());
    EXPECT_EQ(bar->Height(), TsuiForm::kMenuBarHeight);
    EXPECT_EQ(bar->Color(), skinned->Color());
    ASSERT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(bar->Buttons(0)->MenuItem(), menu->Items()->Items(0));
    EXPECT_EQ(bar->Buttons(1)->Caption(), "&Edit");

    menu->Items()->Items(1)->SetCaption("&View");
    skinned->UpdateTopMenu();
    EXPECT_EQ(bar->Buttons(1)->Caption(), "&View");
    skinned->SetMenuBarHeight(30);
    EXPECT_EQ(bar->Height(), 30);

    skinned->SetMenu(nullptr);
    EXPECT_EQ(skinned->MenuBar(), nullptr);
}

TEST_F(MenuBarTest, ShortcutsRunTheirItemOnce)
{
    SkinnedForm();
    skinned->SetMenu(Menu());
    Pump();
    PressKey('O', {.control = true});
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Open"}));
}

TEST_F(MenuBarTest, ShowingTheFormDropsAPlatformMenu)
{
    SkinnedForm();
    form->Hide();
    form->SetMenu(Menu());
    form->Show();
    Pump();
    EXPECT_EQ(form->Menu(), nullptr);
}

TEST_F(MenuBarTest, FreeingTheMenuTakesTheMenuBarAway)
{
    SkinnedForm();
    TMainMenu* menu = Menu();
    skinned->SetMenu(menu);
    delete menu;
    EXPECT_EQ(skinned->Menu(), nullptr);
    EXPECT_EQ(skinned->MenuBar(), nullptr);
}

}  // namespace
}  // namespace frametest
