#pragma once
// What the menu tracking tests share: a form with a pop-up menu (an item, a
// separator, a disabled item, a checked item with a shortcut and a submenu)
// and a script runner for the modal menu loop: each step runs on a timer
// tick while the menu is open, and a menu still open after the last step is
// closed with Escape.

#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/MenuWindow.h"
#include "platform/ui/menus/PopupMenu.h"
#include "platform/ui/base/Timer.h"
#include "tests/ui/UiTestFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace menutest {

class MenuTest : public uitest::UiTest {
protected:
    static constexpr int kStepInterval = 10;  // ms between script steps

    void SetUp() override
    {
        form = ShownForm({100, 100, 500, 400});
        menu = new TPopupMenu(form);
        open = Add(menu->Items(), "&Open");
        Add(menu->Items(), "-");
        disabled = Add(menu->Items(), "&Disabled");
        disabled->SetEnabled(false);
        checked = Add(menu->Items(), "&Checked");
        checked->SetChecked(true);
        checked->SetShortCut(ShortCut('K', {ssCtrl}));
        more = Add(menu->Items(), "&More");
        alpha = Add(more, "&Alpha");
        beta = Add(more, "&Beta");
    }

    TMenuItem* Add(TMenuItem* parent, const std::string& caption)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [this](TObject* sender) {
            clicked.push_back(static_cast<TMenuItem*>(sender)->Caption());
            // The menu is gone when the click runs.
            openWhenClicked = int(OpenMenus().size());
        };
        parent->Add(item);
        return item;
    }

    // The open menu windows, the first level first.
    static std::vector<TMenuWindow*> OpenMenus()
    {
        std::vector<TMenuWindow*> menus;
        for (const HWND hwnd : GetTopLevelWindows()) {
            auto* window = dynamic_cast<TMenuWindow*>(FindControl(hwnd));
            if (window && IsWindowVisible(hwnd)) menus.insert(menus.begin(), window);
        }
        return menus;
    }
    static TMenuWindow* Level(int level)
    {
        const std::vector<TMenuWindow*> menus = OpenMenus();
        return level < int(menus.size()) ? menus[std::size_t(level)] : nullptr;
    }
    // The caption of the selected item of a level, "" for none or no such level.
    static std::string SelectedAt(int level)
    {
        const TMenuWindow* window = Level(level);
        const TMenuItem* item = window ? window->Item(window->Selected()) : nullptr;
        return item ? item->Caption() : "";
    }
    // The centre of a shown item of a level, in screen coordinates.
    static TPoint ItemPoint(int level, int index)
    {
        const TRect rect = Level(level)->ItemScreenRect(index);
        return {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2};
    }

    void Key(WORD key)
    {
        Desktop().InjectKeyDown(key);
        Desktop().InjectKeyUp(key);
    }
    void ClickAt(TPoint screen)
    {
        Desktop().AdvanceClock(GetDoubleClickTime() + 1);
        Desktop().InjectClick(screen);
    }

    // Pops the menu up at `at` and runs the steps while it is open.
    void Run(TPoint at, std::vector<std::function<void()>> steps)
    {
        TTimer timer(nullptr);
        timer.SetEnabled(false);
        timer.SetInterval(kStepInterval);
        std::size_t next = 0;
        timer.SetOnTimer([&](TObject*) {
            if (OpenMenus().empty()) return;
            if (next < steps.size()) {
                steps[next++]();
            } else {
                ++forcedCloses;
                Key(VK_ESCAPE);
            }
        });
        menu->OnPopup = [&](TObject*) { timer.SetEnabled(true); };
        menu->Popup(at.X, at.Y);
        timer.SetEnabled(false);
        EXPECT_EQ(next, steps.size()) << "the menu closed before the script ended";
        EXPECT_TRUE(OpenMenus().empty());
    }

    TForm* form = nullptr;
    TPopupMenu* menu = nullptr;
    TMenuItem* open = nullptr;
    TMenuItem* disabled = nullptr;
    TMenuItem* checked = nullptr;
    TMenuItem* more = nullptr;
    TMenuItem* alpha = nullptr;
    TMenuItem* beta = nullptr;
    std::vector<std::string> clicked;
    int openWhenClicked = -1;
    int forcedCloses = 0;  // Escapes Run sent after the script
};

}  // namespace menutest
