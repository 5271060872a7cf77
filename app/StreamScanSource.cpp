#include "app/StreamScanSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

// The buffer holds keepBehind + 2 * reach bytes: after a refill the scan can
// move on by reach bytes before it needs the next one, so each byte is moved
// about once.
StreamScanSource::StreamScanSource(int fd, std::size_t keepBehind, std::size_t reach)
    : m_fd(fd)
    , m_keepBehind(keepBehind)
    , m_reach(std::max(reach, kHeaderSpan))
    , m_buffer(m_keepBehind + 2 * m_reach)
{
    // After a refill at pos the buffer starts no later than pos - keepBehind and
    // ends at least reach bytes after the window: the bytes of every offset in
    // this range from an "MZ" in the window are in it.
    m_window.Data = m_buffer.data();
    m_window.LowestOffset = -static_cast<std::int64_t>(m_keepBehind);
    m_window.HighestOffset = static_cast<std::int64_t>(m_reach) - 2;
}

ScanWindow StreamScanSource::WindowAt(std::uint64_t pos, std::size_t minAhead)
{
    const std::uint64_t end = m_window.Start + m_window.Size;
    if (pos >= m_window.Start && pos <= end && (end - pos >= minAhead || m_window.ReachesEnd))
        return m_window;
    Refill(pos);
    const std::uint64_t filledEnd = m_bufferStart + m_filled;
    m_window.Data = m_buffer.data();
    m_window.Start = m_bufferStart;
    // The window stops reach bytes short of the buffer's end, so the bytes a
    // header in it may point to are still in the buffer.
    m_window.Size = m_ended ? m_filled : m_filled - m_reach;
    m_window.ReachesEnd = m_ended;
    m_window.Limit = m_ended ? filledEnd : kNoLimit;
    if (pos > filledEnd) {
        m_window.Start = pos;  // the input ended before pos
        m_window.Size = 0;
    }
    return m_window;
}

std::optional<BytePair> StreamScanSource::PairAt(std::uint64_t pos)
{
    if (pos < m_bufferStart || pos - m_bufferStart + 2 > m_filled)
        return std::nullopt;
    const std::size_t at = pos - m_bufferStart;
    return BytePair{m_buffer[at], m_buffer[at + 1]};
}

void StreamScanSource::Refill(std::uint64_t pos)
{
    const std::uint64_t keepFrom = pos > m_keepBehind ? pos - m_keepBehind : 0;
    // Skip input up to keepFrom; the scan never needs it again.
    while (m_bufferStart + m_filled < keepFrom && !m_ended) {
        m_bufferStart += m_filled;
        m_filled = 0;
        Fill();
    }
    const std::uint64_t drop = std::min<std::uint64_t>(keepFrom - std::min(keepFrom, m_bufferStart), m_filled);
    if (drop > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + drop, m_filled - drop);
        m_bufferStart += drop;
        m_filled -= drop;
    }
    Fill();
}

void StreamScanSource::Fill()
{
    while (m_filled < m_buffer.size() && !m_ended) {
        const ssize_t n = read(m_fd, m_buffer.data() + m_filled, m_buffer.size() - m_filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_ended = true;
            m_failed = n < 0;  // also a read that would have to wait
        } else {
            m_filled += static_cast<std::size_t>(n);
        }
    }
}
