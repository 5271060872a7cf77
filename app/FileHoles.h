#pragma once
// Where a sparse file's holes are. Holes read as zeros and hold no header, so
// the scan skips them instead of reading (or mapping, which would fill the
// page cache with zeros) gigabytes of nothing.

#include <cstdint>

class FileHoles {
public:
    // The hole or data run that holds a position, and where it ends.
    struct Run {
        bool Hole = false;
        std::uint64_t End = 0;
    };

    // fd stays owned by the caller; size is the file's size when opened.
    FileHoles(int fd, std::uint64_t size);

    // Asks the file system once per run; a file system that cannot tell gives
    // one data run over the whole file.
    Run RunAt(std::uint64_t pos);

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::uint64_t m_runStart = 0;
    Run m_run;  // the run last asked for: [m_runStart, m_run.End)
};
