// Random inputs thick with 'M', 'Z', 'P' and 'E' and with planted headers:
// every fast route must count exactly what the literal reference counts.

#include "app/HeaderScan.h"
#include "app/MemoryScanSource.h"
#include "tests/app/CountRoutes.h"
#include "tests/app/LiteralHeaderCount.h"
#include "tests/app/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <random>

namespace {

constexpr std::int32_t kNear = 200;  // bytes

class RandomInput {
public:
    explicit RandomInput(std::uint64_t seed) : m_rng(seed) {}

    std::size_t Size()
    {
        const int kind = Pick(10);
        if (kind < 1)
            return Pick(130);
        if (kind < 5)
            return Pick(4096);
        if (kind < 9)
            return Pick(70 * 1024);
        return Pick(400 * 1024);
    }

    ByteVector Bytes(std::size_t size)
    {
        static constexpr std::uint8_t kAlphabet[] = {'M', 'M', 'Z', 'Z', 'P', 'E', 0, 0xFF};
        Crafted input(size);
        ByteVector noise(size);
        for (auto& b : noise)
            b = Pick(4) == 0 ? static_cast<std::uint8_t>(Pick(256)) : kAlphabet[Pick(sizeof kAlphabet)];
        std::string_view text(reinterpret_cast<const char*>(noise.data()), noise.size());
        input.Put(0, text);
        const std::size_t headers = size / 64 + Pick(4);
        for (std::size_t i = 0; i < headers && size > 0; ++i) {
            const std::size_t mz = Pick(size);
            const std::int64_t offset = Offset(mz, size);
            input.Header(mz, static_cast<std::int32_t>(offset));
            const std::int64_t pe = static_cast<std::int64_t>(mz) + offset;
            if (Pick(10) < 7 && pe >= 0 && pe < static_cast<std::int64_t>(size))
                input.Pe(static_cast<std::size_t>(pe));
        }
        return input.Bytes();
    }

private:
    std::size_t Pick(std::size_t below) { return std::uniform_int_distribution<std::size_t>(0, below - 1)(m_rng); }

    std::int64_t Offset(std::size_t mz, std::size_t size)
    {
        static constexpr std::int64_t kSpecial[] = {0, 1, 2, -1, -2, 60, 64, INT32_MIN, INT32_MAX};
        const auto m = static_cast<std::int64_t>(mz);
        const auto n = static_cast<std::int64_t>(size);
        switch (Pick(5)) {
        case 0: return kSpecial[Pick(std::size(kSpecial))];
        case 1:
        case 2: return static_cast<std::int64_t>(Pick(2 * kNear + 1)) - kNear;
        case 3: return static_cast<std::int64_t>(Pick(size + 1)) - m;  // anywhere, up to the end
        default: return n - m - static_cast<std::int64_t>(Pick(4));     // at or near the end
        }
    }

    std::mt19937_64 m_rng;
};

class HeaderScanDifferential : public testing::TestWithParam<int> {};

// A dozen files per seed: file scans with blocks of many sizes, the stream
// scan and the in-memory scan against the literal reference.
TEST_P(HeaderScanDifferential, EveryRouteMatchesTheLiteralScan)
{
    RandomInput random(0x5EED0000 + GetParam());
    const ScratchDir dir;
    for (int file = 0; file < 12; ++file) {
        const ByteVector bytes = random.Bytes(random.Size());
        const std::string path = dir.Write("random.bin", bytes);
        const std::uint64_t expected = LiteralCountExeHeaders(path.c_str());
        for (const RouteCount& route : CountByEveryRoute(path))
            ASSERT_EQ(route.Count, expected) << route.Route << ", file " << file << " of " << bytes.size() << " bytes";
    }
}

// Stream buffers of a few hundred bytes move many times per file. The stream
// scan follows the offsets its buffer spans and must count exactly what the
// literal scan following the same offsets counts.
TEST_P(HeaderScanDifferential, SmallStreamBuffersMatchTheLiteralScanWithTheSameReach)
{
    RandomInput random(0x57EA0000 + GetParam());
    const ScratchDir dir;
    ScanLimits limits;
    limits.StreamKeepBehind = kNear + 2;
    limits.StreamReach = kNear + 2;
    for (int file = 0; file < 12; ++file) {
        const ByteVector bytes = random.Bytes(random.Size());
        const std::string path = dir.Write("random.bin", bytes);
        const OffsetRange reach{-kNear - 2, kNear};
        ASSERT_EQ(CountAsStream(path, limits), LiteralCountExeHeaders(path.c_str(), reach))
            << "file " << file << " of " << bytes.size() << " bytes";
    }
}

// Every "MZ" whose offset field leads to "PE", wherever the classic scan goes.
std::uint64_t EveryHeader(const ByteVector& bytes)
{
    std::uint64_t count = 0;
    const auto n = static_cast<std::int64_t>(bytes.size());
    for (std::int64_t m = 0; m + 64 <= n; ++m) {
        if (bytes[m] != 'M' || bytes[m + 1] != 'Z')
            continue;
        std::int32_t offset = 0;
        std::memcpy(&offset, &bytes[m + 0x3C], 4);
        const std::int64_t pe = m + offset;
        count += pe >= 0 && pe + 2 <= n && bytes[pe] == 'P' && bytes[pe + 1] == 'E' ? 1 : 0;
    }
    return count;
}

// The thorough scan keeps the classic count and finds every header besides;
// the headers it lists are those it counts, in file order.
TEST_P(HeaderScanDifferential, TheThoroughScanFindsEveryHeader)
{
    RandomInput random(0x7402000 + GetParam());
    for (int file = 0; file < 12; ++file) {
        const ByteVector bytes = random.Bytes(random.Size());
        MemoryScanSource classic(bytes);
        MemoryScanSource thorough(bytes);
        struct Listed final : HeaderSink {
            std::vector<FoundHeader> Headers;
            void Found(const FoundHeader& h) override { Headers.push_back(h); }
        } listed;
        const HeaderTally tally = ScanHeaders(thorough, ScanDepth::Thorough, &listed);
        ASSERT_EQ(tally.Classic, CountHeaders(classic)) << "file " << file;
        ASSERT_EQ(tally.Classic + tally.Hidden, EveryHeader(bytes)) << "file " << file;
        ASSERT_EQ(listed.Headers.size(), tally.Classic + tally.Hidden);
        for (std::size_t i = 0; i < listed.Headers.size(); ++i) {
            const FoundHeader& h = listed.Headers[i];
            ASSERT_TRUE(i == 0 || listed.Headers[i - 1].Mz < h.Mz);
            ASSERT_TRUE(bytes[h.Mz] == 'M' && bytes[h.Pe] == 'P' && bytes[h.Pe + 1] == 'E');
        }
    }
}

// The classic count over bytes in memory, byte by byte.
std::uint64_t ClassicInMemory(const ByteVector& bytes)
{
    std::uint64_t count = 0;
    const auto n = static_cast<std::int64_t>(bytes.size());
    for (std::int64_t m = 0; m + 1 < n;) {
        std::int32_t offset = 0;
        if (bytes[m] == 'M' && bytes[m + 1] == 'Z' && m + 64 <= n)
            std::memcpy(&offset, &bytes[m + 0x3C], 4);
        const std::int64_t pe = m + offset;
        if (offset != 0 && pe >= 0 && pe + 2 <= n && bytes[pe] == 'P' && bytes[pe + 1] == 'E') {
            ++count;
            m = std::max(pe + 2, m + 2);
        } else {
            ++m;
        }
    }
    return count;
}

// Megabytes of "MZ" every four bytes whose offsets point all over the input,
// some to planted "PE" pairs: thick enough that the scan turns to its index of
// "PE" lines, in every depth.
TEST_P(HeaderScanDifferential, ThickLookupsOverMegabytesMatchTheClassicScan)
{
    constexpr std::size_t kSize = 3 << 20;  // bytes
    std::mt19937_64 rng(0x7111C0 + GetParam());
    ByteVector bytes(kSize);
    for (std::size_t at = 0; at + 4 <= kSize; at += 4) {
        bytes[at] = 'M';
        bytes[at + 1] = 'Z';
        bytes[at + 2] = static_cast<std::uint8_t>(rng() % 0x30);  // the offset field's third byte: up to 3 MiB away
    }
    for (int i = 0; i < 400; ++i) {
        const std::size_t at = rng() % (kSize - 2);
        bytes[at] = 'P';
        bytes[at + 1] = 'E';
    }
    for (std::size_t at = 0; at + 64 <= kSize; at += 4096 + rng() % 64) {
        const auto pe = static_cast<std::int64_t>(rng() % kSize);
        const auto offset = static_cast<std::int32_t>(pe - static_cast<std::int64_t>(at));
        std::memcpy(&bytes[at + 0x3C], &offset, 4);  // this "MZ" points at a planted or a random spot
        if (rng() % 2 == 0 && pe + 2 <= static_cast<std::int64_t>(kSize)) {
            bytes[pe] = 'P';
            bytes[pe + 1] = 'E';
        }
    }
    MemoryScanSource memory(bytes);
    MemoryScanSource thorough(bytes);
    const std::uint64_t expected = ClassicInMemory(bytes);
    ASSERT_GT(expected, 0u);
    EXPECT_EQ(CountHeaders(memory), expected);
    const HeaderTally tally = ScanHeaders(thorough, ScanDepth::Thorough, nullptr);
    EXPECT_EQ(tally.Classic, expected);
    EXPECT_EQ(tally.Classic + tally.Hidden, EveryHeader(bytes));
}

INSTANTIATE_TEST_SUITE_P(Seeds, HeaderScanDifferential, testing::Range(0, 12));

} // namespace
