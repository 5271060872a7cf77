#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "a" + "é" (2 bytes) + "中" (3 bytes) + "😀" (4 bytes)
const std::string kMixed = "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";

}  // namespace

TEST(Utf8, DecodesEachSequenceLength)
{
    EXPECT_EQ(Utf8::DecodeAll(kMixed), (std::u32string{U'a', 0xE9, 0x4E2D, 0x1F600}));
    EXPECT_EQ(Utf8::DecodeAll("\xE4\xB8" "a"), (std::u32string{Utf8::kReplacement, Utf8::kReplacement, U'a'}));
    const auto cp = Utf8::DecodeNext(kMixed, 6);
    EXPECT_EQ(cp.Value, 0x1F600u);
    EXPECT_EQ(cp.Size, 4u);
    EXPECT_TRUE(cp.Valid);
}

TEST(Utf8, DecodingAtOrPastTheEndTakesNothing)
{
    EXPECT_EQ(Utf8::DecodeNext(kMixed, kMixed.size()).Size, 0u);
    EXPECT_EQ(Utf8::DecodeNext(kMixed, 100).Size, 0u);
    EXPECT_EQ(Utf8::DecodeNext("", 0).Size, 0u);
}

struct InvalidCase {
    const char* name;
    std::string bytes;
    std::size_t codePoints;  // each invalid byte counts as one
};

class Utf8Invalid : public testing::TestWithParam<InvalidCase> {};

TEST_P(Utf8Invalid, DecodesAsReplacementOneByteAtATime)
{
    const InvalidCase& c = GetParam();
    const auto first = Utf8::DecodeNext(c.bytes, 0);
    EXPECT_FALSE(first.Valid);
    EXPECT_EQ(first.Value, Utf8::kReplacement);
    EXPECT_EQ(first.Size, 1u);
    EXPECT_FALSE(Utf8::IsValid(c.bytes));
    EXPECT_EQ(Utf8::Length(c.bytes), c.codePoints);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Invalid,
    testing::Values(InvalidCase{"LoneContinuation", "\x80", 1}, InvalidCase{"OverlongSlash", "\xC0\xAF", 2},
                    InvalidCase{"OverlongC1", "\xC1\xBF", 2}, InvalidCase{"OverlongThreeByte", "\xE0\x80\xAF", 3},
                    InvalidCase{"OverlongFourByte", "\xF0\x8F\xBF\xBF", 4}, InvalidCase{"Surrogate", "\xED\xA0\x80", 3},
                    InvalidCase{"AboveMaximum", "\xF4\x90\x80\x80", 4}, InvalidCase{"LeadF5", "\xF5\x80\x80\x80", 4},
                    InvalidCase{"ByteFF", "\xFF", 1}, InvalidCase{"TruncatedAtEnd", "\xE4\xB8", 2},
                    InvalidCase{"InterruptedByAscii", "\xE4\xB8" "a", 3}),
    [](const testing::TestParamInfo<InvalidCase>& info) { return info.param.name; });

TEST(Utf8, EncodesEveryLengthAndReplacesImpossibleValues)
{
    EXPECT_EQ(Utf8::Encode(U'a'), "a");
    EXPECT_EQ(Utf8::Encode(0xE9), "\xC3\xA9");
    EXPECT_EQ(Utf8::Encode(0x4E2D), "\xE4\xB8\xAD");
    EXPECT_EQ(Utf8::Encode(0x1F600), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8::Encode(0x10FFFF), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(Utf8::Encode(0xD800), Utf8::Encode(Utf8::kReplacement));
    EXPECT_EQ(Utf8::Encode(0x110000), Utf8::Encode(Utf8::kReplacement));
}

TEST(Utf8, CountsAndIndexesCodePoints)
{
    EXPECT_EQ(Utf8::Length(kMixed), 4u);
    EXPECT_EQ(Utf8::Length(""), 0u);
    EXPECT_EQ(Utf8::OffsetOf(kMixed, 0), 0u);
    EXPECT_EQ(Utf8::OffsetOf(kMixed, 1), 1u);
    EXPECT_EQ(Utf8::OffsetOf(kMixed, 2), 3u);
    EXPECT_EQ(Utf8::OffsetOf(kMixed, 3), 6u);
    EXPECT_EQ(Utf8::OffsetOf(kMixed, 4), kMixed.size());
    EXPECT_EQ(Utf8::OffsetOf(kMixed, 99), kMixed.size());
}

TEST(Utf8, BoundariesNeverSplitACharacter)
{
    // Boundaries of kMixed: 0 1 3 6 10.
    const std::vector<std::size_t> next{1, 3, 3, 6, 6, 6, 10, 10, 10, 10, 10};
    const std::vector<std::size_t> prev{0, 0, 1, 1, 3, 3, 3, 6, 6, 6, 6};
    const std::vector<std::size_t> start{0, 1, 1, 3, 3, 3, 6, 6, 6, 6, 10};
    for (std::size_t offset = 0; offset <= kMixed.size(); ++offset) {
        EXPECT_EQ(Utf8::NextBoundary(kMixed, offset), next[offset]) << offset;
        EXPECT_EQ(Utf8::PrevBoundary(kMixed, offset), prev[offset]) << offset;
        EXPECT_EQ(Utf8::StartOfChar(kMixed, offset), start[offset]) << offset;
    }
    EXPECT_EQ(Utf8::NextBoundary(kMixed, 50), kMixed.size());
    EXPECT_EQ(Utf8::PrevBoundary(kMixed, 50), 6u);
}

TEST(Utf8, BoundariesStepOverInvalidBytesOneAtATime)
{
    // A stray continuation byte after a complete character, then a truncated
    // sequence: each invalid byte is a character of its own.
    const std::string text = "\xC3\xA9\xA9\xE4\xB8";
    std::vector<std::size_t> forward{0};
    while (forward.back() < text.size()) forward.push_back(Utf8::NextBoundary(text, forward.back()));
    EXPECT_EQ(forward, (std::vector<std::size_t>{0, 2, 3, 4, 5}));
    std::vector<std::size_t> backward{text.size()};
    while (backward.back() > 0) backward.push_back(Utf8::PrevBoundary(text, backward.back()));
    EXPECT_EQ(backward, (std::vector<std::size_t>{5, 4, 3, 2, 0}));
}

TEST(Utf8, TruncateKeepsWholeCodePoints)
{
    EXPECT_EQ(Utf8::Truncate(kMixed, 0), "");
    EXPECT_EQ(Utf8::Truncate(kMixed, 3), "a\xC3\xA9\xE4\xB8\xAD");
    EXPECT_EQ(Utf8::Truncate(kMixed, 10), kMixed);
}

TEST(Utf8, SanitizeReplacesOnlyInvalidBytes)
{
    EXPECT_TRUE(Utf8::IsValid(kMixed));
    EXPECT_EQ(Utf8::Sanitize(kMixed), kMixed);
    const std::string replacement = Utf8::Encode(Utf8::kReplacement);
    EXPECT_EQ(Utf8::Sanitize("a\xFF" "b\xE4\xB8"), "a" + replacement + "b" + replacement + replacement);
    EXPECT_TRUE(Utf8::IsValid(Utf8::Sanitize("\xC0\xAF\xED\xA0\x80")));
    // An encoded U+FFFD is valid text, not an error.
    EXPECT_TRUE(Utf8::IsValid(replacement));
}
