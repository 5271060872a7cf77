// The mouse: clicks are a press and a release inside, capture follows the
// press, graphic children get the mouse messages of the points they cover,
// CM_MOUSEENTER and CM_MOUSELEAVE follow the pointer, double clicks, and
// the cursor of the control under the pointer.

#include "tests/ui/UiTestFixture.h"

namespace uitest {
namespace {

class ControlMouseTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({100, 100, 500, 400});
        form->SetName("form");
        button = new TTestButton(form);
        button->SetName("button");
        button->SetParent(form);
        button->SetBounds(200, 10, 80, 30);
        graphic = new TTestGraphic(form);
        graphic->SetName("graphic");
        graphic->SetParent(form);
        graphic->SetBounds(10, 10, 60, 40);
        Pump();
    }
    TForm* form = nullptr;
    TTestButton* button = nullptr;
    TTestGraphic* graphic = nullptr;
};

TEST_F(ControlMouseTest, AClickIsAPressAndAReleaseInside)
{
    Click(button);
    EXPECT_EQ(button->Clicks, 1);
    Desktop().InjectMouseDown(ScreenPointOf(button));
    Desktop().InjectMouseMove(ScreenPointOf(button, TPoint{-30, 5}));
    Desktop().InjectMouseUp(ScreenPointOf(button, TPoint{-30, 5}));
    Pump();
    EXPECT_EQ(button->Clicks, 1) << "released outside";
    // Out and back in before the release is a click.
    Desktop().InjectMouseDown(ScreenPointOf(button));
    Desktop().InjectMouseMove(ScreenPointOf(button, TPoint{-30, 5}));
    Desktop().InjectMouseUp(ScreenPointOf(button, TPoint{5, 5}));
    Pump();
    EXPECT_EQ(button->Clicks, 2);
}

TEST_F(ControlMouseTest, APressCapturesTheMouseUntilTheRelease)
{
    std::vector<TPoint> moves;
    button->OnMouseMove = [&](TObject*, TShiftState shift, int x, int y) {
        if (shift.Contains(ssLeft)) moves.push_back({x, y});
    };
    Desktop().InjectMouseDown(ScreenPointOf(button, TPoint{5, 5}));
    Pump();
    EXPECT_TRUE(button->MouseCapture());
    EXPECT_EQ(GetCaptureControl(), button);
    Desktop().InjectMouseMove(ScreenPointOf(button, TPoint{-50, 100}));
    Desktop().InjectMouseUp(ScreenPointOf(button, TPoint{-50, 100}));
    Pump();
    EXPECT_EQ(moves, std::vector<TPoint>{TPoint(-50, 100)});
    EXPECT_FALSE(button->MouseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ControlMouseTest, GraphicChildrenGetTheMouseMessagesOfTheirPoints)
{
    std::vector<std::string> events;
    graphic->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        events.push_back("graphic down " + std::to_string(x) + "," + std::to_string(y));
    };
    graphic->OnClick = [&](TObject*) { events.push_back("graphic click"); };
    form->OnClick = [&](TObject*) { events.push_back("form click"); };
    Click(graphic, TPoint{3, 4});
    Click(form, TPoint{150, 150});
    EXPECT_EQ(events, (std::vector<std::string>{"graphic down 3,4", "graphic click", "form click"}));
}

TEST_F(ControlMouseTest, TheTopmostEnabledGraphicChildTakesTheMouse)
{
    auto* over = new TTestGraphic(form);
    over->SetParent(form);
    over->SetBounds(30, 10, 60, 40);  // overlaps the right part of graphic
    int graphicClicks = 0;
    int overClicks = 0;
    int formClicks = 0;
    graphic->OnClick = [&](TObject*) { ++graphicClicks; };
    over->OnClick = [&](TObject*) { ++overClicks; };
    form->OnClick = [&](TObject*) { ++formClicks; };
    Click(form, TPoint{40, 20});
    EXPECT_EQ(overClicks, 1);
    over->SetEnabled(false);
    Click(form, TPoint{40, 20});
    EXPECT_EQ(graphicClicks, 1);
    over->SendToBack();
    over->SetEnabled(true);
    Click(form, TPoint{40, 20});
    EXPECT_EQ(graphicClicks, 2);
    Click(form, TPoint{80, 20});
    EXPECT_EQ(overClicks, 2);
    EXPECT_EQ(formClicks, 0);
}

TEST_F(ControlMouseTest, AGraphicChildCapturesThroughItsParent)
{
    std::vector<TPoint> moves;
    graphic->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
    Desktop().InjectMouseDown(ScreenPointOf(graphic, TPoint{5, 5}));
    Pump();
    EXPECT_EQ(GetCaptureControl(), graphic);
    EXPECT_EQ(GetCapture(), form->WindowHandle());
    moves.clear();
    Desktop().InjectMouseMove(ScreenPointOf(graphic, TPoint{150, 150}));
    Desktop().InjectMouseUp(ScreenPointOf(graphic, TPoint{150, 150}));
    Pump();
    EXPECT_EQ(moves, std::vector<TPoint>{TPoint(150, 150)});
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(ControlMouseTest, MouseEnterAndLeaveFollowThePointer)
{
    Record(form);
    Record(graphic);
    Record(button);
    MoveTo(form, TPoint{150, 150});
    MoveTo(graphic);
    MoveTo(graphic, TPoint{1, 1});  // no news inside one control
    MoveTo(button);
    Desktop().InjectMouseMove({5, 5});  // off the form
    Pump();
    using Rows = std::vector<std::pair<std::string, UINT>>;
    EXPECT_EQ(Sequence(log, {CM_MOUSEENTER, CM_MOUSELEAVE}),
              (Rows{{"form", CM_MOUSEENTER},
                    {"form", CM_MOUSELEAVE},
                    {"graphic", CM_MOUSEENTER},
                    {"graphic", CM_MOUSELEAVE},
                    {"button", CM_MOUSEENTER},
                    {"button", CM_MOUSELEAVE}}));
    EXPECT_FALSE(button->MouseInControl());
}

TEST_F(ControlMouseTest, LeavingWhileCapturedIsReportedAndComingBackEntersAgain)
{
    std::vector<std::string> events;
    button->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    button->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
    MoveTo(button);
    Desktop().InjectMouseDown(ScreenPointOf(button));
    Desktop().InjectMouseMove(ScreenPointOf(button, TPoint{-20, 5}));
    Desktop().InjectMouseMove(ScreenPointOf(button, TPoint{5, 5}));
    Desktop().InjectMouseUp(ScreenPointOf(button, TPoint{5, 5}));
    Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave", "enter"}));
}

TEST_F(ControlMouseTest, AControlHiddenUnderThePointerIsLeft)
{
    MoveTo(graphic);
    ASSERT_TRUE(graphic->MouseInControl());
    graphic->Hide();
    EXPECT_FALSE(graphic->MouseInControl());
    EXPECT_EQ(App().Pointer().MouseControl(), nullptr);
}

TEST_F(ControlMouseTest, DoubleClicksNeedCsDoubleClicks)
{
    int doubles = 0;
    button->OnDblClick = [&](TObject*) { ++doubles; };
    DoubleClick(button);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(button->Clicks, 1) << "the second press was a double click";

    auto* plain = new TTestGraphic(form);
    plain->SetParent(form);
    plain->SetBounds(10, 100, 50, 50);
    plain->SetControlStyle(plain->ControlStyle().Exclude(csDoubleClicks));
    int clicks = 0;
    int plainDoubles = 0;
    plain->OnClick = [&](TObject*) { ++clicks; };
    plain->OnDblClick = [&](TObject*) { ++plainDoubles; };
    DoubleClick(plain);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(plainDoubles, 0);
}

TEST_F(ControlMouseTest, TheCursorIsThatOfTheControlUnderThePointer)
{
    graphic->SetCursor(crHandPoint);
    button->SetCursor(crIBeam);
    MoveTo(graphic);
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_HAND);
    MoveTo(button);
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_IBEAM);
    MoveTo(form, TPoint{150, 150});
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_ARROW);
    form->SetCursor(crCross);
    MoveTo(form, TPoint{151, 150});
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_CROSS);
    // The screen's cursor overrides every control's.
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_WAIT);
    MoveTo(graphic);
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_WAIT);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_HAND);
}

TEST_F(ControlMouseTest, AClickHandlerMayFreeItsControl)
{
    auto* doomed = new TTestButton(form);
    doomed->SetParent(form);
    doomed->SetBounds(10, 200, 80, 30);
    Pump();
    doomed->OnClick = [doomed](TObject*) { delete doomed; };
    const TComponentWatch watch(doomed);
    Click(doomed);
    EXPECT_FALSE(watch.Alive());
    Click(button);
    EXPECT_EQ(button->Clicks, 1);
}

}  // namespace
}  // namespace uitest
