// Start-up's guard: whatever escapes start-up is shown once and the program
// still ends with 0.

#include "app/StartUp.h"
#include "platform/core/Exception.h"
#include "platform/ui/forms/Application.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class StartUpGuardTest : public testing::Test {
protected:
    StartUpGuardTest()
    {
        Application->SetMessageBoxHandler([this](const std::string& text, const std::string&, UINT) {
            shown.push_back(text);
            return IDOK;
        });
    }
    ~StartUpGuardTest() override { Application->SetMessageBoxHandler({}); }

    WindowSystem system{std::make_unique<win::HeadlessBackend>()};
    std::vector<std::string> shown;
};

TEST_F(StartUpGuardTest, AFrameworkExceptionIsShownWithItsMessage)
{
    EXPECT_EQ(RunGuarded([] { throw EReadError("Line 3: Class TNothing not found"); }), 0);
    EXPECT_EQ(shown, (std::vector<std::string>{"Line 3: Class TNothing not found."}));
}

TEST_F(StartUpGuardTest, AnyOtherExceptionIsShownAsAnEmptyFrameworkException)
{
    EXPECT_EQ(RunGuarded([] { throw std::runtime_error("low-level detail"); }), 0);
    EXPECT_EQ(RunGuarded([] { throw 42; }), 0);
    EXPECT_EQ(shown, (std::vector<std::string>{"", ""}));
}

TEST_F(StartUpGuardTest, AStartUpThatEndsNormallyShowsNothing)
{
    bool ran = false;
    EXPECT_EQ(RunGuarded([&] { ran = true; }), 0);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(shown.empty());
}

}  // namespace
