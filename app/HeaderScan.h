#pragma once
// The executable-header scan of a file on disk: its length and the number of
// "MZ" headers whose offset field leads to a "PE" signature (see
// app/HeaderScanner.h for the exact rule). The file is opened read-only and
// never changed; a file that cannot be read has length 0, no headers and the
// reason in Error.

#include "app/HeaderScanner.h"
#include "app/InputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The file-header switch: whether to count headers at all.
enum class HeaderCheck {
    Off,
    On,
};

// What a scan is asked for beyond the length.
struct ScanRequest {
    HeaderCheck Check = HeaderCheck::On;
    ScanDepth Depth = ScanDepth::Classic;
    bool Offsets = false;  // list where each header lies
    PipeInput Pipes = PipeInput::Refuse;
};

// Buffer sizes of the scan. Tests shrink them to exercise block boundaries.
// A regular file is mapped and read MapZone bytes at a time (0: read in
// blocks instead); look-ups outside that zone read the file. A stream cannot
// seek, so its scan follows only offsets from -StreamKeepBehind to
// StreamReach - 2: a header whose "PE" lies further from its "MZ" does not
// count there. Memory stays the same whatever the input's size.
struct ScanLimits {
    std::size_t BlockSize = 64 * 1024;          // bytes per read from a file
    std::size_t StreamKeepBehind = 64 * 1024;   // bytes a stream's scan keeps before its position
    std::size_t StreamReach = 1024 * 1024;      // bytes it keeps after it
    std::size_t MapZone = 64 * 1024 * 1024;     // bytes of a file mapped at a time
};

// At most this many headers are listed; more are only counted.
inline constexpr std::size_t kMaxListedHeaders = 100000;

struct FileScan {
    std::uint64_t Length = 0;
    std::uint64_t Headers = 0;        // the classic count; 0 with the check off
    std::uint64_t HiddenHeaders = 0;  // the thorough scan's further headers
    std::vector<FoundHeader> Offsets; // when asked for, in file order
    std::uint64_t UnlistedHeaders = 0;
    InputError Error = InputError::None;
};

// Length and headers from one opening of the file: a stream can be read
// only once.
FileScan ScanFile(const std::string& path, const ScanRequest& request, const ScanLimits& limits = {});

// Bytes in the file; 0 when it cannot be read.
std::uint64_t GetFileLength(const std::string& path);

// Executable headers in the file; 0 when it cannot be read.
std::uint64_t CountExeHeaders(const std::string& path, const ScanLimits& limits = {});
