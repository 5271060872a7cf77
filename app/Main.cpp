// qzviewer: the analyser's entry. With arguments it runs the command line;
// without, and for a screenshot, it becomes qzviewer-window from its own
// folder, which opens the main window.

#include "app/CommandLine.h"

#include <climits>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kWindowProgram = "qzviewer-window";

// The window program beside this one; empty when the system does not say
// where this one is.
std::string WindowProgramPath()
{
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    const std::string path(self, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1) + kWindowProgram;
}

int BecomeWindowProgram(char** argv)
{
    const std::string program = WindowProgramPath();
    // The desktop knows the windows by the program's name, not the helper's.
    setenv("SDL_VIDEO_X11_WMCLASS", "qzviewer", 0);
    if (!program.empty())
        execv(program.c_str(), argv);
    std::cerr << "qzviewer: 找不到窗口程序 " << kWindowProgram << "（应在 qzviewer 所在的文件夹里）\n";
    return static_cast<int>(ExitCode::Usage);
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
    switch (command.Mode) {
    case CommandMode::Window:
    case CommandMode::Screenshot: return BecomeWindowProgram(argv);
    default: return RunCommandLine(command, std::cout, std::cerr);
    }
}
