// The "MZ" pair search: every position within and across its 64-byte steps.

#include "app/SignatureSearch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

TEST(SignatureSearch, FindsAPairAtEveryPosition)
{
    for (std::size_t size = 2; size <= 200; ++size) {
        for (std::size_t at = 0; at + 1 < size; ++at) {
            std::vector<std::uint8_t> data(size, 'M');  // lone 'M's everywhere, one 'Z'
            data[at + 1] = 'Z';
            ASSERT_EQ(FindSignatureMZ(data.data(), 0, size), at) << size;
            ASSERT_EQ(FindSignatureMZ(data.data(), at, size), at) << size;
            ASSERT_EQ(FindSignatureMZ(data.data(), at + 1, size), size) << size;
        }
    }
}

TEST(SignatureSearch, APairMustEndWithinTheSize)
{
    const std::uint8_t data[] = {'x', 'M', 'Z'};
    EXPECT_EQ(FindSignatureMZ(data, 0, 2), 2u);
    EXPECT_EQ(FindSignatureMZ(data, 0, 3), 1u);
    EXPECT_EQ(FindSignatureMZ(data, 0, 0), 0u);
    EXPECT_EQ(FindSignatureMZ(data, 5, 3), 3u);
}

TEST(SignatureSearch, OtherLettersAndCasesAreNoPair)
{
    std::vector<std::uint8_t> data(300);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = "ZMmzMzmZM\xCD\xDA"[i % 11];
    EXPECT_EQ(FindSignatureMZ(data.data(), 0, data.size()), data.size());
}

TEST(SignatureSearch, MasksMatchAByteByByteLook)
{
    std::mt19937 rng(7);
    std::vector<std::uint8_t> data(300);
    for (int round = 0; round < 200; ++round) {
        for (auto& b : data)
            b = "MZPE\x00\xFF\x80\x7F"[rng() % 8];
        const std::size_t size = 2 + rng() % (data.size() - 2);
        const std::size_t at = rng() % size;
        std::uint64_t mz = 0;
        std::uint64_t pe = 0;
        for (std::size_t k = 0; k < 64 && at + k + 1 < size; ++k) {
            mz |= std::uint64_t{data[at + k] == 'M' && data[at + k + 1] == 'Z'} << k;
            pe |= std::uint64_t{data[at + k] == 'P' && data[at + k + 1] == 'E'} << k;
        }
        ASSERT_EQ(SignatureMaskMZ(data.data(), at, size), mz) << round;
        ASSERT_EQ(SignatureMaskPE(data.data(), at, size), pe) << round;
    }
}

// Every position's field against thresholds around it, including the ends
// of the 32-bit range.
TEST(SignatureSearch, OffsetFieldsOutsideTestsEachPositionsField)
{
    std::mt19937 rng(11);
    std::vector<std::uint8_t> data(kOffsetFieldsSpan + 5);
    for (int round = 0; round < 500; ++round) {
        for (auto& b : data)
            b = static_cast<std::uint8_t>(rng() % 4 == 0 ? 0x80 : rng());
        const std::size_t at = rng() % 5;
        const std::int32_t edges[] = {INT32_MIN, -1, 0, 1, INT32_MAX, static_cast<std::int32_t>(rng())};
        std::int32_t below = edges[rng() % 6];
        std::int32_t above = edges[rng() % 6];
        std::uint64_t expected = 0;
        for (std::size_t k = 0; k < 64; ++k) {
            std::int32_t field = 0;
            std::memcpy(&field, &data[at + k + 0x3C], 4);
            expected |= std::uint64_t{field < below || field > above} << k;
        }
        ASSERT_EQ(OffsetFieldsOutside(data.data(), at, below, above), expected) << round;
    }
}

} // namespace
