#include "app/PeSignatureIndex.h"

#include "app/SignatureSearch.h"

#include <algorithm>

PeSignatureIndex::PeSignatureIndex(const ScanWindow& w)
    : m_w(w)
{
}

void PeSignatureIndex::Activate()
{
    if (m_w.Size < kSmallestWindow)
        return;  // a small window stays in the cache anyway
    const std::size_t lines = (m_w.Size >> kLineShift) + 1;
    m_lines.assign((lines + 63) / 64, 0);
    m_built.assign((m_w.Size >> kBlockShift) + 1, 0);
}

void PeSignatureIndex::Build(std::size_t block)
{
    const std::size_t from = block << kBlockShift;
    const std::size_t to = std::min(from + (std::size_t{1} << kBlockShift), m_w.Size);
    for (std::size_t at = from; at < to; at += std::size_t{1} << kLineShift) {
        const std::size_t line = at >> kLineShift;
        if (SignatureMaskPE(m_w.Data, at, m_w.Size) != 0)
            m_lines[line >> 6] |= std::uint64_t{1} << (line & 63);
    }
    m_built[block] = 1;
}
