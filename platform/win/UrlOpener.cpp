#include "platform/win/UrlOpener.h"

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace win {

namespace {

// The shell starts the opener in the background and ends at once, so the
// opener is handed to init and our wait below is short. Arguments travel as
// positional parameters, never as shell text.
constexpr const char* kLauncherScript = "\"$0\" \"$1\" </dev/null >/dev/null 2>&1 &";

}  // namespace

void OpenUrlDetached(const std::string& url, const std::string& opener)
{
    if (url.empty() || url.front() == '-' || opener.empty()) return;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    if (posix_spawn_file_actions_init(&actions) != 0) return;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return;
    }
    for (int fd = 0; fd <= 2; ++fd)
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const char* argv[] = {"/bin/sh", "-c", kLauncherScript, opener.c_str(), url.c_str(), nullptr};
    pid_t shell = 0;
    const int failed = posix_spawn(&shell, "/bin/sh", &actions, &attributes, const_cast<char* const*>(argv), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return;
    int status = 0;
    while (waitpid(shell, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace win
