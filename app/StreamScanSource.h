#pragma once
// A scan source over input that can only be read front to back: a pipe, a
// character device, a socket. It cannot seek, so it keeps a sliding buffer of
// fixed size around the scan position: keepBehind bytes before it and reach
// bytes after it. A "PE" within that range of its "MZ" is found exactly as in
// a regular file; one further away is out of reach and never counts.

#include "app/ScanSource.h"

#include <vector>

class StreamScanSource final : public ScanSource {
public:
    // fd stays owned by the caller and is read from its current position on.
    StreamScanSource(int fd, std::size_t keepBehind, std::size_t reach);

    ScanWindow WindowAt(std::uint64_t pos, std::size_t minAhead) override;
    std::optional<BytePair> PairAt(std::uint64_t pos) override;
    [[nodiscard]] bool ReadFailed() const override { return m_failed; }

    // Bytes taken from the input so far; its length once the scan has ended.
    [[nodiscard]] std::uint64_t BytesRead() const { return m_bufferStart + m_filled; }

private:
    // Drops what lies before pos - keepBehind and fills the buffer up.
    void Refill(std::uint64_t pos);
    // Reads into the buffer's free space until it is full or the input ends.
    void Fill();

    int m_fd = -1;
    std::size_t m_keepBehind = 0;
    std::size_t m_reach = 0;
    std::vector<std::uint8_t> m_buffer;
    std::uint64_t m_bufferStart = 0;  // input position of m_buffer[0]
    std::size_t m_filled = 0;
    bool m_ended = false;
    bool m_failed = false;
    ScanWindow m_window;
};
