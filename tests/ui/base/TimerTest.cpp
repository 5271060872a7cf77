// TTimer on the virtual clock: it fires every Interval while enabled,
// restarts its count when a property changes, and runs no timer without a
// handler or with Interval 0.

#include "tests/ui/UiTestFixture.h"

#include "platform/core/PropertyAccess.h"
#include "platform/ui/base/Timer.h"

namespace uitest {
namespace {

class TimerTest : public UiTest {
protected:
    void SetUp() override
    {
        timer = new TTimer(&App());
        timer->SetInterval(100);
        timer->SetOnTimer([this](TObject* sender) {
            EXPECT_EQ(sender, timer);
            ++ticks;
        });
    }
    void Advance(std::uint32_t ms)
    {
        Desktop().AdvanceClock(ms);
        Pump();
    }
    TTimer* timer = nullptr;
    int ticks = 0;
};

TEST_F(TimerTest, FiresEveryIntervalWhileEnabled)
{
    Advance(99);
    EXPECT_EQ(ticks, 0);
    Advance(1);
    EXPECT_EQ(ticks, 1);
    Advance(100);
    Advance(100);
    EXPECT_EQ(ticks, 3);
    timer->SetEnabled(false);
    EXPECT_FALSE(timer->Running());
    Advance(500);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, ChangingTheIntervalStartsTheCountAgain)
{
    Advance(80);
    timer->SetInterval(50);
    Advance(30);
    EXPECT_EQ(ticks, 0) << "80 + 30 ms, but the new count began 30 ms ago";
    Advance(20);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, NoTimerRunsWithoutAHandlerOrWithIntervalZero)
{
    EXPECT_TRUE(timer->Running());
    timer->SetOnTimer(nullptr);
    EXPECT_FALSE(timer->Running());
    timer->SetOnTimer([this](TObject*) { ++ticks; });
    timer->SetInterval(0);
    EXPECT_FALSE(timer->Running());
    Advance(1000);
    EXPECT_EQ(ticks, 0);
    timer->SetInterval(10);
    EXPECT_TRUE(timer->Running());
}

TEST_F(TimerTest, AHandlerMayFreeItsTimer)
{
    timer->SetOnTimer([this](TObject*) {
        ++ticks;
        delete timer;
    });
    Advance(100);
    Advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(App().ComponentCount(), 0);
}

TEST_F(TimerTest, ExceptionsInTheHandlerAreShownAndTheTimerGoesOn)
{
    timer->SetOnTimer([this](TObject*) {
        ++ticks;
        throw Exception("tick failed");
    });
    Advance(100);
    Advance(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(messageBoxes.size(), 2u);
}

TEST_F(TimerTest, PropertiesArePublishedWithTheirDefaults)
{
    TTimer fresh(nullptr);
    EXPECT_EQ(GetOrdProp(fresh, "Interval"), 1000);
    EXPECT_EQ(GetEnumProp(fresh, "Enabled"), "True");
    SetOrdProp(fresh, "Interval", 250);
    EXPECT_EQ(fresh.Interval(), 250);
}

}  // namespace
}  // namespace uitest
