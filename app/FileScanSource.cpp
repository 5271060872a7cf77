#include "app/FileScanSource.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

FileScanSource::FileScanSource(int fd, std::uint64_t size, std::size_t blockSize)
    : m_fd(fd)
    , m_limit(size)
    , m_block(std::max(blockSize, kHeaderSpan))
    , m_lookup(kLookupSize)
{
    m_window.Data = m_block.data();
}

ScanWindow FileScanSource::WindowAt(std::uint64_t pos, std::size_t minAhead)
{
    const std::uint64_t end = m_window.Start + m_window.Size;
    if (pos >= m_window.Start && pos <= end && (end - pos >= minAhead || m_window.ReachesEnd))
        return m_window;
    std::size_t got = 0;
    if (pos < m_limit) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(m_block.size(), m_limit - pos));
        if (want == m_block.size() && InHole(pos, want)) {
            std::fill(m_block.begin(), m_block.end(), 0);
            got = want;
        } else {
            got = ReadAt(pos, m_block.data(), want);
        }
    }
    m_window.Start = pos;
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

bool FileScanSource::InHole(std::uint64_t pos, std::size_t size)
{
    if (pos < m_dataEnd)
        return false;
    if (pos + size <= m_holeEnd)
        return true;
    const off_t data = lseek(m_fd, static_cast<off_t>(pos), SEEK_DATA);
    if (data < 0) {
        if (errno != ENXIO) {
            m_dataEnd = kNoLimit;  // the file system does not tell: read everything
            return false;
        }
        m_holeEnd = m_limit;  // no data from pos to the end
        return true;
    }
    m_holeEnd = static_cast<std::uint64_t>(data);
    if (m_holeEnd - pos >= size)
        return true;
    const off_t hole = lseek(m_fd, data, SEEK_HOLE);
    m_dataEnd = hole < 0 ? kNoLimit : static_cast<std::uint64_t>(hole);
    return false;
}

std::size_t FileScanSource::ReadAt(std::uint64_t pos, std::uint8_t* into, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = pread(m_fd, into + done, size - done, static_cast<off_t>(pos + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_limit = pos + done;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}
