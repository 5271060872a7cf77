#pragma once
// The executable-header count over any scan source.

#include "app/ScanSource.h"

#include <cstdint>

// Which "MZ" the scan examines.
enum class ScanDepth {
    Classic,   // the rules below: the stretch up to a header's "PE" is skipped
    Thorough,  // every "MZ", also those in a stretch the classic scan skips
};

struct FoundHeader {
    std::uint64_t Mz = 0;  // byte offsets in the input
    std::uint64_t Pe = 0;
    bool Hidden = false;   // in a stretch the classic scan skips: not in its count
};

// Told of every header as the scan finds it, in input order.
class HeaderSink {
public:
    virtual ~HeaderSink() = default;
    virtual void Found(const FoundHeader& header) = 0;
};

struct HeaderTally {
    std::uint64_t Classic = 0;  // the classic count, whatever the depth
    std::uint64_t Hidden = 0;   // headers the classic scan skips (thorough scan only)
};

// Counts the "MZ" headers whose signed 32-bit offset field at MZ + 0x3C leads
// to "PE" within the input, scanning front to back:
//   - after a header the scan goes on right after its "PE" and skips every byte
//     between, so an "MZ" inside that stretch is never seen;
//   - after an "MZ" that is no header it goes on right after the 'M';
//   - it never moves backwards: a "PE" that lies before its own "MZ" (negative
//     offset) counts once and the scan goes on right after that "Z". Taken
//     literally, the scan would return to before the "MZ", meet it again and
//     never end.
// The thorough scan examines every "MZ" as well and counts the headers the
// skipped stretches hide apart. sink may be null.
HeaderTally ScanHeaders(ScanSource& source, ScanDepth depth, HeaderSink* sink);

// The classic count alone.
std::uint64_t CountHeaders(ScanSource& source);
