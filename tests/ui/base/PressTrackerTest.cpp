// The press tracker on a windowed and on a graphic control: pushed in while
// the left button is held with the pointer inside, a click only for a
// release inside, and a cancel that ends the press and the capture.

#include "platform/ui/base/PressTracker.h"
#include "tests/ui/UiTestFixture.h"

namespace uitest {
namespace {

// A control whose clicks come from the tracker alone.
template <class Base>
class TTracked : public Base {
public:
    explicit TTracked(TComponent* owner) : Base(owner) { this->SetControlStyle({csCaptureMouse}); }
    TPressTracker Press{*this};
    int Clicks = 0;

protected:
    void MouseDown(TMouseButton button, TShiftState, int, int) override
    {
        if (button == mbLeft) Press.Press();
    }
    void MouseMove(TShiftState, int x, int y) override { Press.Move({x, y}); }
    void MouseUp(TMouseButton button, TShiftState, int x, int y) override
    {
        if (button == mbLeft && Press.Release({x, y})) ++Clicks;
    }
};

using TTrackedWindowed = TTracked<TCustomControl>;
using TTrackedGraphic = TTracked<TGraphicControl>;

class PressTrackerTest : public UiTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        form = ShownForm();
        if (GetParam()) {
            auto* c = new TTrackedWindowed(form);
            control = c;
            press = &c->Press;
            clicks = &c->Clicks;
        } else {
            auto* c = new TTrackedGraphic(form);
            control = c;
            press = &c->Press;
            clicks = &c->Clicks;
        }
        control->SetParent(form);
        control->SetBounds(20, 20, 80, 30);
        Pump();
    }
    void Down(TPoint p) { Desktop().InjectMouseDown(ScreenPointOf(control, p)); Pump(); }
    void Move(TPoint p) { Desktop().InjectMouseMove(ScreenPointOf(control, p)); Pump(); }
    void Up(TPoint p) { Desktop().InjectMouseUp(ScreenPointOf(control, p)); Pump(); }

    TForm* form = nullptr;
    TControl* control = nullptr;
    TPressTracker* press = nullptr;
    int* clicks = nullptr;
};

TEST_P(PressTrackerTest, ThePressFollowsThePointerAndOnlyAReleaseInsideClicks)
{
    Down({5, 5});
    EXPECT_TRUE(press->Pressed());
    EXPECT_TRUE(control->MouseCapture());
    Move({-10, 5});
    EXPECT_FALSE(press->Pressed()) << "outside shows unpressed";
    EXPECT_TRUE(press->Held());
    Move({79, 29});
    EXPECT_TRUE(press->Pressed()) << "back inside shows pressed";
    Up({79, 29});
    EXPECT_FALSE(press->Pressed());
    EXPECT_EQ(*clicks, 1);

    Down({5, 5});
    Move({80, 5});
    Up({80, 5});
    EXPECT_EQ(*clicks, 1) << "the right edge is outside";
    EXPECT_FALSE(control->MouseCapture());
}

TEST_P(PressTrackerTest, CancelEndsThePressAndTheCaptureWithoutAClick)
{
    Down({5, 5});
    press->Cancel();
    EXPECT_FALSE(press->Pressed());
    EXPECT_FALSE(press->Held());
    EXPECT_FALSE(control->MouseCapture());
    Up({5, 5});
    EXPECT_EQ(*clicks, 0);
}

TEST_P(PressTrackerTest, ADisabledControlIsNeverPressed)
{
    control->SetEnabled(false);
    press->Press();
    EXPECT_FALSE(press->Held());
    EXPECT_FALSE(press->Release({5, 5}));
}

INSTANTIATE_TEST_SUITE_P(Controls, PressTrackerTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Windowed" : "Graphic"; });

}  // namespace
}  // namespace uitest
