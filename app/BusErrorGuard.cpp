#include "app/BusErrorGuard.h"

#include <csetjmp>
#include <csignal>
#include <cstdint>

namespace {

struct Guarded {
    sigjmp_buf* Jump = nullptr;
    std::uintptr_t Begin = 0;
    std::uintptr_t End = 0;
};

thread_local Guarded* t_guarded = nullptr;

void OnBusError(int /*signal*/, siginfo_t* info, void* /*context*/)
{
    const Guarded* guarded = t_guarded;
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    if (guarded && address >= guarded->Begin && address < guarded->End)
        siglongjmp(*guarded->Jump, 1);
    // Not one of ours: the instruction runs again and ends the program as usual.
    std::signal(SIGBUS, SIG_DFL);
}

} // namespace

bool RunCatchingBusErrors(const void* begin, std::size_t size, void (*scan)(void*), void* context)
{
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &previous);

    sigjmp_buf jump;
    const auto from = reinterpret_cast<std::uintptr_t>(begin);
    Guarded guarded{&jump, from, from + size};
    Guarded* const outer = t_guarded;
    const bool completed = sigsetjmp(jump, 1) == 0;
    if (completed) {
        t_guarded = &guarded;
        scan(context);
    }
    t_guarded = outer;
    sigaction(SIGBUS, &previous, nullptr);
    return completed;
}
