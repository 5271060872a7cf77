#pragma once
// The executable-header count over any scan source.

#include "app/ScanSource.h"

#include <cstdint>

// Counts the "MZ" headers whose signed 32-bit offset field at MZ + 0x3C leads
// to "PE" within the input, scanning front to back:
//   - after a header the scan goes on right after its "PE" and skips every byte
//     between, so an "MZ" inside that stretch is never seen;
//   - after an "MZ" that is no header it goes on right after the 'M';
//   - it never moves backwards: a "PE" that lies before its own "MZ" (negative
//     offset) counts once and the scan goes on right after that "Z". Taken
//     literally, the scan would return to before the "MZ", meet it again and
//     never end.
std::uint64_t CountHeaders(ScanSource& source);
