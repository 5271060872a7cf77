#pragma once
// Which 64-byte lines of a scan window hold the start of a "PE" pair, one bit
// per line. A hostile file can hold an "MZ" every few bytes, each pointing
// somewhere else in the window: checking each target in the file's bytes
// costs a trip to main memory per "MZ", while the bits of 64 MiB take 128 KiB
// and stay in the cache. Only a target whose line holds a "PE" is checked in
// the bytes. The scan turns to the index only where look-ups are thick (an
// ordinary file never pays for it), and then builds it in one pass over the
// window, which costs about what reading the window once costs.

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
    [[nodiscard]] bool IsPe(std::size_t at) const
    {
        const std::size_t line = at >> kLineShift;
        return (m_lines[line >> 6] >> (line & 63)) & 1 && m_w.Data[at] == 'P' && m_w.Data[at + 1] == 'E';
    }

private:
    static constexpr std::size_t kLineShift = 6;                 // lines of 64 bytes
    static constexpr std::size_t kLookupsPerDecision = 4096;
    static constexpr std::size_t kLookupsPerLine = 4;
    static constexpr std::size_t kSmallestWindow = 1 << 20;  // bytes

    void Activate();

    const ScanWindow& m_w;
    std::size_t m_lookups = 0;
    std::size_t m_firstFrom = 0;  // where the first look-up was made
    std::vector<std::uint64_t> m_lines;  // empty until active
};
