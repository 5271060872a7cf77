// TCustomForm: window styles from the border style, the first position,
// the client size, size limits, window state, the form's events and
// closing (close query, close actions, the main form ending the program).

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Font.h"
#include "platform/ui/base/SizeConstraints.h"

namespace uitest {
namespace {

class FormTest : public UiTest {};

struct BorderCase {
    TFormBorderStyle border;
    DWORD present;
    DWORD absent;
    DWORD exPresent;
};

class FormBorderTest : public FormTest, public ::testing::WithParamInterface<BorderCase> {};

TEST_P(FormBorderTest, BorderStyleGivesTheWindowStyles)
{
    TForm* form = ShownForm({0, 0, 300, 200}, GetParam().border);
    const auto style = DWORD(GetWindowLongPtr(form->WindowHandle(), GWL_STYLE));
    const auto exStyle = DWORD(GetWindowLongPtr(form->WindowHandle(), GWL_EXSTYLE));
    EXPECT_EQ(style & GetParam().present, GetParam().present);
    EXPECT_EQ(style & GetParam().absent, 0u);
    EXPECT_EQ(exStyle & GetParam().exPresent, GetParam().exPresent);
    EXPECT_EQ(style & WS_CHILD, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Borders, FormBorderTest,
    ::testing::Values(BorderCase{bsNone, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
                      BorderCase{bsSingle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_THICKFRAME, 0},
                      BorderCase{bsSizeable, WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX, WS_POPUP, 0},
                      BorderCase{bsDialog, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                                 WS_EX_DLGMODALFRAME},
                      BorderCase{bsToolWindow, WS_CAPTION, WS_MINIMIZEBOX, WS_EX_TOOLWINDOW},
                      BorderCase{bsSizeToolWin, WS_CAPTION | WS_THICKFRAME, WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW}));

TEST_F(FormTest, ChangingTheBorderStyleMakesTheWindowAgainAndKeepsItShown)
{
    TForm* form = ShownForm({0, 0, 300, 200}, bsSizeable);
    auto* child = new TTestButton(form);
    child->SetParent(form);
    Pump();
    form->SetBorderStyle(bsNone);
    Pump();
    EXPECT_TRUE(IsWindowVisible(form->WindowHandle()));
    EXPECT_TRUE(IsWindowVisible(child->WindowHandle()));
    EXPECT_NE(GetWindowLongPtr(form->WindowHandle(), GWL_STYLE) & WS_POPUP, 0);
    EXPECT_EQ(GetParent(child->WindowHandle()), form->WindowHandle());
}

struct PositionCase {
    TPosition position;
    TPoint topLeft;
};

class FormPositionTest : public FormTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(FormPositionTest, PositionPlacesTheFormWhenFirstShown)
{
    ShownMainForm({100, 100, 500, 400});  // 400 x 300 at (100, 100)
    auto* form = NewForm<TForm>(&App());
    form->SetBorderStyle(bsNone);
    form->SetBounds(7, 8, 200, 100);
    form->SetPosition(GetParam().position);
    form->Show();
    EXPECT_EQ(form->BoundsRect().TopLeft(), GetParam().topLeft);
    // Only the first showing places the form.
    form->Hide();
    form->SetBounds(1, 2, 200, 100);
    form->Show();
    EXPECT_EQ(form->BoundsRect().TopLeft(), Point(1, 2));
}

// The desktop is 1280 x 800 with a work area of 1280 x 760.
INSTANTIATE_TEST_SUITE_P(Positions, FormPositionTest,
                         ::testing::Values(PositionCase{poDesigned, {7, 8}}, PositionCase{poScreenCenter, {540, 350}},
                                           PositionCase{poDesktopCenter, {540, 330}},
                                           PositionCase{poMainFormCenter, {200, 200}},
                                           PositionCase{poOwnerFormCenter, {200, 200}},
                                           PositionCase{poDefault, {0, 0}}));

TEST_F(FormTest, ClientSizeSetsTheWindowSizeAroundIt)
{
    TForm* form = ShownForm({0, 0, 300, 200});
    form->SetBorderWidth(4);
    form->SetClientWidth(100);
    form->SetClientHeight(50);
    EXPECT_EQ(form->Width(), 108);
    EXPECT_EQ(form->Height(), 58);
    EXPECT_EQ(form->ClientRect(), Rect(0, 0, 100, 50));
}

TEST_F(FormTest, ConstraintsBecomeTheWindowsTrackSizes)
{
    TForm* form = ShownForm({0, 0, 300, 200}, bsSizeable);
    form->Constraints()->SetMinWidth(250);
    form->Constraints()->SetMinHeight(120);
    form->Constraints()->SetMaxWidth(600);
    MINMAXINFO info;
    SendMessage(form->WindowHandle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize, Point(250, 120));
    EXPECT_EQ(info.ptMaxTrackSize.X, 600);
    // A move of the window by others keeps to them too.
    SetWindowPos(form->WindowHandle(), nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(form->Width(), 250);
    EXPECT_EQ(form->Height(), 120);
}

TEST_F(FormTest, WindowStateShowsTheWindowAsAsked)
{
    TForm* form = ShownForm({0, 0, 300, 200}, bsSizeable);
    form->SetWindowState(wsMaximized);
    EXPECT_TRUE(IsZoomed(form->WindowHandle()));
    form->SetWindowState(wsMinimized);
    EXPECT_TRUE(IsIconic(form->WindowHandle()));
    form->SetWindowState(wsNormal);
    EXPECT_FALSE(IsIconic(form->WindowHandle()));
    EXPECT_FALSE(IsZoomed(form->WindowHandle()));
    // The desktop restoring the window is reported back.
    ShowWindow(form->WindowHandle(), SW_MAXIMIZE);
    EXPECT_EQ(form->WindowState(), wsMaximized);
}

TEST_F(FormTest, EventsComeInTheirOrder)
{
    std::vector<std::string> events;
    {
        auto* form = new TForm(&App());
        form->SetBorderStyle(bsNone);
        form->OnCreate = [&](TObject*) { events.push_back("create"); };
        form->OnShow = [&](TObject*) { events.push_back("show"); };
        form->OnActivate = [&](TObject*) { events.push_back("activate"); };
        form->OnDeactivate = [&](TObject*) { events.push_back("deactivate"); };
        form->OnHide = [&](TObject*) { events.push_back("hide"); };
        form->OnDestroy = [&](TObject*) { events.push_back("destroy"); };
        form->AfterConstruction();
        form->Show();
        Pump();
        auto* other = ShownForm();
        other->SetFocus();
        Pump();
        form->Hide();
        delete form;
    }
    EXPECT_EQ(events,
              (std::vector<std::string>{"create", "show", "activate", "deactivate", "hide", "destroy"}));
}

TEST_F(FormTest, CloseQueryCanRefuse)
{
    ShownMainForm();
    TForm* form = ShownForm();
    bool allow = false;
    int closes = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    form->Close();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(closes, 0);
    allow = true;
    form->Close();
    EXPECT_FALSE(form->Visible()) << "caHide by default";
    EXPECT_EQ(closes, 1);
}

struct CloseCase {
    TCloseAction action;
    bool visible;
    bool alive;
    TWindowState state;
};

class FormCloseActionTest : public FormTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(FormCloseActionTest, OnCloseChoosesWhatHappens)
{
    ShownMainForm();
    TForm* form = ShownForm({0, 0, 300, 200}, bsSizeable);
    form->OnClose = [](TObject*, TCloseAction& action) { action = GetParam().action; };
    const TComponentWatch watch(form);
    form->Close();
    Pump();
    ASSERT_EQ(watch.Alive(), GetParam().alive);
    if (!watch.Alive()) return;
    EXPECT_EQ(form->Visible(), GetParam().visible);
    EXPECT_EQ(form->WindowState(), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Actions, FormCloseActionTest,
                         ::testing::Values(CloseCase{caNone, true, true, wsNormal},
                                           CloseCase{caHide, false, true, wsNormal},
                                           CloseCase{caMinimize, true, true, wsMinimized},
                                           CloseCase{caFree, false, false, wsNormal}));

TEST_F(FormTest, ClosingTheMainFormEndsTheApplication)
{
    TForm* main = ShownMainForm();
    TForm* second = nullptr;
    App().CreateForm(second);
    EXPECT_EQ(App().MainForm(), main) << "the first form made stays the main form";
    second->Close();
    Pump();
    EXPECT_FALSE(App().Terminated());
    main->Close();
    Pump();
    EXPECT_TRUE(App().Terminated());
}

TEST_F(FormTest, WmCloseAndTheCloseCommandClose)
{
    ShownMainForm();
    TForm* form = ShownForm();
    int queries = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        ++queries;
        canClose = false;
    };
    SendMessage(form->WindowHandle(), WM_CLOSE, 0, 0);
    SendMessage(form->WindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Desktop().InjectCloseRequest(form->WindowHandle());
    Pump();
    EXPECT_EQ(queries, 3);
}

TEST_F(FormTest, ReleaseFreesTheFormOnceQueuedMessagesAreHandled)
{
    TForm* form = ShownForm();
    const TComponentWatch watch(form);
    form->Release();
    EXPECT_TRUE(watch.Alive());
    Pump();
    EXPECT_FALSE(watch.Alive());
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(FormTest, TheScreenKnowsTheForms)
{
    TForm* a = ShownForm();
    TForm* b = ShownForm();
    ASSERT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->Forms(0), a);
    EXPECT_EQ(Screen->Forms(1), b);
    EXPECT_EQ(Screen->ActiveForm(), b);
    delete b;
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_EQ(Screen->ActiveForm(), a) << "the window left takes over";
    EXPECT_EQ(Screen->Width(), 1280);
    EXPECT_EQ(Screen->WorkAreaRect(), Rect(0, 0, 1280, 760));
    EXPECT_EQ(Screen->PixelsPerInch(), 96);
    EXPECT_FALSE(Screen->MenuFont()->Name().empty());
}

}  // namespace
}  // namespace uitest
