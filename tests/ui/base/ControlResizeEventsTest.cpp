// OnCanResize and OnConstrainedResize: asked on every size change in
// SetBounds, never for a move alone; refusing keeps the size but not the
// place; the limits a handler sets hold together with Constraints.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/base/SizeConstraints.h"

namespace uitest {
namespace {

struct ResizeCase {
    const char* Name;
    TRect Asked;
    TRect Expected;
};

class ControlResizeEventsTest : public UiTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(ControlResizeEventsTest, HandlersShapeTheNewBounds)
{
    TForm* form = ShownForm();
    auto* panel = new TTestButton(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 50);
    panel->Constraints()->SetMaxHeight(80);
    std::vector<std::string> asked;
    panel->OnCanResize = [&](TObject*, int& width, int& height, bool& resize) {
        asked.push_back(std::to_string(width) + "x" + std::to_string(height));
        if (width == 999) resize = false;
        if (width % 2 == 1) ++width;  // even widths only
    };
    panel->OnConstrainedResize = [](TObject*, int& minWidth, int&, int& maxWidth, int&) {
        minWidth = 40;
        maxWidth = 300;
    };
    panel->SetBoundsRect(GetParam().Asked);
    Pump();
    EXPECT_EQ(panel->BoundsRect(), GetParam().Expected);
    const bool sized = GetParam().Asked.Width() != 100 || GetParam().Asked.Height() != 50;
    EXPECT_EQ(asked.size(), sized ? 1u : 0u) << "a move alone asks nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlResizeEventsTest,
    ::testing::Values(ResizeCase{"Allowed", TRect::FromSize(10, 10, 120, 60), TRect::FromSize(10, 10, 120, 60)},
                      ResizeCase{"Changed", TRect::FromSize(10, 10, 121, 60), TRect::FromSize(10, 10, 122, 60)},
                      ResizeCase{"Refused", TRect::FromSize(20, 30, 999, 60), TRect::FromSize(20, 30, 100, 50)},
                      ResizeCase{"MoveOnly", TRect::FromSize(5, 6, 100, 50), TRect::FromSize(5, 6, 100, 50)},
                      ResizeCase{"HandlerMinimum", TRect::FromSize(10, 10, 10, 60), TRect::FromSize(10, 10, 40, 60)},
                      ResizeCase{"HandlerMaximum", TRect::FromSize(10, 10, 500, 60), TRect::FromSize(10, 10, 300, 60)},
                      ResizeCase{"Constraints", TRect::FromSize(10, 10, 100, 90), TRect::FromSize(10, 10, 100, 80)}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace uitest
