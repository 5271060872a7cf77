#include "platform/win/TimerQueue.h"

#include <algorithm>

namespace win {

std::vector<Timer>::iterator TimerQueue::Locate(HWND hwnd, UINT_PTR id)
{
    return std::find_if(m_timers.begin(), m_timers.end(),
                        [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

UINT_PTR TimerQueue::Set(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc, std::uint32_t nowMs)
{
    if (!hwnd && (id == 0 || Locate(nullptr, id) == m_timers.end())) {
        while (Locate(nullptr, m_nextFreeId) != m_timers.end()) ++m_nextFreeId;
        id = m_nextFreeId++;
    }
    const UINT elapse = std::max(elapseMs, kMinElapseMs);
    const Timer timer{hwnd, id, elapse, nowMs + elapse, proc};
    if (auto it = Locate(hwnd, id); it != m_timers.end())
        *it = timer;
    else
        m_timers.push_back(timer);
    return id;
}

bool TimerQueue::Kill(HWND hwnd, UINT_PTR id)
{
    const auto it = Locate(hwnd, id);
    if (it == m_timers.end()) return false;
    m_timers.erase(it);
    return true;
}

void TimerQueue::KillAllOf(HWND hwnd)
{
    std::erase_if(m_timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<Timer> TimerQueue::FirstDue(std::uint32_t nowMs, const std::function<bool(const Timer&)>& accept) const
{
    const Timer* best = nullptr;
    for (const Timer& t : m_timers) {
        if (Remaining(t, nowMs) > 0 || !accept(t)) continue;
        if (!best || Remaining(t, nowMs) < Remaining(*best, nowMs)) best = &t;
    }
    if (!best) return std::nullopt;
    return *best;
}

void TimerQueue::Restart(HWND hwnd, UINT_PTR id, std::uint32_t nowMs)
{
    if (auto it = Locate(hwnd, id); it != m_timers.end()) it->dueMs = nowMs + it->elapseMs;
}

std::optional<std::uint32_t> TimerQueue::MsUntilNext(std::uint32_t nowMs) const
{
    std::optional<std::uint32_t> next;
    for (const Timer& t : m_timers) {
        const std::uint32_t wait = std::uint32_t(std::max<std::int32_t>(Remaining(t, nowMs), 0));
        if (!next || wait < *next) next = wait;
    }
    return next;
}

std::optional<Timer> TimerQueue::Find(HWND hwnd, UINT_PTR id) const
{
    for (const Timer& t : m_timers)
        if (t.hwnd == hwnd && t.id == id) return t;
    return std::nullopt;
}

}  // namespace win
