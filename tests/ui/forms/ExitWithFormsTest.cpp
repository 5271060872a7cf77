// exit() called from inside the running program (a library's fatal error
// handler, for one) destroys the application and its forms in the static
// destructors while the window system, a local of the interrupted frame,
// still stands: the forms must be able to let go of their windows then.

#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/Form.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int kExitCode = 3;

[[noreturn]] void ExitWithShownForms(bool modalChild)
{
    WindowSystem system(std::make_unique<win::HeadlessBackend>());
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->Show();
    if (modalChild) {
        // A dialog owned by the main form, as a modal loop leaves it.
        TForm* dialog = nullptr;
        Application->CreateForm(dialog);
        SetWindowLongPtr(dialog->Handle(), GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(main->Handle()));
        dialog->Show();
        EnableWindow(main->Handle(), false);
    }
    std::exit(kExitCode);
}

class ExitWithFormsDeathTest : public ::testing::TestWithParam<bool> {};

TEST_P(ExitWithFormsDeathTest, EndsWithTheExitCodeInsteadOfACrash)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ExitWithShownForms(GetParam()), ::testing::ExitedWithCode(kExitCode), "");
}

INSTANTIATE_TEST_SUITE_P(Forms, ExitWithFormsDeathTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithOwnedDialog" : "MainFormOnly"; });

}  // namespace
