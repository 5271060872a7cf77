#include "app/PeSignatureIndex.h"

#include "app/SignatureSearch.h"

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
    for (std::size_t at = 0; at < m_w.Size; at += std::size_t{1} << kLineShift) {
        const std::size_t line = at >> kLineShift;
        if (SignatureMaskPE(m_w.Data, at, m_w.Size) != 0)
            m_lines[line >> 6] |= std::uint64_t{1} << (line & 63);
    }
}
