// Golden images of a skinned form with its title bar and menu bar in every built-in style.

#include "tests/skin/frame/FrameTestSupport.h"
#include "tests/support/GoldenImage.h"

namespace frametest {
namespace {

class SkinnedFormGoldenTest : public FrameTest, public ::testing::WithParamInterface<TsuiUIStyle> {};

TEST_P(SkinnedFormGoldenTest, FrameTitleBarAndMenuBarMatchTheGolden)
{
    SkinnedForm({GetParam(), bsSingle, true});
    auto* menu = new TMainMenu(form);
    for (const char* caption : {"&File", "&Edit", "&Help"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    skinned->SetMenu(menu);
    Pump();
    const std::string name = "frame/skinned_form_" + std::string(EnumInfoOf(GetParam()).NameOf(GetParam()));
    EXPECT_TRUE(MatchesGolden(Capture(), name));
}

INSTANTIATE_TEST_SUITE_P(Styles, SkinnedFormGoldenTest, ::testing::Values(MacOS, WinXP, DeepBlue, Protein, BlueGlass),
                         [](const auto& info) { return std::string(EnumInfoOf(info.param).NameOf(info.param)); });

}  // namespace
}  // namespace frametest
