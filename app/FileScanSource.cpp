#include "app/FileScanSource.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

FileScanSource::FileScanSource(int fd, std::uint64_t size, std::size_t blockSize)
    : m_fd(fd)
    , m_limit(size)
    , m_holes(fd, size)
    , m_block(std::max(blockSize, kHeaderSpan))
    , m_lookup(kLookupSize)
{
}

ScanWindow FileScanSource::WindowAt(std::uint64_t pos, std::size_t minAhead)
{
    const std::uint64_t end = m_window.Start + m_window.Size;
    if (m_window.Data && pos >= m_window.Start && pos <= end && (end - pos >= minAhead || m_window.ReachesEnd))
        return m_window;
    m_window.Start = pos;
    m_window.Limit = m_limit;
    if (pos < m_limit) {
        const FileHoles::Run run = m_holes.RunAt(pos);
        if (run.Hole) {
            m_window.Data = nullptr;
            m_window.Size = static_cast<std::size_t>(std::min(run.End, m_limit) - pos);
            m_window.ReachesEnd = pos + m_window.Size >= m_limit;
            return m_window;
        }
    }
    std::size_t got = 0;
    if (pos < m_limit) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(m_block.size(), m_limit - pos));
        got = ReadAt(pos, m_block.data(), want);
    }
    m_window.Data = m_block.data();
    m_window.Size = got;
    m_window.ReachesEnd = pos + got >= m_limit;
    m_window.Limit = m_limit;
    return m_window;
}

std::optional<BytePair> FileScanSource::PairAt(std::uint64_t pos)
{
    if (pos >= m_limit || m_limit - pos < 2)
        return std::nullopt;
    if (pos < m_lookupStart || pos - m_lookupStart + 2 > m_lookupSize) {
        m_lookupStart = pos;
        m_lookupSize = ReadAt(pos, m_lookup.data(), static_cast<std::size_t>(std::min<std::uint64_t>(kLookupSize, m_limit - pos)));
        if (m_lookupSize < 2)
            return std::nullopt;
    }
    const std::size_t at = pos - m_lookupStart;
    return BytePair{m_lookup[at], m_lookup[at + 1]};
}

std::size_t FileScanSource::ReadAt(std::uint64_t pos, std::uint8_t* into, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = pread(m_fd, into + done, size - done, static_cast<off_t>(pos + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_failed = m_failed || n < 0;
            m_limit = pos + done;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}
