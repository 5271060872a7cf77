#pragma once
// The headless desktop's event queue and its virtual clock. Nothing here
// sleeps: waiting with a timeout on an empty queue moves the clock forward
// by the timeout instead, so timers can be tested and tests stay instant.

#include "platform/win/Backend.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace win {

class HeadlessEventQueue {
public:
    explicit HeadlessEventQueue(std::uint32_t startMs) : m_nowMs(startMs) {}

    [[nodiscard]] std::uint32_t NowMs() const { return m_nowMs; }
    // Wraps around like any 32-bit tick count.
    void AdvanceClock(std::uint32_t ms) { m_nowMs += ms; }

    // Queues an event stamped with the current virtual time.
    void Push(BackendEvent event);
    [[nodiscard]] std::size_t Pending() const { return m_events.size(); }

    // Every queued event, oldest first. With none queued: after a Wake, an
    // empty answer at once; else with a timeout the clock moves on by it and
    // the answer is empty; without a timeout the answer is empty at once.
    [[nodiscard]] std::vector<BackendEvent> Wait(std::optional<std::uint32_t> timeoutMs);
    void Wake() { m_wakePending = true; }

private:
    std::uint32_t m_nowMs = 0;  // ms
    std::deque<BackendEvent> m_events;
    bool m_wakePending = false;
};

}  // namespace win
