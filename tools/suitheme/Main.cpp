// suitheme: packs a theme folder into a theme file, unpacks a theme file
// into a folder, and lists what a theme file holds.
//
//   suitheme pack DIR OUT.sui
//   suitheme unpack FILE.sui DIR
//   suitheme list FILE.sui
//
// Exit codes: 0 done, 1 the input was refused (the message says why), 2 bad
// command line.

#include "platform/core/Exception.h"
#include "tools/themefile/ThemeFileFolder.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int Usage()
{
    std::fputs("usage: suitheme pack DIR OUT.sui\n"
               "       suitheme unpack FILE.sui DIR\n"
               "       suitheme list FILE.sui\n",
               stderr);
    return kExitUsage;
}

void PrintWarnings(const TThemeFolderResult& result)
{
    for (const std::string& warning : result.Warnings) std::fprintf(stderr, "suitheme: warning: %s\n", warning.c_str());
}

int Run(const std::vector<std::string_view>& args)
{
    const std::string_view command = args.empty() ? std::string_view() : args[0];
    if (command == "pack" && args.size() == 3) {
        PrintWarnings(PackThemeFolder(std::string(args[1]), std::string(args[2])));
    } else if (command == "unpack" && args.size() == 3) {
        PrintWarnings(UnpackThemeFile(std::string(args[1]), std::string(args[2])));
    } else if (command == "list" && args.size() == 2) {
        for (const std::string& line : ListThemeFile(std::string(args[1]))) std::printf("%s\n", line.c_str());
    } else {
        return Usage();
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(std::vector<std::string_view>(argv + 1, argv + argc));
    } catch (const Exception& e) {
        std::fprintf(stderr, "suitheme: %s\n", e.Message.c_str());
        return kExitFailed;
    }
}
