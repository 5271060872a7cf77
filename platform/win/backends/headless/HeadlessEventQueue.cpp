#include "platform/win/backends/headless/HeadlessEventQueue.h"

namespace win {

void HeadlessEventQueue::Push(BackendEvent event)
{
    event.timeMs = m_nowMs;
    m_events.push_back(std::move(event));
}

std::vector<BackendEvent> HeadlessEventQueue::Wait(std::optional<std::uint32_t> timeoutMs)
{
    const bool woken = m_wakePending;
    m_wakePending = false;
    if (m_events.empty()) {
        if (timeoutMs && !woken) AdvanceClock(*timeoutMs);
        return {};
    }
    std::vector<BackendEvent> out(std::make_move_iterator(m_events.begin()), std::make_move_iterator(m_events.end()));
    m_events.clear();
    return out;
}

}  // namespace win
