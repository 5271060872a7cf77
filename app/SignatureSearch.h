#pragma once
// Finding "MZ" pairs in memory, a block at a time.

#include <cstddef>
#include <cstdint>

// The index of the first 'M' in data[from, size) directly followed by a 'Z'
// (both within size), or size when there is none.
std::size_t FindSignatureMZ(const std::uint8_t* data, std::size_t from, std::size_t size);

// The "MZ" pairs among the 64 positions from at on, one bit each (bit k for
// an 'M' at at + k whose 'Z' follows within size). A scan walks the pairs of
// a run like "MZMZMZ..." from one mask instead of searching after each.
std::uint64_t SignatureMaskMZ(const std::uint8_t* data, std::size_t at, std::size_t size);

// The same for "PE" pairs.
std::uint64_t SignatureMaskPE(const std::uint8_t* data, std::size_t at, std::size_t size);

// Bytes an offset-field test reads from at on: the fields of all 64 positions.
inline constexpr std::size_t kOffsetFieldsSpan = 64 + 0x3C + 3;

// For the 64 positions from at on, the bit of each whose 32-bit little-endian
// offset field (at position + 0x3C) is below `below` or above `above`. Reads
// data[at, at + kOffsetFieldsSpan). Settles a dense run of "MZ" pairs whose
// offsets all lead out of the input at once instead of one by one.
std::uint64_t OffsetFieldsOutside(const std::uint8_t* data, std::size_t at, std::int32_t below, std::int32_t above);
