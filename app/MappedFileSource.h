#pragma once
// A scan source over a regular file mapped into memory: the scan and its
// look-ups read the page cache directly, without a system call per look-up.
// Memory stays bounded whatever the file's size: only a zone of the file
// around the scan position is read through the mapping (the whole file when
// it is no larger than the zone); the pages behind the zone are given back as
// the scan moves on, and look-ups outside the zone read the file (pread).
// Holes of a sparse file are skipped unread.

#include "app/FileHoles.h"
#include "app/ScanSource.h"

class MappedFileSource final : public ScanSource {
public:
    // fd stays owned by the caller; size is the file's size when opened.
    // zone: bytes read through the mapping at a time.
    MappedFileSource(int fd, std::uint64_t size, std::size_t zone);
    MappedFileSource(const MappedFileSource&) = delete;
    MappedFileSource& operator=(const MappedFileSource&) = delete;
    ~MappedFileSource() override;

    // Whether the file could be mapped; some file systems and devices cannot.
    [[nodiscard]] bool Mapped() const { return m_map != nullptr; }
    [[nodiscard]] const std::uint8_t* Bytes() const { return m_map; }
    [[nodiscard]] std::uint64_t Size() const { return m_size; }

    ScanWindow WindowAt(std::uint64_t pos, std::size_t minAhead) override;
    std::optional<BytePair> PairAt(std::uint64_t pos) override;
    [[nodiscard]] bool ReadFailed() const override { return m_failed; }

private:
    // Moves the zone so that it holds pos with a quarter of it behind; gives
    // back the pages before it.
    void MoveZone(std::uint64_t pos);
    std::optional<BytePair> ReadPair(std::uint64_t pos);

    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::uint64_t m_step = 0;  // the zone moves by this much, a quarter of it
    const std::uint8_t* m_map = nullptr;
    std::uint64_t m_zoneStart = 0;
    std::uint64_t m_zoneEnd = 0;
    bool m_failed = false;
    FileHoles m_holes;
    ScanWindow m_window;
};
