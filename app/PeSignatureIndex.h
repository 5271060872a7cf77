#pragma once
// Which 64-byte lines of a scan window hold the start of a "PE" pair, one bit
// per line. A hostile file can hold an "MZ" every few bytes, each pointing
// somewhere else in the window: checking each target in the file's bytes
// costs a trip to main memory per "MZ", while the bits of 64 MiB take 128 KiB
// and stay in the cache. Only a target whose line holds a "PE" is checked in
// the bytes. The scan turns to the index only after many look-ups inside one
// window, and each 1 MiB block of it is built on its first use, so an
// ordinary file never pays for it.

#include "app/ScanSource.h"

#include <vector>

class PeSignatureIndex {
public:
    explicit PeSignatureIndex(const ScanWindow& w);

    // Counts a look-up inside the window by the "MZ" at window index from.
    // Where look-ups are thicker than a few per line scanned, building the
    // index costs less than the memory trips it saves, and it takes over.
    void NoteLookup(std::size_t from)
    {
        if (++m_lookups % kLookupsPerDecision == 0 && m_lookups > kLookupsPerLine * ((from - m_firstFrom) >> kLineShift))
            Activate();
        if (m_lookups == 1)
            m_firstFrom = from;
    }
    [[nodiscard]] bool Active() const { return !m_lines.empty(); }

    // Whether window index at, with at + 2 <= the window's size, holds "PE".
    bool IsPe(std::size_t at)
    {
        const std::size_t block = at >> kBlockShift;
        if (!m_built[block])
            Build(block);
        const std::size_t line = at >> kLineShift;
        return (m_lines[line >> 6] >> (line & 63)) & 1 && m_w.Data[at] == 'P' && m_w.Data[at + 1] == 'E';
    }

    // The bits of at, to prefetch; null while its block is not built.
    [[nodiscard]] const void* BitsOf(std::size_t at) const
    {
        return m_built[at >> kBlockShift] ? &m_lines[at >> (kLineShift + 6)] : nullptr;
    }

private:
    static constexpr std::size_t kLineShift = 6;                 // lines of 64 bytes
    static constexpr std::size_t kBlockShift = 20;               // blocks of 1 MiB
    static constexpr std::size_t kLookupsPerDecision = 4096;
    static constexpr std::size_t kLookupsPerLine = 4;
    static constexpr std::size_t kSmallestWindow = std::size_t{1} << kBlockShift;  // bytes

    void Activate();
    void Build(std::size_t block);

    const ScanWindow& m_w;
    std::size_t m_lookups = 0;
    std::size_t m_firstFrom = 0;  // where the first look-up was made
    std::vector<std::uint64_t> m_lines;  // empty until active
    std::vector<std::uint8_t> m_built;   // per block
};
