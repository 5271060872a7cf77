#include "app/FileHoles.h"

#include <cerrno>
#include <unistd.h>

FileHoles::FileHoles(int fd, std::uint64_t size)
    : m_fd(fd)
    , m_size(size)
{
}

FileHoles::Run FileHoles::RunAt(std::uint64_t pos)
{
    if (pos >= m_runStart && pos < m_run.End)
        return m_run;
    m_runStart = pos;
    const off_t data = lseek(m_fd, static_cast<off_t>(pos), SEEK_DATA);
    if (data < 0) {
        // ENXIO: no data from pos to the end. Anything else: the file system
        // does not tell, so everything is data.
        m_run = {errno == ENXIO, m_size};
    } else if (static_cast<std::uint64_t>(data) > pos) {
        m_run = {true, static_cast<std::uint64_t>(data)};
    } else {
        const off_t hole = lseek(m_fd, data, SEEK_HOLE);
        m_run = {false, hole < 0 ? m_size : static_cast<std::uint64_t>(hole)};
    }
    if (m_run.End <= pos)
        m_run.End = m_size > pos ? m_size : pos + 1;  // the file grew or shrank meanwhile
    return m_run;
}
