#include "app/SignatureSearch.h"

#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::size_t kChunk = 64;  // bytes tested per step

// GCC and Clang vector extensions: one source that compiles to SSE2, AVX2 or
// the target's own vectors. A comparison gives 0xFF in each matching byte.
using Bytes32 = std::uint8_t __attribute__((vector_size(32)));
using Words32 = std::uint64_t __attribute__((vector_size(32)));

// The first matching byte's index within a word of comparison lanes.
inline std::size_t FirstLane(std::uint64_t word)
{
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<std::size_t>(std::countr_zero(word)) / 8;
    else
        return static_cast<std::size_t>(std::countl_zero(word)) / 8;
}

// The index of the first 'M' in p[0..63] followed by a 'Z', or kChunk (reads
// p[0..64]). Vectors stay local: passing them between functions would tie
// the code to one instruction set's calling convention.
inline std::size_t FirstPairInChunk(const std::uint8_t* p)
{
    Bytes32 loHere;
    Bytes32 loNext;
    Bytes32 hiHere;
    Bytes32 hiNext;
    std::memcpy(&loHere, p, sizeof loHere);
    std::memcpy(&loNext, p + 1, sizeof loNext);
    std::memcpy(&hiHere, p + 32, sizeof hiHere);
    std::memcpy(&hiNext, p + 33, sizeof hiNext);
    const auto lo = reinterpret_cast<Words32>((loHere == 'M') & (loNext == 'Z'));
    const auto hi = reinterpret_cast<Words32>((hiHere == 'M') & (hiNext == 'Z'));
    const Words32 any = lo | hi;
    if ((any[0] | any[1] | any[2] | any[3]) == 0)
        return kChunk;
    for (std::size_t k = 0; k < 4; ++k) {
        if (lo[k] != 0)
            return k * 8 + FirstLane(lo[k]);
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (hi[k] != 0)
            return 32 + k * 8 + FirstLane(hi[k]);
    }
    return kChunk;
}

// Built twice, the AVX2 build is picked on processors that have it; the
// default one is SSE2.
#if defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
std::size_t FindPair(const std::uint8_t* data, std::size_t from, std::size_t size)
{
    if (size < 2 || from >= size - 1)
        return size;
    std::size_t i = from;
    for (; i + kChunk + 1 <= size; i += kChunk) {
        const std::size_t at = FirstPairInChunk(data + i);
        if (at < kChunk)
            return i + at;
    }
    for (; i + 1 < size; ++i) {
        if (data[i] == 'M' && data[i + 1] == 'Z')
            return i;
    }
    return size;
}

} // namespace

// Clang emits the processor dispatch only where the function is called, so
// the public function calls the built-twice one in this file.
std::size_t FindSignatureMZ(const std::uint8_t* data, std::size_t from, std::size_t size)
{
    return FindPair(data, from, size);
}

namespace {

// Bit k set for a byte first at at + k followed by second, both within size.
inline std::uint64_t PairMask(const std::uint8_t* data, std::size_t at, std::size_t size, std::uint8_t first, std::uint8_t second)
{
    std::uint64_t mask = 0;
#if defined(__SSE2__)
    if (at + kChunk + 1 <= size) {
        const __m128i a = _mm_set1_epi8(static_cast<char>(first));
        const __m128i b = _mm_set1_epi8(static_cast<char>(second));
        for (std::size_t k = 0; k < kChunk; k += 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + k));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + k + 1));
            const __m128i pairs = _mm_and_si128(_mm_cmpeq_epi8(here, a), _mm_cmpeq_epi8(next, b));
            mask |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(pairs))) << k;
        }
        return mask;
    }
#endif
    for (std::size_t k = 0; k < kChunk && at + k + 1 < size; ++k) {
        if (data[at + k] == first && data[at + k + 1] == second)
            mask |= std::uint64_t{1} << k;
    }
    return mask;
}

} // namespace

std::uint64_t SignatureMaskMZ(const std::uint8_t* data, std::size_t at, std::size_t size)
{
    return PairMask(data, at, size, 'M', 'Z');
}

std::uint64_t SignatureMaskPE(const std::uint8_t* data, std::size_t at, std::size_t size)
{
    return PairMask(data, at, size, 'P', 'E');
}

std::uint64_t OffsetFieldsOutside(const std::uint8_t* data, std::size_t at, std::int32_t below, std::int32_t above)
{
    const std::uint8_t* fields = data + at + 0x3C;
    std::uint64_t outside = 0;
#if defined(__SSE2__)
    if constexpr (std::endian::native == std::endian::little) {
        const __m128i low = _mm_set1_epi32(below);
        const __m128i high = _mm_set1_epi32(above);
        for (std::size_t group = 0; group < kChunk; group += 16) {
            // Load r holds the fields of positions group + r + 4 * lane.
            __m128i out[4];
            for (std::size_t r = 0; r < 4; ++r) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(fields + group + r));
                out[r] = _mm_or_si128(_mm_cmpgt_epi32(v, high), _mm_cmpgt_epi32(low, v));
            }
            const __m128i bytes = _mm_packs_epi16(_mm_packs_epi32(out[0], out[1]), _mm_packs_epi32(out[2], out[3]));
            // Bit 4 * r + lane; the position is r + 4 * lane: transpose the 4 x 4 bits.
            std::uint32_t x = static_cast<std::uint32_t>(_mm_movemask_epi8(bytes));
            std::uint32_t t = (x ^ (x >> 3)) & 0x0A0A;
            x ^= t ^ (t << 3);
            t = (x ^ (x >> 6)) & 0x00CC;
            x ^= t ^ (t << 6);
            outside |= static_cast<std::uint64_t>(x & 0xFFFF) << group;
        }
        return outside;
    }
#endif
    for (std::size_t k = 0; k < kChunk; ++k) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | fields[k + static_cast<std::size_t>(i)];
        const auto field = static_cast<std::int32_t>(v);
        if (field < below || field > above)
            outside |= std::uint64_t{1} << k;
    }
    return outside;
}
