// A control's visual state from what it knows: disabled wins over all,
// pressed over hot; each state picks its own frame of a strip.

#include "skin/core/VisualState.h"

#include <gtest/gtest.h>

namespace {

struct StateCase {
    TVisualInput In;
    TVisualState Expected;
};

class VisualStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(VisualStateTest, PicksTheStateAndItsFrame)
{
    constexpr TStateFrames kFrames{1, 2, 3, 4};  // Normal, Hot, Pressed, Disabled
    const TVisualState state = VisualStateOf(GetParam().In);
    EXPECT_EQ(state, GetParam().Expected);
    EXPECT_EQ(FrameOf(kFrames, state), int(GetParam().Expected) + 1);
}

INSTANTIATE_TEST_SUITE_P(AllInputs, VisualStateTest,
                         testing::Values(StateCase{{true, false, false}, TVisualState::Normal},
                                         StateCase{{true, false, true}, TVisualState::Hot},
                                         StateCase{{true, true, false}, TVisualState::Pressed},
                                         StateCase{{true, true, true}, TVisualState::Pressed},
                                         StateCase{{false, false, false}, TVisualState::Disabled},
                                         StateCase{{false, false, true}, TVisualState::Disabled},
                                         StateCase{{false, true, false}, TVisualState::Disabled},
                                         StateCase{{false, true, true}, TVisualState::Disabled}));

}  // namespace
