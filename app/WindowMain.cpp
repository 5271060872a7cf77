// qzviewer-window: the analyser's window and its screenshot. qzviewer hands
// over to it with the same arguments; any other command line runs here too.

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "platform/core/Exception.h"
#include "platform/win/BackendFactory.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kNoDisplayHelp =
    "没有可用的图形显示，无法打开主窗口。\n"
    "可以改用：\n"
    "  qzviewer --report 文件...        在终端里分析文件\n"
    "  qzviewer --screenshot 图片.png   不用显示器，把主窗口画成图片\n";

// QZ_BACKEND picks the display backend ("sdl", "headless"); "auto" by default.
const char* BackendName()
{
    const char* name = std::getenv("QZ_BACKEND");
    return name && *name ? name : "auto";
}

int OpenMainWindow()
{
    std::unique_ptr<win::Backend> backend;
    try {
        backend = win::CreateBackend(BackendName());
    } catch (const Exception& e) {
        std::cerr << "qzviewer: " << e.Message << '\n' << kNoDisplayHelp;
        return static_cast<int>(ExitCode::Usage);
    }
    return RunMainWindow(std::move(backend));
}

int SaveScreenshot(const std::vector<std::string>& files)
{
    try {
        SaveMainWindowScreenshot(files[0], files.size() > 1 ? files[1] : std::string());
        return 0;
    } catch (const Exception& e) {
        std::cerr << "qzviewer: " << e.Message << '\n';
        return static_cast<int>(ExitCode::CheckFailed);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
    switch (command.Mode) {
    case CommandMode::Window: return OpenMainWindow();
    case CommandMode::Screenshot: return SaveScreenshot(command.Files);
    default: return RunCommandLine(command, std::cout, std::cerr);
    }
}
