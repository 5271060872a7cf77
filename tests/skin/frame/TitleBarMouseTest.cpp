// Scripted mouse input on the skinned title bar: moving the window, the
// buttons, double clicks and the system menu.

#include "platform/ui/base/Timer.h"
#include "platform/ui/menus/MenuWindow.h"
#include "skin/frame/SUITitleBarPopupMenu.h"
#include "tests/skin/frame/FrameTestSupport.h"
#include "tests/support/GoldenImage.h"

#include <functional>
#include <vector>

namespace frametest {
namespace {

class TitleBarMouseTest : public FrameTest {
protected:
    [[nodiscard]] TPoint OnBar(TPoint bar) const { return Bar()->ClientToScreen(bar); }
    void ClickBar(TPoint bar) { Click(Bar(), bar); }
    void DoubleClickBar(TPoint bar) { DoubleClick(Bar(), bar); }
    [[nodiscard]] int IndexOf(TsuiTitleBarBtnType type) const
    {
        for (int i = 0; i < Buttons()->Count(); ++i) {
            if (Buttons()->Items(i)->ButtonType() == type) return i;
        }
        return -1;
    }
    [[nodiscard]] bool Shown() const { return IsWindowVisible(form->WindowHandle()); }

    // The open menu window, or nullptr.
    [[nodiscard]] static TMenuWindow* OpenMenu()
    {
        for (const HWND hwnd : GetTopLevelWindows()) {
            auto* window = dynamic_cast<TMenuWindow*>(FindControl(hwnd));
            if (window && IsWindowVisible(hwnd)) return window;
        }
        return nullptr;
    }
    // Clicks the bar's point and runs the steps while the menu it opens is open.
    void ClickIntoMenu(TPoint bar, std::vector<std::function<void(TMenuWindow&)>> steps)
    {
        TTimer timer(nullptr);
        timer.SetInterval(10);
        std::size_t next = 0;
        timer.SetOnTimer([&](TObject*) {
            TMenuWindow* menu = OpenMenu();
            if (!menu) return;
            if (next < steps.size()) {
                steps[next++](*menu);
                return;
            }
            Desktop().InjectKeyDown(VK_ESCAPE);
            Desktop().InjectKeyUp(VK_ESCAPE);
        });
        ClickBar(bar);
        timer.SetEnabled(false);
        EXPECT_EQ(next, steps.size()) << "the menu closed before the script ended";
    }
    void ClickItem(TMenuWindow& menu, int index)
    {
        const TRect item = menu.ItemScreenRect(index);
        Desktop().AdvanceClock(GetDoubleClickTime() + 1);
        Desktop().InjectClick({item.Left + item.Width() / 2, item.Top + item.Height() / 2});
    }
};

TEST_F(TitleBarMouseTest, DraggingTheEmptyBarMovesTheWindowByTheMouseDelta)
{
    SkinnedForm();
    const TRect before = FormWindowRect();
    const TPoint start = OnBar(EmptyBarPoint());
    Desktop().InjectMouseDown(start);
    Desktop().InjectMouseMove(start.Offset(40, 25));
    Desktop().InjectMouseMove(start.Offset(-30, 60));
    Desktop().InjectMouseUp(start.Offset(-30, 60));
    Pump();
    EXPECT_EQ(FormWindowRect(), before.Offset(-30, 60));
}

TEST_F(TitleBarMouseTest, AMaximisedWindowDoesNotMove)
{
    SkinnedForm({DeepBlue, bsSingle, true});
    form->SetWindowState(wsMaximized);
    Pump();
    const TRect before = FormWindowRect();
    const TPoint start = OnBar(EmptyBarPoint());
    Desktop().InjectMouseDown(start);
    Desktop().InjectMouseMove(start.Offset(40, 25));
    Desktop().InjectMouseUp(start.Offset(40, 25));
    Pump();
    EXPECT_EQ(FormWindowRect(), before);
}

TEST_F(TitleBarMouseTest, CloseMinimiseAndMaximiseButtonsAct)
{
    SkinnedForm({DeepBlue, bsSingle, true});
    const TRect normal = FormWindowRect();
    TsuiTitleBarButton* max = Buttons()->Items(IndexOf(suiMax));
    ClickBar(ButtonPoint(IndexOf(suiMax)));
    EXPECT_EQ(FormWindowRect(), GetWorkAreaRect());
    // The maximise button now shows the restore picture.
    TBitmap restore;
    GetInsideThemeBitmap(DeepBlue, SuiThemeId::TitleBarButtonImage, &restore, kTitleButtonFrameCount, 10);
    EXPECT_EQ(max->PicNormal()->Bitmap()->Pixels().At(9, 9), restore.Pixels().At(9, 9));
    ClickBar(ButtonPoint(IndexOf(suiMax)));
    EXPECT_EQ(FormWindowRect(), normal);

    ClickBar(ButtonPoint(IndexOf(suiMin)));
    EXPECT_TRUE(IsIconic(form->WindowHandle()));
    ShowWindow(form->WindowHandle(), SW_RESTORE);
    Pump();
    ClickBar(ButtonPoint(IndexOf(suiClose)));
    EXPECT_FALSE(Shown());
}

TEST_F(TitleBarMouseTest, LeavingAPressedButtonBeforeReleasingClicksNothing)
{
    SkinnedForm();
    const TPoint close = OnBar(ButtonPoint(IndexOf(suiClose)));
    Desktop().InjectMouseMove(close);
    Desktop().InjectMouseDown(close);
    Desktop().InjectMouseMove(OnBar(EmptyBarPoint()));
    Desktop().InjectMouseUp(OnBar(EmptyBarPoint()));
    Pump();
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Bar()->HotIndex(), -1);
}

struct DoubleClickCase {
    const char* Name;
    bool MaxButton;
    bool MaxHidden;
    bool Toggles;
};

class TitleBarDoubleClickTest : public TitleBarMouseTest, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(TitleBarDoubleClickTest, DoubleClickOnTheEmptyBarTogglesThroughTheMaximiseButton)
{
    const DoubleClickCase& c = GetParam();
    SkinnedForm({DeepBlue, bsSingle, c.MaxButton});
    if (c.MaxHidden) Buttons()->Items(IndexOf(suiMax))->SetVisible(false);
    Pump();
    const TRect normal = FormWindowRect();
    DoubleClickBar(EmptyBarPoint());
    EXPECT_EQ(IsZoomed(form->WindowHandle()), c.Toggles);
    DoubleClickBar(EmptyBarPoint());
    EXPECT_FALSE(IsZoomed(form->WindowHandle()));
    EXPECT_EQ(FormWindowRect(), normal);
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleBarDoubleClickTest,
                         ::testing::Values(DoubleClickCase{"WithMaximise", true, false, true},
                                           DoubleClickCase{"HiddenMaximise", true, true, true},
                                           DoubleClickCase{"WithoutMaximise", false, false, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TitleBarMouseTest, DoubleClickOnTheControlBoxClosesTheForm)
{
    SkinnedForm();
    DoubleClickBar(ButtonPoint(IndexOf(suiControlBox)));
    EXPECT_FALSE(Shown());
}

TEST_F(TitleBarMouseTest, CustomAndHelpButtonsRaiseTheirEventsWithTheirIndex)
{
    SkinnedForm();
    TsuiTitleBarButton* help = Buttons()->Add();
    help->SetButtonType(suiHelp);
    TsuiTitleBarButton* custom = Buttons()->Add();
    custom->PicNormal()->Assign(*help->PicNormal());
    std::vector<std::string> events;
    Bar()->OnHelpBtnClick = [&](TObject*, int index) { events.push_back("help " + std::to_string(index)); };
    Bar()->OnCustomBtnsClick = [&](TObject*, int index) { events.push_back("custom " + std::to_string(index)); };
    Pump();
    ClickBar(ButtonPoint(help->Index()));
    ClickBar(ButtonPoint(custom->Index()));
    EXPECT_EQ(events, (std::vector<std::string>{"help 3", "custom 4"}));
    EXPECT_TRUE(Shown());
}

TEST_F(TitleBarMouseTest, TheSystemMenuOpensFromTheControlBoxAndItsItemsAct)
{
    SkinnedForm();
    ClickIntoMenu(ButtonPoint(IndexOf(suiControlBox)), {[&](TMenuWindow& menu) {
                      const TsuiTitleBarPopupMenu& system = *Bar()->SystemMenu();
                      EXPECT_TRUE(system.Items()->Items(0)->Enabled());
                      EXPECT_FALSE(system.Items()->Items(1)->Enabled());  // no maximise button
                      EXPECT_TRUE(system.Items()->Items(3)->Enabled());
                      // The menu drops from the bar's bottom-left corner.
                      EXPECT_EQ(menu.ScreenRect().TopLeft(), OnBar({0, Bar()->Height()}));
                      menu.Select(0);
                  },
                  [&](TMenuWindow& menu) {
                      EXPECT_TRUE(
                          MatchesGolden(Desktop().CaptureWindow(menu.WindowHandle()), "frame/system_menu_DeepBlue"));
                      ClickItem(menu, 0);
                  }});
    Pump();
    EXPECT_TRUE(IsIconic(form->WindowHandle()));
    ShowWindow(form->WindowHandle(), SW_RESTORE);
    Pump();
    ClickIntoMenu(ButtonPoint(IndexOf(suiControlBox)), {[&](TMenuWindow& menu) { ClickItem(menu, 3); }});
    Pump();
    EXPECT_FALSE(Shown());
}

}  // namespace
}  // namespace frametest
