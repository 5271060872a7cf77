#include "app/MappedFileSource.h"

#include <algorithm>
#include <cerrno>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t kZoneSteps = 4;  // the zone spans this many steps

std::uint64_t PageSize()
{
    const long page = sysconf(_SC_PAGESIZE);
    return page > 0 ? static_cast<std::uint64_t>(page) : 4096;
}

} // namespace

MappedFileSource::MappedFileSource(int fd, std::uint64_t size, std::size_t zone)
    : m_fd(fd)
    , m_size(size)
    , m_holes(fd, size)
{
    const std::uint64_t page = PageSize();
    m_step = std::max<std::uint64_t>(page, (zone / kZoneSteps + page - 1) / page * page);
    if (size == 0 || size > SIZE_MAX)
        return;
    void* map = mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED)
        return;
    m_map = static_cast<const std::uint8_t*>(map);
    // Where the page cache holds the file in large pages, map them whole: a
    // scan whose look-ups jump all over the file then misses the address
    // cache (TLB) far less often, and takes far fewer page faults.
    madvise(map, static_cast<std::size_t>(size), MADV_HUGEPAGE);
    m_zoneEnd = std::min(size, kZoneSteps * m_step);
}

MappedFileSource::~MappedFileSource()
{
    if (m_map)
        munmap(const_cast<std::uint8_t*>(m_map), static_cast<std::size_t>(m_size));
}

void MappedFileSource::MoveZone(std::uint64_t pos)
{
    if (m_size <= kZoneSteps * m_step)
        return;  // the whole file fits
    const std::uint64_t step = pos / m_step;
    const std::uint64_t start = step == 0 ? 0 : (step - 1) * m_step;
    if (start == m_zoneStart)
        return;
    // Everything before the new zone, also pages mapped around a fault there.
    madvise(const_cast<std::uint8_t*>(m_map), static_cast<std::size_t>(start), MADV_DONTNEED);
    m_zoneStart = start;
    m_zoneEnd = std::min(m_size, start + kZoneSteps * m_step);
}

ScanWindow MappedFileSource::WindowAt(std::uint64_t pos, std::size_t minAhead)
{
    const std::uint64_t end = m_window.Start + m_window.Size;
    if (m_window.Data && pos >= m_window.Start && pos <= end && (end - pos >= minAhead || m_window.ReachesEnd))
        return m_window;
    m_window.Limit = m_size;
    if (pos >= m_size) {
        m_window = {nullptr, pos, 0, true, m_size};
        return m_window;
    }
    MoveZone(pos);
    const FileHoles::Run run = m_holes.RunAt(pos);
    if (run.Hole) {
        const std::uint64_t holeEnd = std::min(run.End, m_size);
        m_window = {nullptr, pos, static_cast<std::size_t>(holeEnd - pos), holeEnd >= m_size, m_size};
        return m_window;
    }
    // The window stops at the run's end, so that the scan never reads a hole
    // through the mapping, but holds the header span from pos.
    const std::uint64_t windowEnd = std::max(std::min(run.End, m_zoneEnd), std::min(pos + minAhead, m_zoneEnd));
    m_window = {m_map + m_zoneStart, m_zoneStart, static_cast<std::size_t>(windowEnd - m_zoneStart), windowEnd >= m_size, m_size};
    return m_window;
}

std::optional<BytePair> MappedFileSource::PairAt(std::uint64_t pos)
{
    if (pos >= m_size || m_size - pos < 2)
        return std::nullopt;
    if (pos >= m_zoneStart && pos + 2 <= m_zoneEnd)
        return BytePair{m_map[pos], m_map[pos + 1]};
    return ReadPair(pos);
}

std::optional<BytePair> MappedFileSource::ReadPair(std::uint64_t pos)
{
    BytePair pair{};
    for (;;) {
        const ssize_t n = pread(m_fd, pair.data(), pair.size(), static_cast<off_t>(pos));
        if (n < 0 && errno == EINTR)
            continue;
        m_failed = m_failed || n < 0;
        if (n != static_cast<ssize_t>(pair.size()))
            return std::nullopt;  // a short read: the file was cut meanwhile
        return pair;
    }
}
