#include "app/MemoryScanSource.h"

MemoryScanSource::MemoryScanSource(std::span<const std::uint8_t> bytes)
    : m_bytes(bytes)
{
}

ScanWindow MemoryScanSource::WindowAt(std::uint64_t /*pos*/, std::size_t /*minAhead*/)
{
    return {m_bytes.data(), 0, m_bytes.size(), true, m_bytes.size()};
}

std::optional<BytePair> MemoryScanSource::PairAt(std::uint64_t pos)
{
    if (pos >= m_bytes.size() || m_bytes.size() - pos < 2)
        return std::nullopt;
    return BytePair{m_bytes[pos], m_bytes[pos + 1]};
}
