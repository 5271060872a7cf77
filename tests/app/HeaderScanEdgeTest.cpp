// Hand-made inputs for the header count, each checked against its known
// answer, the literal reference, and every fast route.

#include "app/HeaderScan.h"
#include "tests/app/CountRoutes.h"
#include "tests/app/LiteralHeaderCount.h"
#include "tests/app/TestFiles.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct EdgeCase {
    std::string Name;
    ByteVector Bytes;
    std::uint64_t Expected = 0;
};

ByteVector PlainExe()
{
    return Crafted(0x200).Header(0, 0x80).Pe(0x80).Put(0x82, std::string_view("\0\0", 2)).Bytes();
}

ByteVector Text(std::size_t size)
{
    const std::string_view words = "plain text without signatures, Mz mZ pe Pe. ";
    ByteVector bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(words[i % words.size()]);
    return bytes;
}

// A header with a negative offset at 70000 and a second "MZ" right after its
// "Z". Their offset fields overlap by two bytes: FF FF ends the first
// (-60000, to 10000) and starts the second (-65537, to 4465). The second is
// only seen when the scan goes on right after the first one's "Z".
ByteVector NegativeThenMzAfterTheZ()
{
    return Crafted(80000).Pe(4465).Pe(10000).Header(70000, -60000).Put(70002, "MZ").Put(70064, "\xFE\xFF").Bytes();
}

std::vector<EdgeCase> EdgeCases()
{
    constexpr std::size_t kFar = 300 * 1024;  // bytes: well past the default block
    return {
        {"EmptyFile", {}, 0},
        {"SingleM", {'M'}, 0},
        {"NoSignature", Text(5000), 0},
        {"PlainExe", PlainExe(), 1},
        {"ExeWithItsCopyAppended", Joined(PlainExe(), PlainExe()), 2},
        {"LowerCaseMz", Crafted(0x100).Put(0, "mz").Put(0x3C, "\x80").Pe(0x80).Bytes(), 0},
        {"LowerCaseZ", Crafted(0x100).Put(0, "Mz").Put(0x3C, "\x80").Pe(0x80).Bytes(), 0},
        {"LowerCasePe", Crafted(0x100).Header(0, 0x80).Put(0x80, "pe").Bytes(), 0},
        {"HalfLowerCasePe", Crafted(0x100).Header(0, 0x80).Put(0x80, "Pe").Bytes(), 0},
        {"OffsetFieldMissing", Crafted(60).Header(0, 2).Pe(2).Bytes(), 0},
        {"OffsetFieldStraddlesEnd", Crafted(63).Header(0, 2).Pe(2).Bytes(), 0},
        {"OffsetFieldEndsTheFile", Crafted(64).Header(0, 2).Pe(2).Bytes(), 1},
        {"MzInLast63BytesAfterAHeader", Crafted(0x100).Header(0, 0x80).Pe(0x80).Header(0x100 - 63, 2).Pe(0x100 - 61).Bytes(), 1},
        {"OffsetPastEnd", Crafted(0x100).Header(0, 0x1000).Bytes(), 0},
        {"OffsetMaximum", Crafted(0x100).Header(0, INT32_MAX).Bytes(), 0},
        {"PeCutByTheEnd", Crafted(0x100).Header(0, 0xFF).Put(0xFF, "P").Bytes(), 0},
        {"PeExactlyAtTheEnd", Crafted(0x102).Header(0, 0x100).Pe(0x100).Bytes(), 1},
        {"OffsetZeroLeadsBackToTheMz", Crafted(0x100).Header(0, 0).Bytes(), 0},
        {"OffsetOneLeadsToTheZ", Crafted(0x100).Header(0, 1).Bytes(), 0},
        {"PeInsideItsOwnHeader", Crafted(0x100).Header(0, 2).Pe(2).Bytes(), 1},
        {"LastByteM", Crafted(0x100).Header(0, 0x80).Pe(0x80).Put(0xFF, "M").Bytes(), 1},
        {"HeaderAtTheSecondMOfMMZ", Crafted(0x100).Put(0x10, "M").Header(0x11, 0x80).Pe(0x91).Bytes(), 1},
        {"OffsetOfTheFirstMIsIgnoredInMMZ", Crafted(0x100).Put(0x10, "M").Header(0x11, 0x80).Pe(0x90).Bytes(), 0},
        {"MzRunWithoutHeaders", [] {
             ByteVector v(4000);
             for (std::size_t i = 0; i < v.size(); ++i)
                 v[i] = i % 2 == 0 ? 'M' : 'Z';
             return v;
         }(), 0},
        {"HeaderInsideAnMzRun", [] {
             ByteVector v(4000);
             for (std::size_t i = 0; i < v.size(); ++i)
                 v[i] = i % 2 == 0 ? 'M' : 'Z';
             Crafted run(v.size());
             run.Put(0, std::string_view(reinterpret_cast<const char*>(v.data()), v.size()));
             return run.Header(1000, 0x800).Pe(1000 + 0x800).Bytes();
         }(), 1},
        {"MzInsideAMatchedStretchIsSkipped", Crafted(0x200).Header(0, 0x100).Pe(0x100).Header(0x40, 0x20).Pe(0x60).Bytes(), 1},
        {"MzRightAfterThePeIsSeen", Crafted(0x200).Header(0, 0x100).Pe(0x100).Header(0x102, 0x20).Pe(0x122).Bytes(), 2},
        {"FarForwardPe", Crafted(kFar).Header(10, kFar - 100).Pe(kFar - 90).Bytes(), 1},
        {"FarForwardPeSkipsAHeaderBetween", Crafted(kFar).Header(10, kFar - 100).Pe(kFar - 90).Header(kFar / 2, 0x80).Pe(kFar / 2 + 0x80).Bytes(), 1},
        {"NegativeOffset", Crafted(0x200).Pe(0x10).Header(0x100, -0xF0).Bytes(), 1},
        {"NegativeOffsetToTheFirstByte", Crafted(0x200).Pe(0).Header(0x100, -0x100).Bytes(), 1},
        {"NegativeOffsetBeforeTheFile", Crafted(0x200).Pe(0).Header(0x100, -0x101).Bytes(), 0},
        {"NegativeOffsetMinusOneCannotMatch", Crafted(0x200).Put(0xFF, "P").Header(0x100, -1).Bytes(), 0},
        {"NegativeOffsetMinusTwo", Crafted(0x200).Pe(0xFE).Header(0x100, -2).Bytes(), 1},
        {"NegativeOffsetMinimum", Crafted(0x200).Pe(0).Header(0x100, INT32_MIN).Bytes(), 0},
        {"NegativeOffsetGoesOnRightAfterTheZ", NegativeThenMzAfterTheZ(), 2},
        {"NegativeOffsetNeverRescans", Crafted(0x200).Pe(0x10).Header(0x40, 0x80).Pe(0xC0).Header(0x100, -0xF0).Bytes(), 2},
        {"FarNegativeOffset", Crafted(kFar).Pe(100).Header(kFar - 1000, -static_cast<std::int32_t>(kFar - 1100)).Bytes(), 1},
    };
}

class HeaderScanEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(HeaderScanEdge, EveryRouteGivesTheKnownCount)
{
    const EdgeCase& c = GetParam();
    const ScratchDir dir;
    const std::string path = dir.Write("input.bin", c.Bytes);
    EXPECT_EQ(LiteralCountExeHeaders(path.c_str()), c.Expected) << "literal";
    for (const RouteCount& route : CountByEveryRoute(path))
        EXPECT_EQ(route.Count, c.Expected) << route.Route;
    EXPECT_EQ(GetFileLength(path), c.Bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Crafted, HeaderScanEdge, testing::ValuesIn(EdgeCases()),
    [](const testing::TestParamInfo<EdgeCase>& info) { return info.param.Name; });

} // namespace
