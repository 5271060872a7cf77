// ShowModal: the nested loop ends when ModalResult is set (a timer or a
// button sets it here), other windows are disabled meanwhile and enabled
// afterwards, closing gives mrCancel, CloseQuery can hold the form; the
// form is owned by the window that was active.

#include "tests/ui/UiTestFixture.h"

#include "platform/core/Resources.h"
#include "platform/ui/base/Timer.h"

QZ_DECLARE_RESOURCE_TABLE(UiTestResources);

namespace uitest {
namespace {

class FormModalTest : public UiTest {
protected:
    void SetUp() override
    {
        RegisterResources(UiTestResources());  // the program's icon among them
        main = ShownMainForm({0, 0, 400, 300});
        dialog = NewForm<TForm>(&App());
        dialog->SetBorderStyle(bsDialog);
        dialog->SetBounds(50, 50, 200, 100);
        timer = new TTimer(dialog);
        timer->SetInterval(100);
    }
    // Runs step on the timer's first tick, then stops the timer.
    void OnFirstTick(std::function<void()> step)
    {
        timer->SetOnTimer([this, step](TObject*) {
            timer->SetEnabled(false);
            step();
        });
    }
    TForm* main = nullptr;
    TForm* dialog = nullptr;
    TTimer* timer = nullptr;
};

TEST_F(FormModalTest, ATimerSettingModalResultEndsTheLoop)
{
    bool mainDisabledMeanwhile = false;
    bool dialogShownMeanwhile = false;
    OnFirstTick([&] {
        mainDisabledMeanwhile = !IsWindowEnabled(main->WindowHandle());
        dialogShownMeanwhile = IsWindowVisible(dialog->WindowHandle()) && dialog->IsModal();
        dialog->SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(mainDisabledMeanwhile);
    EXPECT_TRUE(dialogShownMeanwhile);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(dialog->IsModal());
    EXPECT_TRUE(IsWindowEnabled(main->WindowHandle()));
    EXPECT_EQ(GetActiveWindow(), main->WindowHandle());
}

TEST_F(FormModalTest, AButtonWithAModalResultEndsTheLoop)
{
    auto* ok = new TTestButton(dialog);
    ok->SetParent(dialog);
    ok->ModalResult = mrYes;
    OnFirstTick([&] { Click(ok); });
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    EXPECT_EQ(ok->Clicks, 1);
}

TEST_F(FormModalTest, ClosingAModalFormGivesCancel)
{
    OnFirstTick([&] { dialog->Close(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(FormModalTest, CloseQueryHoldsTheFormUntilItAgrees)
{
    int asked = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked == 2; };
    timer->SetOnTimer([&](TObject*) { dialog->SetModalResult(mrOk); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(asked, 2);
}

TEST_F(FormModalTest, OnCloseWithCaNoneKeepsTheLoopGoing)
{
    int closes = 0;
    dialog->OnClose = [&](TObject*, TCloseAction& action) {
        if (++closes == 1) action = caNone;
    };
    timer->SetOnTimer([&](TObject*) { dialog->SetModalResult(mrAbort); });
    EXPECT_EQ(dialog->ShowModal(), mrAbort);
    EXPECT_EQ(closes, 2);
}

TEST_F(FormModalTest, TheApplicationEndingEndsTheLoopWithCancel)
{
    OnFirstTick([&] { App().Terminate(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_TRUE(App().Terminated());
}

TEST_F(FormModalTest, OnlyHiddenEnabledFormsCanBeModal)
{
    dialog->Show();
    EXPECT_THROW((void)dialog->ShowModal(), EInvalidOperation);
}

TEST_F(FormModalTest, ModalLoopsNest)
{
    auto* inner = NewForm<TForm>(&App());
    inner->SetBorderStyle(bsDialog);
    auto* innerTimer = new TTimer(inner);
    innerTimer->SetInterval(50);
    innerTimer->SetEnabled(false);
    innerTimer->SetOnTimer([&](TObject*) {
        innerTimer->SetEnabled(false);
        EXPECT_FALSE(IsWindowEnabled(dialog->WindowHandle()));
        inner->SetModalResult(mrRetry);
    });
    TModalResult innerResult = mrNone;
    OnFirstTick([&] {
        innerTimer->SetEnabled(true);
        innerResult = inner->ShowModal();
        EXPECT_TRUE(IsWindowEnabled(dialog->WindowHandle()));
        dialog->SetModalResult(mrIgnore);
    });
    EXPECT_EQ(dialog->ShowModal(), mrIgnore);
    EXPECT_EQ(innerResult, mrRetry);
}

// On the desktop the modal form is the active window's dialog (above it,
// minimised with it), and every window shows the program's icon.
TEST_F(FormModalTest, TheModalFormBelongsToTheActiveWindowAndCarriesTheIcon)
{
    const win::HeadlessWindow* native = nullptr;
    OnFirstTick([&] {
        native = Desktop().NativeWindow(dialog->WindowHandle());
        EXPECT_EQ(GetWindow(dialog->WindowHandle(), GW_OWNER), main->WindowHandle());
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->desc.owner, main->WindowHandle());
        ASSERT_TRUE(native->icon.has_value());
        EXPECT_EQ(native->icon->GetPixel(0, 0) >> 24, 0u) << "the key colour is transparent";
        EXPECT_EQ(*native->icon, *Desktop().NativeWindow(main->WindowHandle())->icon);
        dialog->SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_NE(native, nullptr);
}

TEST_F(FormModalTest, AFormFreedInsideItsLoopEndsItQuietly)
{
    const TComponentWatch watch(dialog);
    OnFirstTick([&] { delete dialog; });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_FALSE(watch.Alive());
    EXPECT_TRUE(IsWindowEnabled(main->WindowHandle()));
}

}  // namespace
}  // namespace uitest
