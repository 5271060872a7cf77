// The menu item tree, change news, shortcut dispatch and published properties.

#include "platform/core/PropertyAccess.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/menus/MainMenu.h"
#include "platform/ui/menus/PopupMenu.h"
#include "tests/ui/UiTestFixture.h"

#include <string>
#include <vector>

namespace {

using uitest::UiTest;

// Records every MenuChanged as "sender>source:rebuild" with the items' captions.
class TRecordingMenu : public TMainMenu {
public:
    explicit TRecordingMenu(TComponent* owner) : TMainMenu(owner) {}
    void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) override
    {
        const auto* item = dynamic_cast<const TMenuItem*>(sender);
        const std::string from = item ? (item == Items() ? "root" : item->Caption()) : "menu";
        changes.push_back(from + ">" + (source ? source->Caption() : "null") + (rebuild ? ":rebuild" : ":change"));
    }
    std::vector<std::string> changes;
};

TMenuItem* NewItem(TComponent* owner, const std::string& caption, TShortCut shortCut = scNone)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    return item;
}

class MenuItemTest : public UiTest {};

TEST_F(MenuItemTest, ItemsFormATreeThatOwnsItsChildren)
{
    TMainMenu menu(nullptr);
    TMenuItem* file = NewItem(nullptr, "&File");
    TMenuItem* open = NewItem(nullptr, "&Open");
    TMenuItem* quit = NewItem(nullptr, "&Quit");
    menu.Items()->Add(file);
    file->Add(quit);
    file->Insert(0, open);
    EXPECT_EQ(file->Count(), 2);
    EXPECT_EQ(file->Items(0), open);
    EXPECT_EQ(open->Parent(), file);
    EXPECT_EQ(quit->MenuIndex(), 1);
    EXPECT_EQ(file->IndexOf(quit), 1);
    EXPECT_EQ(quit->GetParentMenu(), &menu);
    EXPECT_THROW((void)file->Items(2), EListError);

    const TComponentWatch openWatch(open);
    file->Remove(open);
    EXPECT_EQ(open->Parent(), nullptr);
    EXPECT_EQ(open->GetParentMenu(), nullptr);
    EXPECT_TRUE(openWatch.Alive());
    delete open;

    const TComponentWatch quitWatch(quit);
    delete file;  // leaves the root and frees its children
    EXPECT_EQ(menu.Items()->Count(), 0);
    EXPECT_FALSE(quitWatch.Alive());
}

TEST_F(MenuItemTest, AddingRefusesCyclesNullAndBadIndices)
{
    TMenuItem parent(nullptr);
    TMenuItem* child = NewItem(nullptr, "child");
    parent.Add(child);
    EXPECT_THROW(parent.Add(nullptr), EMenuError);
    EXPECT_THROW(child->Add(&parent), EMenuError);
    EXPECT_THROW(child->Add(child), EMenuError);
    EXPECT_THROW(parent.Insert(5, NewItem(&App(), "far")), EMenuError);
    // Moving an item to another parent takes it from the first.
    TMenuItem other(nullptr);
    other.Add(child);
    EXPECT_EQ(parent.Count(), 0);
    EXPECT_EQ(child->Parent(), &other);
}

TEST_F(MenuItemTest, ItemsOwnedByAFormGoWithIt)
{
    TForm* form = ShownForm();
    auto* menu = new TPopupMenu(form);
    TMenuItem* a = NewItem(form, "a");
    TMenuItem* b = NewItem(form, "b");
    menu->Items()->Add(a);
    a->Add(b);
    const TComponentWatch watchB(b);
    delete form;
    EXPECT_FALSE(watchB.Alive());
}

TEST_F(MenuItemTest, DeleteAndClearFreeTheChildren)
{
    TMenuItem parent(nullptr);
    TMenuItem* a = NewItem(nullptr, "a");
    TMenuItem* b = NewItem(nullptr, "b");
    parent.Add(a);
    parent.Add(b);
    const TComponentWatch watchA(a);
    const TComponentWatch watchB(b);
    parent.Delete(0);
    EXPECT_FALSE(watchA.Alive());
    EXPECT_EQ(parent.Items(0), b);
    parent.Clear();
    EXPECT_FALSE(watchB.Alive());
    EXPECT_EQ(parent.Count(), 0);
}

TEST_F(MenuItemTest, MenuChangedNamesTheSourceAndWhetherItemsCameOrWent)
{
    TRecordingMenu menu(nullptr);
    TMenuItem* file = NewItem(nullptr, "File");
    menu.Items()->Add(file);
    TMenuItem* open = NewItem(nullptr, "Open");
    file->Add(open);
    open->SetEnabled(false);
    open->SetEnabled(false);  // no change, no news
    open->SetChecked(true);
    open->SetCaption("Open...");
    file->Remove(open);
    open->SetDefault(true);  // no longer in the menu
    delete open;
    EXPECT_EQ(menu.changes, (std::vector<std::string>{"root>null:rebuild", "File>File:rebuild", "Open>Open:change",
                                                      "Open>Open:change", "Open...>Open...:change",
                                                      "File>File:rebuild"}));
}

TEST_F(MenuItemTest, ImagesAreForgottenWhenTheListGoes)
{
    TRecordingMenu menu(nullptr);
    auto* images = new TImageList(&App());
    menu.SetImages(images);
    EXPECT_EQ(menu.Images(), images);
    delete images;
    EXPECT_EQ(menu.Images(), nullptr);
}

TEST_F(MenuItemTest, AccessKeysFollowASingleAmpersand)
{
    EXPECT_EQ(AccessKeyOf("&File"), U'F');
    EXPECT_EQ(AccessKeyOf("Save &as"), U'A');
    EXPECT_EQ(AccessKeyOf("Fish && &Chips"), U'C');
    EXPECT_EQ(AccessKeyOf("Fish && Chips"), 0u);
    EXPECT_EQ(AccessKeyOf("Trailing&"), 0u);
    EXPECT_EQ(AccessKeyOf("打开(&O)"), U'O');
    EXPECT_EQ(AccessKeyOf("&文件"), U'文');
}

// --- shortcuts ----------------------------------------------------------------------------

class MenuShortCutTest : public UiTest {
protected:
    void SetUp() override
    {
        ShownForm();
        file = NewItem(nullptr, "File");
        menu.Items()->Add(file);
        save = NewItem(nullptr, "Save", ShortCut('S', {ssCtrl}));
        print = NewItem(nullptr, "Print", ShortCut('P', {ssCtrl}));
        find = NewItem(nullptr, "Find", ShortCut(VK_F3, {}));
        file->Add(save);
        file->Add(print);
        file->Add(find);
        for (TMenuItem* item : {save, print, find}) {
            item->OnClick = [this](TObject* sender) { clicked.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
        }
        App().OnMessage = [this](MSG& msg, bool& handled) {
            if (msg.message != WM_KEYDOWN) return;
            TWMKey key{msg.message, WORD(msg.wParam), msg.lParam};
            handled = menu.IsShortCut(key);
            if (handled) ++taken;
        };
    }
    void TearDown() override { App().OnMessage = nullptr; }

    TMainMenu menu{nullptr};
    TMenuItem* file = nullptr;
    TMenuItem* save = nullptr;
    TMenuItem* print = nullptr;
    TMenuItem* find = nullptr;
    std::vector<std::string> clicked;
    int taken = 0;
};

TEST_F(MenuShortCutTest, AKeyWithItsModifiersRunsTheItemAnywhereInTheTree)
{
    PressKey('S', {.control = true});
    PressKey(VK_F3);
    EXPECT_EQ(clicked, (std::vector<std::string>{"Save", "Find"}));
    EXPECT_EQ(taken, 2);
}

TEST_F(MenuShortCutTest, OtherModifiersDoNotMatch)
{
    PressKey('S');
    PressKey('S', {.shift = true, .control = true});
    PressKey(VK_F3, {.alt = true});
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(taken, 0);
}

TEST_F(MenuShortCutTest, DisabledOrHiddenItemsAndBranchesDoNotTakeTheKey)
{
    save->SetEnabled(false);
    print->SetVisible(false);
    PressKey('S', {.control = true});
    PressKey('P', {.control = true});
    EXPECT_TRUE(clicked.empty());
    file->SetEnabled(false);
    PressKey(VK_F3);
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(taken, 0);
}

// --- published properties ---------------------------------------------------------------

TEST_F(MenuItemTest, PropertiesArePublishedForFormDescriptions)
{
    TMenuItem item(nullptr);
    SetPropValue(item, "Caption", std::string("&Save"));
    SetPropValue(item, "ShortCut", std::int64_t(16467));
    SetPropValue(item, "Checked", true);
    SetPropValue(item, "Enabled", false);
    SetPropValue(item, "ImageIndex", std::int64_t(3));
    EXPECT_EQ(item.Caption(), "&Save");
    EXPECT_EQ(ShortCutToText(item.ShortCut()), "Ctrl+S");
    EXPECT_TRUE(item.Checked());
    EXPECT_FALSE(item.Enabled());
    EXPECT_EQ(item.ImageIndex(), 3);
    for (const char* name : {"Default", "Visible", "Hint", "OnClick", "OnMeasureItem", "OnDrawItem"}) {
        EXPECT_TRUE(IsPublishedProp(item, name)) << name;
    }
    TPopupMenu popup(nullptr);
    EXPECT_TRUE(IsPublishedProp(popup, "Images"));
    EXPECT_TRUE(IsPublishedProp(popup, "OwnerDraw"));
    EXPECT_TRUE(IsPublishedProp(popup, "AutoPopup"));
}

TEST_F(MenuItemTest, SetParentComponentNestsItemsAsAFormDescriptionDoes)
{
    TPopupMenu menu(nullptr);
    TMenuItem* file = NewItem(nullptr, "File");
    TMenuItem* open = NewItem(nullptr, "Open");
    file->SetParentComponent(&menu);
    open->SetParentComponent(file);
    EXPECT_EQ(menu.Items()->Items(0), file);
    EXPECT_EQ(file->Items(0), open);
}

}  // namespace
