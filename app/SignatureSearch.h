#pragma once
// Finding "MZ" pairs in memory, a block at a time.

#include <cstddef>
#include <cstdint>

// The index of the first 'M' in data[from, size) directly followed by a 'Z'
// (both within size), or size when there is none.
std::size_t FindSignatureMZ(const std::uint8_t* data, std::size_t from, std::size_t size);
