#pragma once
// A scan source over bytes already in memory: one window holding everything.

#include "app/ScanSource.h"

#include <span>

class MemoryScanSource final : public ScanSource {
public:
    explicit MemoryScanSource(std::span<const std::uint8_t> bytes);

    ScanWindow WindowAt(std::uint64_t pos, std::size_t minAhead) override;
    std::optional<BytePair> PairAt(std::uint64_t pos) override;

private:
    std::span<const std::uint8_t> m_bytes;
};
