// Menus as forms hold them: items nested in a form description, the form's
// menu running shortcut keys before the focused control sees them, and a
// right click reaching the pop-up menu of the control under the pointer.

#include "platform/ui/edit/Edit.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/menus/MainMenu.h"
#include "tests/ui/menus/MenuTestSupport.h"

namespace {

using menutest::MenuTest;

constexpr const char* kMenuDescription = R"(object frmMenus: TForm
  Menu = mnuMain
  object mnuMain: TMainMenu
    object mniFile: TMenuItem
      Caption = '文件(&F)'
      object mniSave: TMenuItem
        Caption = '保存(&S)'
        ShortCut = 16467
      end
      object mniLine: TMenuItem
        Caption = '-'
      end
      object mniQuit: TMenuItem
        Caption = '退出(&X)'
        Enabled = False
      end
    end
    object mniHelp: TMenuItem
      Caption = '帮助(&H)'
    end
  end
end
)";

class MenuFormTest : public uitest::UiTest {
protected:
    MenuFormTest()
    {
        RegisterStandardClasses();
        form = new TForm(&App());
        ReadForm(*form, kMenuDescription);
        menu = dynamic_cast<TMainMenu*>(form->FindComponent("mnuMain"));
    }
    [[nodiscard]] TMenuItem* Item(const char* name) const
    {
        return dynamic_cast<TMenuItem*>(form->FindComponent(name));
    }

    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
};

TEST_F(MenuFormTest, ADescriptionNestsItemsInTheirMenuAndParentItems)
{
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(form->Menu(), menu);
    TMenuItem* root = menu->Items();
    ASSERT_EQ(root->Count(), 2);
    EXPECT_EQ(root->Items(0), Item("mniFile"));
    EXPECT_EQ(root->Items(1), Item("mniHelp"));
    TMenuItem* file = Item("mniFile");
    ASSERT_EQ(file->Count(), 3);
    EXPECT_EQ(file->Items(0)->Caption(), "保存(&S)");
    EXPECT_EQ(file->Items(0)->ShortCut(), ShortCut('S', {ssCtrl}));
    EXPECT_EQ(file->Items(2)->Parent(), file);
    EXPECT_FALSE(file->Items(2)->Enabled());
    EXPECT_EQ(file->Items(1)->GetParentMenu(), menu);
}

TEST_F(MenuFormTest, TheFormsMenuTakesItsShortcutsBeforeTheFocusedControl)
{
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetText("文字");
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    edit->SetFocus();
    Pump();
    edit->SetSelLength(0);  // focusing selected the text
    TMenuItem* save = Item("mniSave");
    save->SetShortCut(ShortCut('A', {ssCtrl}));  // a key the edit would use too
    int saves = 0;
    save->OnClick = [&](TObject*) { ++saves; };
    PressKey('A', {.control = true});
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(edit->SelLength(), 0) << "the shortcut went no further";
    save->SetEnabled(false);
    PressKey('A', {.control = true});
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(edit->SelLength(), 2) << "a disabled item leaves the key to the edit";
}

TEST_F(MenuFormTest, FreeingTheMenuClearsTheFormsReference)
{
    delete menu;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(Item("mniSave"), nullptr) << "the items went with their menu";
}

TEST_F(MenuTest, ARightClickOnAGraphicChildShowsTheMenuOfItsParentWhenItHasNone)
{
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(20, 20, 80, 20);
    label->SetCaption("标签");
    form->SetPopupMenu(menu);
    Pump();
    TTimer timer(nullptr);
    timer.SetInterval(kStepInterval);
    timer.SetOnTimer([&](TObject*) {
        if (!OpenMenus().empty()) ClickAt(ItemPoint(0, 0));
    });
    Desktop().InjectClick(label->ClientToScreen({10, 10}), win::MouseButton::Right);
    Pump();
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Open"}));
    EXPECT_EQ(menu->PopupComponent(), form);
}

}  // namespace
