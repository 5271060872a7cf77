// TControl's properties: bounds with early return and size limits, the
// text, fonts and colours that follow the parent, visibility and enabled
// state, coordinates, z-order and references to pop-up menus.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Font.h"
#include "platform/ui/base/SizeConstraints.h"

namespace uitest {
namespace {

class ControlTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm();
        graphic = new TTestGraphic(form);
        graphic->SetParent(form);
        graphic->SetName("graphic");
    }
    TForm* form = nullptr;
    TTestGraphic* graphic = nullptr;
};

TEST_F(ControlTest, SetBoundsReturnsEarlyWhenNothingChanges)
{
    int resizes = 0;
    graphic->OnResize = [&](TObject*) { ++resizes; };
    graphic->SetBounds(5, 6, 40, 20);
    EXPECT_EQ(resizes, 0) << "only the place changed";
    graphic->SetBounds(5, 6, 41, 20);
    graphic->SetBounds(5, 6, 41, 20);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(graphic->BoundsRect(), Bounds(5, 6, 41, 20));
}

TEST_F(ControlTest, ConstraintsLimitTheSizeAndApplyAtOnce)
{
    graphic->SetBounds(0, 0, 100, 100);
    graphic->Constraints()->SetMaxWidth(60);
    EXPECT_EQ(graphic->Width(), 60);
    graphic->Constraints()->SetMinHeight(120);
    EXPECT_EQ(graphic->Height(), 120);
    graphic->SetBounds(0, 0, 10, 500);
    EXPECT_EQ(graphic->Width(), 10);
    EXPECT_EQ(graphic->Height(), 500);
    graphic->Constraints()->SetMaxHeight(50);  // below the minimum: the minimum follows
    EXPECT_EQ(graphic->Constraints()->MinHeight(), 50);
    EXPECT_EQ(graphic->Height(), 50);
}

TEST_F(ControlTest, WindowedControlsMoveTheirWindow)
{
    auto* child = new TTestButton(form);
    child->SetParent(form);
    Pump();
    child->SetBounds(30, 40, 50, 60);
    RECT r;
    GetWindowRect(child->WindowHandle(), r);
    EXPECT_EQ(r, Bounds(100 + 30, 100 + 40, 50, 60));
    EXPECT_EQ(child->ClientOrigin(), Point(130, 140));
    EXPECT_EQ(graphic->ClientToScreen({1, 2}), Point(101, 102));
    EXPECT_EQ(child->ScreenToClient({131, 142}), Point(1, 2));
}

TEST_F(ControlTest, TextChangesReachTheControlOnce)
{
    Record(graphic);
    graphic->SetCaption("确定");
    graphic->SetText("确定");
    EXPECT_EQ(graphic->Caption(), "确定");
    EXPECT_EQ(Sequence(log, {WM_SETTEXT, CM_TEXTCHANGED}),
              (std::vector<std::pair<std::string, UINT>>{{"graphic", WM_SETTEXT}, {"graphic", CM_TEXTCHANGED}}));
}

TEST_F(ControlTest, WindowedControlsKeepTheirTextInTheWindow)
{
    form->SetCaption("标题");
    EXPECT_EQ(GetWindowText(form->WindowHandle()), "标题");
    SetWindowText(form->WindowHandle(), "other");
    EXPECT_EQ(form->Caption(), "other");
}

TEST_F(ControlTest, FontFollowsTheParentUntilSet)
{
    form->Font()->SetName("Tahoma");
    EXPECT_TRUE(graphic->ParentFont());
    EXPECT_EQ(graphic->Font()->Name(), "Tahoma");
    graphic->Font()->SetSize(12);
    EXPECT_FALSE(graphic->ParentFont());
    form->Font()->SetName("Arial");
    EXPECT_EQ(graphic->Font()->Name(), "Tahoma");
    graphic->SetParentFont(true);
    EXPECT_EQ(graphic->Font()->Name(), "Arial");
    EXPECT_EQ(graphic->Font()->Height(), form->Font()->Height());
}

TEST_F(ControlTest, ParentColorFollowsTheParentUntilSet)
{
    graphic->SetParentColor(true);
    EXPECT_EQ(graphic->Color(), clBtnFace);
    form->SetColor(clRed);
    EXPECT_EQ(graphic->Color(), clRed);
    graphic->SetColor(clLime);
    EXPECT_FALSE(graphic->ParentColor());
    form->SetColor(clBlue);
    EXPECT_EQ(graphic->Color(), clLime);
}

TEST_F(ControlTest, ChangesAreAnnouncedOnlyWhenSomethingChanged)
{
    Record(graphic);
    graphic->SetVisible(true);
    graphic->SetEnabled(true);
    graphic->SetColor(graphic->Color());
    graphic->SetCursor(crDefault);
    EXPECT_TRUE(log.empty());
    graphic->Hide();
    graphic->SetEnabled(false);
    graphic->SetCursor(crHandPoint);
    EXPECT_EQ(Sequence(log, {CM_VISIBLECHANGED, CM_ENABLEDCHANGED, CM_CURSORCHANGED}),
              (std::vector<std::pair<std::string, UINT>>{
                  {"graphic", CM_VISIBLECHANGED}, {"graphic", CM_ENABLEDCHANGED}, {"graphic", CM_CURSORCHANGED}}));
}

TEST_F(ControlTest, ShowHintFollowsTheParentWhileParentShowHintIsSet)
{
    form->SetShowHint(true);
    EXPECT_TRUE(graphic->ShowHint());
    graphic->SetShowHint(false);
    EXPECT_FALSE(graphic->ParentShowHint());
    form->SetShowHint(false);
    form->SetShowHint(true);
    EXPECT_FALSE(graphic->ShowHint());
}

TEST_F(ControlTest, BringToFrontAndSendToBackReorderTheParentsControls)
{
    auto* second = new TTestGraphic(form);
    second->SetParent(form);
    ASSERT_EQ(form->Controls(1), second);
    graphic->BringToFront();
    EXPECT_EQ(form->Controls(1), graphic);
    graphic->SendToBack();
    EXPECT_EQ(form->Controls(0), graphic);
}

TEST_F(ControlTest, PopupMenuReferenceIsClearedWhenTheMenuGoes)
{
    auto* menu = new TComponent(nullptr);
    graphic->SetPopupMenu(menu);
    EXPECT_EQ(graphic->PopupMenu(), menu);
    delete menu;
    EXPECT_EQ(graphic->PopupMenu(), nullptr);
}

TEST_F(ControlTest, ParentsMayNotContainThemselves)
{
    auto* panel = new TTestButton(form);
    panel->SetParent(form);
    EXPECT_THROW(form->SetParent(panel), EInvalidOperation);
    EXPECT_THROW(panel->SetParent(panel), EInvalidOperation);
}

TEST_F(ControlTest, ParentFormIsFoundThroughTheParents)
{
    auto* inner = new TTestButton(form);
    inner->SetParent(form);
    EXPECT_EQ(GetParentForm(graphic), form);
    EXPECT_EQ(GetParentForm(inner), form);
    EXPECT_EQ(GetParentForm(form), form);
    TTestGraphic loose(nullptr);
    EXPECT_EQ(GetParentForm(&loose), nullptr);
}

TEST_F(ControlTest, AWindowedControlFreesItsChildrenWhoeverOwnsThem)
{
    TComponent otherOwner(nullptr);
    auto* holder = new TTestButton(form);
    holder->SetParent(form);
    auto* inner = new TTestGraphic(&otherOwner);
    inner->SetParent(holder);
    const TComponentWatch watch(inner);
    delete holder;
    EXPECT_FALSE(watch.Alive());
    EXPECT_EQ(otherOwner.ComponentCount(), 0);
}

}  // namespace
}  // namespace uitest
