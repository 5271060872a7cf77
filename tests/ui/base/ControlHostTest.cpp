// The controls' host: a host made later takes over while it lives and the
// one before comes back after it, whatever the order they go in; the
// exceptions of a control's events reach the current host.

#include "platform/core/Exception.h"
#include "platform/ui/base/ControlHost.h"
#include "tests/ui/UiTestFixture.h"

namespace uitest {
namespace {

class TRecordingHost : public TControlHost {
public:
    void HandleException(TObject* sender) override
    {
        try {
            throw;
        } catch (const Exception& e) {
            seen.push_back(e.Message);
            senders.push_back(sender);
        }
    }
    std::vector<std::string> seen;
    std::vector<TObject*> senders;
};

class ControlHostTest : public UiTest {};

TEST_F(ControlHostTest, TheHostMadeLastIsCurrentUntilItGoes)
{
    ASSERT_EQ(&TControlHost::Current(), &App());
    auto first = std::make_unique<TRecordingHost>();
    auto second = std::make_unique<TRecordingHost>();
    EXPECT_EQ(&TControlHost::Current(), second.get());
    first.reset();  // out of order: the chain stays whole
    EXPECT_EQ(&TControlHost::Current(), second.get());
    second.reset();
    EXPECT_EQ(&TControlHost::Current(), &App());
}

TEST_F(ControlHostTest, AnEventsExceptionReachesTheCurrentHostAndTheLoopGoesOn)
{
    TForm* form = ShownForm();
    TRecordingHost host;
    form->OnClick = [](TObject*) { throw EInvalidOperation("no click today"); };
    Click(form, TPoint{50, 50});
    Click(form, TPoint{50, 50});
    EXPECT_EQ(host.seen, (std::vector<std::string>{"no click today", "no click today"}));
    EXPECT_EQ(host.senders.front(), form);
    EXPECT_TRUE(messageBoxes.empty()) << "the application's own display is not asked";
}

TEST_F(ControlHostTest, TheHostForgetsAControlThatGoes)
{
    TForm* form = ShownForm();
    auto* graphic = new TTestGraphic(form);
    graphic->SetParent(form);
    graphic->SetBounds(10, 10, 40, 40);
    MoveTo(graphic);
    TPointerState& pointer = App().Pointer();
    ASSERT_EQ(pointer.MouseControl(), graphic);
    graphic->SetMouseCapture(true);
    ASSERT_EQ(pointer.GraphicCapture(), graphic);
    delete graphic;
    EXPECT_EQ(pointer.MouseControl(), nullptr);
    EXPECT_EQ(pointer.GraphicCapture(), nullptr);
    EXPECT_EQ(GetCaptureControl(), form) << "the parent's window keeps the capture";
}

}  // namespace
}  // namespace uitest
