// Choosing the display backend by name.

#include "platform/core/Exception.h"
#include "platform/win/BackendFactory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace win {
namespace {

// Sets or removes an environment variable for one test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(HeadlessFactoryTest, MakesTheHeadlessBackendByName)
{
    EXPECT_EQ(CreateBackend("headless")->DriverName(), "headless");
}

TEST(HeadlessFactoryTest, RefusesUnknownNames)
{
    EXPECT_THROW((void)CreateBackend("wayland"), EInvalidOperation);
    EXPECT_THROW((void)CreateBackend(""), EInvalidOperation);
    EXPECT_THROW((void)CreateBackend("Headless"), EInvalidOperation);
}

TEST(HeadlessFactoryTest, AutoWithoutADisplayFailsWithAClearMessage)
{
    const ScopedEnv noX("DISPLAY", nullptr);
    const ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    try {
        (void)CreateBackend("auto");
        FAIL() << "auto made a backend without a display";
    } catch (const EInvalidOperation& e) {
        EXPECT_NE(e.Message.find("DISPLAY"), std::string::npos);
        EXPECT_NE(e.Message.find("headless"), std::string::npos);
    }
}

TEST(HeadlessFactoryTest, SdlWithoutADisplayFailsInsteadOfFallingBack)
{
    const ScopedEnv noX("DISPLAY", nullptr);
    const ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    const ScopedEnv offscreen("SDL_VIDEODRIVER", "offscreen");
    EXPECT_THROW((void)CreateBackend("sdl"), EOutOfResources);
}

}  // namespace
}  // namespace win
