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

// The window as the hot loop needs it, in locals the compiler keeps in
// registers: positions are window indexes, and the targets an "MZ" may reach
// are those whose "PE" lies within the input and the source's reach.
struct WindowBounds {
    const std::uint8_t* Data;
    std::int64_t Size;
    std::int64_t FirstTarget;  // the input's first byte
    std::int64_t LastTarget;   // the last position a "PE" fits at
    std::int64_t LowestOffset;
    std::int64_t HighestOffset;

    explicit WindowBounds(const ScanWindow& w)
        : Data(w.Data)
        , Size(static_cast<std::int64_t>(w.Size))
        , FirstTarget(-static_cast<std::int64_t>(w.Start))
        , LastTarget(w.Limit - w.Start >= static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(w.Limit - w.Start) - 2)
        , LowestOffset(w.LowestOffset)
        , HighestOffset(w.HighestOffset)
    {
    }
};

constexpr std::size_t kChunksWithoutTests = 16;  // after a test of offsets together that settled none

std::int32_t ClampToField(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// Of the pairs in bits, those of a chunk at window index base whose offsets
// surely lead out of the input or the source's reach, whatever their place in
// the chunk. The chunk's offset fields must lie in the window.
std::uint64_t SurelyOutside(const WindowBounds& w, std::size_t base, std::uint64_t bits)
{
    const auto at = static_cast<std::int64_t>(base);
    // Above this, every target lies past the last position a "PE" fits at;
    // below that, every target lies before the input's first byte.
    const std::int64_t above = std::min(w.LastTarget - at, w.HighestOffset);
    const std::int64_t below = std::max(w.FirstTarget - at - static_cast<std::int64_t>(kChunk - 1), w.LowestOffset);
    if (above < INT32_MIN || below > INT32_MAX || below > above)
        return bits;
    return bits & OffsetFieldsOutside(w.Data, base, ClampToField(below), ClampToField(above));
}

// Whether the "MZ" at window index m is surely no header, decided from the
// window alone: its "PE" would lie outside the input or the source's reach, or
// inside the window without "PE" there. Most "MZ" of a hostile file end here.
inline bool SurelyNoHeader(const WindowBounds& w, std::int64_t m, PeSignatureIndex& index)
{
    const std::int64_t offset = LoadOffsetField(w.Data + m + kOffsetFieldAt);
    const std::int64_t target = m + offset;
    if (target < w.FirstTarget || target > w.LastTarget || offset < w.LowestOffset || offset > w.HighestOffset)
        return true;
    if (target < 0 || target + 2 > w.Size)
        return false;  // outside the window: the source must look
    const auto at = static_cast<std::size_t>(target);
    if (index.Active())
        return !index.IsPe(at);
    index.NoteLookup(static_cast<std::size_t>(m));
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

    // The scan is at window index at. Once the index of "PE" lines answers
    // the look-ups, they stay in the cache and need no prefetching.
    void Ahead(std::size_t at)
    {
        if (m_index.Active())
            return;
        m_next = std::max(m_next, at + kChunk);
        const std::size_t until = at + kPrefetchChunks * kChunk;
        for (; m_next < until && m_next + kChunk + 1 <= m_w.Size; m_next += kChunk * m_stride) {
            // The chunks it looks at are new to the cache: fetch ahead of them too.
            if (m_next + kStreamAhead < m_w.Size)
                __builtin_prefetch(m_w.Data + m_next + kStreamAhead);
            if (PrefetchChunk(m_next))
                m_stride = 1;
            else
                m_stride = std::min(m_stride * 2, kLongestStride);
        }
    }

private:
    static constexpr std::size_t kLongestStride = 64;  // chunks
    static constexpr std::size_t kStreamAhead = 2048;  // bytes

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
                __builtin_prefetch(m_w.Data + target);
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
        const WindowBounds bounds(w);
        PeSignatureIndex index(w);
        TargetPrefetcher prefetcher(w, index);
        std::size_t skipTests = 0;  // chunks left before the next test of their offsets together
        for (;;) {
            std::size_t base = FindSignatureMZ(w.Data, i, w.Size);
            if (base >= w.Size) {
                if (w.ReachesEnd)
                    return std::nullopt;
                // The last byte may be an 'M' whose 'Z' is in the next window.
                return w.Start + std::max(i, w.Size - 1);
            }
            // Every pair of a chunk from one mask; a header's jump clears the
            // bits it skips. Chunk follows chunk while each holds a pair.
            std::uint64_t bits = SignatureMaskMZ(w.Data, base, w.Size);
            while (bits != 0) {
                prefetcher.Ahead(base);
                // Two pairs or more: testing their offsets together pays,
                // unless it settled none of late.
                if (skipTests > 0) {
                    --skipTests;
                } else if ((bits & (bits - 1)) != 0 && base + kOffsetFieldsSpan <= w.Size) {
                    const std::uint64_t outside = SurelyOutside(bounds, base, bits);
                    bits &= ~outside;
                    skipTests = outside == 0 ? kChunksWithoutTests : 0;
                }
                std::size_t resume = base + kChunk;
                while (bits != 0) {
                    const std::size_t m = base + static_cast<std::size_t>(std::countr_zero(bits));
                    if (m + kHeaderSpan <= w.Size && SurelyNoHeader(bounds, static_cast<std::int64_t>(m), index)) {
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
                if (resume + 1 >= w.Size) {
                    i = std::min(resume, w.Size - 1);
                    break;
                }
                i = resume;
                base = resume;
                bits = SignatureMaskMZ(w.Data, base, w.Size);
            }
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
