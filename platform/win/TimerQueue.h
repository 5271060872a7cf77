#pragma once
// Timers by (window, id). Due times are 32-bit tick counts that may wrap,
// so they are only ever compared by signed difference.

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace win {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapseMs = 0;  // ms
    std::uint32_t dueMs = 0;
    TIMERPROC proc = nullptr;
};

class TimerQueue {
public:
    static constexpr UINT kMinElapseMs = 10;  // ms; shorter intervals are raised to this, as classically

    // Sets or replaces a timer; returns its id (a fresh one for timers without a window).
    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc, std::uint32_t nowMs);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAllOf(HWND hwnd);

    // The timer due longest ago among those accepted, or nothing.
    [[nodiscard]] std::optional<Timer> FirstDue(std::uint32_t nowMs, const std::function<bool(const Timer&)>& accept) const;
    // Starts the next interval of a timer that fired.
    void Restart(HWND hwnd, UINT_PTR id, std::uint32_t nowMs);
    // How long until the next timer is due (0 when one is due), or nothing without timers.
    [[nodiscard]] std::optional<std::uint32_t> MsUntilNext(std::uint32_t nowMs) const;
    [[nodiscard]] std::optional<Timer> Find(HWND hwnd, UINT_PTR id) const;

private:
    [[nodiscard]] static std::int32_t Remaining(const Timer& t, std::uint32_t nowMs)
    {
        return std::int32_t(t.dueMs - nowMs);
    }
    std::vector<Timer>::iterator Locate(HWND hwnd, UINT_PTR id);

    std::vector<Timer> m_timers;
    UINT_PTR m_nextFreeId = 1;  // for timers without a window
};

}  // namespace win
