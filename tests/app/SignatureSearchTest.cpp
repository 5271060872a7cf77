// The "MZ" pair search: every position within and across its 64-byte steps.

#include "app/SignatureSearch.h"

#include <gtest/gtest.h>

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

} // namespace
