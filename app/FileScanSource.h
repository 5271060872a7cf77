#pragma once
// A scan source over a file that can be read at any position (pread): a
// regular file or a block device. It reads one block at a time into a buffer
// of fixed size, so memory stays the same whatever the file's size, and
// answers look-ups outside the block with a small read of their own. Holes
// of a sparse file are skipped unread.

#include "app/FileHoles.h"
#include "app/ScanSource.h"

#include <vector>

class FileScanSource final : public ScanSource {
public:
    // fd stays owned by the caller. size is the file's size when opened; a
    // file found shorter while reading ends where the data ends.
    FileScanSource(int fd, std::uint64_t size, std::size_t blockSize);

    ScanWindow WindowAt(std::uint64_t pos, std::size_t minAhead) override;
    std::optional<BytePair> PairAt(std::uint64_t pos) override;
    [[nodiscard]] bool ReadFailed() const override { return m_failed; }

private:
    static constexpr std::size_t kLookupSize = 4096;  // bytes read for a look-up outside the block

    // Reads up to size bytes at pos; fewer only at the end of the data or on
    // a read error, after which the file is taken to end there.
    std::size_t ReadAt(std::uint64_t pos, std::uint8_t* into, std::size_t size);

    int m_fd = -1;
    std::uint64_t m_limit = 0;
    bool m_failed = false;
    FileHoles m_holes;
    std::vector<std::uint8_t> m_block;
    ScanWindow m_window;
    std::vector<std::uint8_t> m_lookup;
    std::uint64_t m_lookupStart = 0;
    std::size_t m_lookupSize = 0;
};
