// qzviewer: the analyser's start-up. With arguments it runs the command line;
// without, it opens the main window.

#include "app/CommandLine.h"

#include <iostream>

namespace {

// FIXME: open the main window here once the window system is in the build.
int OpenMainWindow()
{
    std::cerr << "qzviewer: 此版本没有图形窗口，请使用 --report 分析文件。\n" << UsageText();
    return static_cast<int>(ExitCode::Usage);
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
    if (command.Mode == CommandMode::Window)
        return OpenMainWindow();
    return RunCommandLine(command, std::cout, std::cerr);
}
