#include "app/HeaderScanner.h"

#include "app/PeSignatureIndex.h"
#include "app/SignatureSearch.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr std::size_t kChunk = 64;           // bytes per signature mask
constexpr std::size_t kPrefetchChunks = 16;  // how far ahead targets are prefetched

// Where the scan goes on after one "MZ", and whether it was a header.
struct Step {
    std::uint64_t Next = 0;
    std::uint64_t Pe = 0;
    bool Header = false;
};

std::int32_t LoadOffsetField(const std::uint8_t* p)
{
    std::uint32_t v = 0;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap32(v);  // the field is little-endian
    return static_cast<std::int32_t>(v);
}

// Whether the "MZ" at window index m is surely no header, decided from the
// window alone: its "PE" would lie outside the input or the source's reach, or
// inside the window without "PE" there. Most "MZ" of a hostile file end here.
bool SurelyNoHeader(const ScanWindow& w, std::size_t m, PeSignatureIndex& index)
{
    const std::int64_t offset = LoadOffsetField(w.Data + m + kOffsetFieldAt);
    const std::int64_t target = static_cast<std::int64_t>(w.Start + m) + offset;
    if (target < 0 || static_cast<std::uint64_t>(target) + 2 > w.Limit || offset < w.LowestOffset || offset > w.HighestOffset)
        return true;
    const auto pe = static_cast<std::uint64_t>(target);
    if (pe < w.Start || pe - w.Start + 2 > w.Size)
        return false;
    const std::size_t at = pe - w.Start;
    if (index.Active())
        return !index.IsPe(at);
    index.NoteLookup(m);
    return w.Data[at] != 'P' || w.Data[at + 1] != 'E';
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
    const Step none{mz + 1, 0, false};
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
    return {std::max(pe + 2, mz + 2), pe, true};
}

// Prefetches the "PE" targets of the "MZ" pairs some chunks ahead of the
// scan: a file whose offsets point all over the window then waits for memory
// for many look-ups at once instead of for each in turn. Where the targets
// lie outside the window there is nothing to fetch, and it looks at fewer
// and fewer chunks until it finds some again.
class TargetPrefetcher {
public:
    TargetPrefetcher(const ScanWindow& w, const PeSignatureIndex& index)
        : m_w(w)
        , m_index(index)
    {
    }

    // The scan is at window index at.
    void Ahead(std::size_t at)
    {
        m_next = std::max(m_next, at + kChunk);
        const std::size_t until = at + kPrefetchChunks * kChunk;
        for (; m_next < until && m_next + kChunk + 1 <= m_w.Size; m_next += kChunk * m_stride) {
            if (PrefetchChunk(m_next))
                m_stride = 1;
            else
                m_stride = std::min(m_stride * 2, kLongestStride);
        }
    }

private:
    static constexpr std::size_t kLongestStride = 64;  // chunks

    // Whether any target was fetched.
    bool PrefetchChunk(std::size_t chunk) const
    {
        bool fetched = false;
        for (std::uint64_t bits = SignatureMaskMZ(m_w.Data, chunk, m_w.Size); bits != 0; bits &= bits - 1) {
            const std::size_t m = chunk + static_cast<std::size_t>(std::countr_zero(bits));
            if (m + kHeaderSpan > m_w.Size)
                break;
            const std::int64_t target = static_cast<std::int64_t>(m) + LoadOffsetField(m_w.Data + m + kOffsetFieldAt);
            if (target >= 0 && static_cast<std::uint64_t>(target) + 2 <= m_w.Size) {
                const auto at = static_cast<std::size_t>(target);
                const void* bits = m_index.Active() ? m_index.BitsOf(at) : m_w.Data + at;
                if (bits)
                    __builtin_prefetch(bits);
                fetched = true;
            }
        }
        return fetched;
    }

    const ScanWindow& m_w;
    const PeSignatureIndex& m_index;
    std::size_t m_next = 0;    // the next chunk to look at
    std::size_t m_stride = 1;  // chunks between those looked at
};

// The scan's state from window to window.
class Scan {
public:
    Scan(ScanSource& source, ScanDepth depth, HeaderSink* sink)
        : m_source(source)
        , m_depth(depth)
        , m_sink(sink)
    {
    }

    // Scans window w from index i; returns where the next window must start,
    // or nothing at the end of the input.
    std::optional<std::uint64_t> Window(const ScanWindow& w, std::size_t i)
    {
        PeSignatureIndex index(w);
        TargetPrefetcher prefetcher(w, index);
        for (;;) {
            const std::size_t base = FindSignatureMZ(w.Data, i, w.Size);
            if (base >= w.Size) {
                if (w.ReachesEnd)
                    return std::nullopt;
                // The last byte may be an 'M' whose 'Z' is in the next window.
                return w.Start + std::max(i, w.Size - 1);
            }
            prefetcher.Ahead(base);
            // Every pair of the chunk from one mask; a header's jump clears
            // the bits it skips.
            std::size_t resume = std::min(base + kChunk, w.Size - 1);
            for (std::uint64_t bits = SignatureMaskMZ(w.Data, base, w.Size); bits != 0;) {
                const std::size_t m = base + static_cast<std::size_t>(std::countr_zero(bits));
                if (m + kHeaderSpan <= w.Size && SurelyNoHeader(w, m, index)) {
                    bits &= bits - 1;  // the scan goes on after the 'M'
                    continue;
                }
                if (m + kHeaderSpan > w.Size && !w.ReachesEnd)
                    return w.Start + m;  // the offset field is in the next window
                const std::uint64_t next = Record(w.Start + m, Examine(w, m, m_source));
                if (next - w.Start >= w.Size)
                    return next;
                const std::size_t at = next - w.Start;
                if (at >= base + kChunk) {
                    resume = at;
                    break;
                }
                bits &= ~std::uint64_t{0} << (at - base);
            }
            i = resume;
        }
    }

    [[nodiscard]] const HeaderTally& Tally() const { return m_tally; }

private:
    // Counts the "MZ" at mz; returns where the scan goes on.
    std::uint64_t Record(std::uint64_t mz, const Step& step)
    {
        if (!step.Header)
            return step.Next;
        const bool hidden = mz < m_classicNext;
        if (hidden) {
            ++m_tally.Hidden;
        } else {
            ++m_tally.Classic;
            m_classicNext = step.Next;
        }
        if (m_sink)
            m_sink->Found({mz, step.Pe, hidden});
        return m_depth == ScanDepth::Classic ? step.Next : mz + 1;
    }

    ScanSource& m_source;
    ScanDepth m_depth;
    HeaderSink* m_sink;
    HeaderTally m_tally;
    std::uint64_t m_classicNext = 0;  // where the classic scan goes on
};

} // namespace

HeaderTally ScanHeaders(ScanSource& source, ScanDepth depth, HeaderSink* sink)
{
    Scan scan(source, depth, sink);
    std::uint64_t pos = 0;
    for (;;) {
        const ScanWindow w = source.WindowAt(pos, kHeaderSpan);
        if (!w.Data) {
            if (w.ReachesEnd)
                return scan.Tally();
            pos = w.Start + w.Size;  // a hole: zeros hold no "MZ"
            continue;
        }
        const std::optional<std::uint64_t> next = scan.Window(w, static_cast<std::size_t>(pos - w.Start));
        if (!next)
            return scan.Tally();
        pos = *next;
    }
}

std::uint64_t CountHeaders(ScanSource& source)
{
    return ScanHeaders(source, ScanDepth::Classic, nullptr).Classic;
}
