// The desktop's URL opener runs detached and gets the address verbatim.

#include "platform/win/UrlOpener.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace win {
namespace {

namespace fs = std::filesystem;

class SdlUrlOpenerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("qz-opener-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_opener = (m_dir / "opener").string();
        m_output = (m_dir / "opened").string();
        // A stand-in opener: records its arguments and whether it has a terminal.
        std::ofstream script(m_opener);
        script << "#!/bin/sh\n"
               << "{ printf '%s\\n' \"$#\" \"$1\"; if [ -t 0 ]; then echo tty; else echo notty; fi; } > '"
               << m_output << ".tmp'\nmv '" << m_output << ".tmp' '" << m_output << "'\n";
        script.close();
        fs::permissions(m_opener, fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // What the opener wrote, once it has run.
    std::string WaitForOutput()
    {
        for (int i = 0; i < 300 && !fs::exists(m_output); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(m_output);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path m_dir;
    std::string m_opener;
    std::string m_output;
};

TEST_F(SdlUrlOpenerTest, PassesTheAddressVerbatimAndLeavesNoChild)
{
    const std::string url = "https://example.invalid/a b?x=1&y=$(touch /tmp/qz-pwned)'\"`;";
    OpenUrlDetached(url, m_opener);
    EXPECT_EQ(WaitForOutput(), "1\n" + url + "\nnotty\n");
    EXPECT_FALSE(fs::exists("/tmp/qz-pwned"));
    // The launcher was reaped and the opener belongs to init: no child of ours is left.
    int status = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(SdlUrlOpenerTest, IgnoresAddressesThatLookLikeOptions)
{
    OpenUrlDetached("--help", m_opener);
    OpenUrlDetached("", m_opener);
    OpenUrlDetached("https://example.invalid/ok", m_opener);
    // Only the last call ran the opener.
    EXPECT_EQ(WaitForOutput(), "1\nhttps://example.invalid/ok\nnotty\n");
}

TEST_F(SdlUrlOpenerTest, MissingOpenerIsNotAnError)
{
    OpenUrlDetached("https://example.invalid/", (m_dir / "no-such-opener").string());
    int status = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
}

}  // namespace
}  // namespace win
