// The suitheme program's exit codes and output: 0 done, 1 input refused, 2
// bad command line.

#include "tests/skin/core/ThemeFileTestSupport.h"

#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

using namespace themetest;

#ifdef QZ_SUITHEME
constexpr const char* kTool = QZ_SUITHEME;
#else
constexpr const char* kTool = nullptr;
#endif

struct Outcome {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

class ThemeFileToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!kTool) GTEST_SKIP() << "the build did not say where suitheme is";
    }
    [[nodiscard]] Outcome Run(const std::string& args) const
    {
        const int status = std::system((std::string(kTool) + " " + args + " >" + dir.File("out") + " 2>" + dir.File("err")).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TempDir::Read(dir.File("out")), TempDir::Read(dir.File("err"))};
    }

    TempDir dir;
};

TEST_F(ThemeFileToolTest, ExitCodesAndOutput)
{
    for (const char* args : {"", "pack onlyone", "list a b", "frobnicate a b"}) {
        const Outcome usage = Run(args);
        EXPECT_EQ(usage.Exit, 2) << args;
        EXPECT_EQ(usage.Err.substr(0, 33), "usage: suitheme pack DIR OUT.sui\n") << args;
    }
    WriteFile(dir.File("values.txt"), "FormMinWidthInt=130\n");
    const Outcome pack = Run("pack " + dir.File("") + " " + dir.File("t.sui"));
    EXPECT_EQ(pack.Exit, 0);
    EXPECT_NE(pack.Err.find("suitheme: warning: ButtonImage.bmp is missing\n"), std::string::npos);
    const Outcome list = Run("list " + dir.File("t.sui"));
    EXPECT_EQ(list.Exit, 0);
    EXPECT_NE(list.Out.find("\nFormMinWidthInt\tinteger\t130\n"), std::string::npos);

    const Outcome unpack = Run("unpack " + dir.File("t.sui") + " " + dir.File(""));
    EXPECT_EQ(unpack.Exit, 1);
    EXPECT_EQ(unpack.Err, "suitheme: \"" + dir.File("values.txt") + "\" already exists\n");
    EXPECT_EQ(Run("list " + dir.File("none.sui")).Err.substr(0, 27), "suitheme: Cannot open file ");
}

}  // namespace
