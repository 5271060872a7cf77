#include "app/HeaderScanner.h"

#include "app/SignatureSearch.h"

#include <algorithm>

namespace {

// Where the scan goes on after one "MZ", and whether it was a header.
struct Step {
    std::uint64_t Next = 0;
    bool Header = false;
};

std::int32_t LoadOffsetField(const std::uint8_t* p)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | p[i];
    return static_cast<std::int32_t>(v);
}

std::optional<BytePair> PairFrom(const ScanWindow& w, std::uint64_t pos, ScanSource& source)
{
    if (pos >= w.Start && pos - w.Start + 2 <= w.Size)
        return BytePair{w.Data[pos - w.Start], w.Data[pos - w.Start + 1]};
    return source.PairAt(pos);
}

// Examines the "MZ" at window index m. The window holds kHeaderSpan bytes from
// m on unless it reaches the end of the input.
Step Examine(const ScanWindow& w, std::size_t m, ScanSource& source)
{
    const std::uint64_t mz = w.Start + m;
    const Step none{mz + 1, false};
    if (m + kHeaderSpan > w.Size)
        return none;  // the input ends within the offset field
    const std::int64_t offset = LoadOffsetField(w.Data + m + kOffsetFieldAt);
    const std::int64_t target = static_cast<std::int64_t>(mz) + offset;
    if (target < 0 || offset < w.LowestOffset || offset > w.HighestOffset)
        return none;
    const auto pe = static_cast<std::uint64_t>(target);
    if (pe + 2 > w.Limit)
        return none;  // known to lie past the end: no read needed
    const std::optional<BytePair> pair = PairFrom(w, pe, source);
    if (!pair || (*pair)[0] != 'P' || (*pair)[1] != 'E')
        return none;
    return {std::max(pe + 2, mz + 2), true};
}

} // namespace

std::uint64_t CountHeaders(ScanSource& source)
{
    std::uint64_t count = 0;
    std::uint64_t pos = 0;
    for (;;) {
        const ScanWindow w = source.WindowAt(pos, kHeaderSpan);
        std::size_t i = pos - w.Start;
        for (;;) {
            const std::size_t m = FindSignatureMZ(w.Data, i, w.Size);
            if (m >= w.Size) {
                if (w.ReachesEnd)
                    return count;
                // The last byte may be an 'M' whose 'Z' is in the next window.
                pos = w.Start + std::max(i, w.Size - 1);
                break;
            }
            if (m + kHeaderSpan > w.Size && !w.ReachesEnd) {
                pos = w.Start + m;  // the offset field is in the next window
                break;
            }
            const Step step = Examine(w, m, source);
            count += step.Header ? 1 : 0;
            if (step.Next - w.Start >= w.Size) {
                pos = step.Next;
                break;
            }
            i = step.Next - w.Start;
        }
    }
}
