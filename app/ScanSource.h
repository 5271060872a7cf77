#pragma once
// Where the header scan gets its bytes from: a file read in blocks, a pipe kept
// in a sliding buffer, or memory. The scanner searches the current window and
// asks the source for the few bytes it needs elsewhere.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// Bytes from an "MZ" through the end of its offset field (0x3C..0x3F).
inline constexpr std::size_t kHeaderSpan = 64;       // bytes
inline constexpr std::size_t kOffsetFieldAt = 0x3C;  // bytes after the 'M'
inline constexpr std::uint64_t kNoLimit = UINT64_MAX;

using BytePair = std::array<std::uint8_t, 2>;

// Bytes [Start, Start + Size) of the input, held by the source. A window
// without Data stands for zeros (a hole of a sparse file): no "MZ" is there.
struct ScanWindow {
    const std::uint8_t* Data = nullptr;
    std::uint64_t Start = 0;
    std::size_t Size = 0;
    bool ReachesEnd = false;    // no byte follows the window
    std::uint64_t Limit = kNoLimit;  // no byte lies at or past this position
    // The offsets the source can follow from an "MZ" in the window: a header
    // whose offset lies outside does not count.
    std::int64_t LowestOffset = INT32_MIN;
    std::int64_t HighestOffset = INT32_MAX;
};

class ScanSource {
public:
    virtual ~ScanSource() = default;

    // A window holding pos and at least minAhead bytes from it on, or every
    // byte from it to the end. pos never decreases from one call to the next,
    // and minAhead never exceeds kHeaderSpan. The window stays valid until the
    // next call of either member.
    virtual ScanWindow WindowAt(std::uint64_t pos, std::size_t minAhead) = 0;

    // The two bytes at pos, or nothing when they are not both there (past the
    // end, or out of the source's reach).
    virtual std::optional<BytePair> PairAt(std::uint64_t pos) = 0;

    // Whether a read failed: the input then ended early and the count is void.
    [[nodiscard]] virtual bool ReadFailed() const { return false; }
};
