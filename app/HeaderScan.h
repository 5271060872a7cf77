#pragma once
// The executable-header scan of a file on disk: its length and the number of
// "MZ" headers whose offset field leads to a "PE" signature (see
// app/HeaderScanner.h for the exact rule). The file is opened read-only and
// never changed; a file that cannot be opened has length 0 and no headers.

#include <cstddef>
#include <cstdint>
#include <string>

// The file-header switch: whether to count headers at all.
enum class HeaderCheck {
    Off,
    On,
};

// Buffer sizes of the scan. Tests shrink them to exercise block boundaries.
// A pipe cannot seek, so its scan follows only offsets from -StreamKeepBehind
// to StreamReach - 2: a header whose "PE" lies further from its "MZ" does not
// count there. Memory stays the same whatever the input's size.
struct ScanLimits {
    std::size_t BlockSize = 64 * 1024;          // bytes per read from a file
    std::size_t StreamKeepBehind = 64 * 1024;   // bytes a pipe's scan keeps before its position
    std::size_t StreamReach = 1024 * 1024;      // bytes it keeps after it
};

struct FileScan {
    std::uint64_t Length = 0;
    std::uint64_t Headers = 0;  // 0 with the check off
    bool Readable = false;      // the file could be opened for reading
};

// Length and headers from one opening of the file: a pipe can be read only
// once. Pipes and devices are read to their end.
FileScan ScanFile(const std::string& path, HeaderCheck check, const ScanLimits& limits = {});

// Bytes in the file; 0 when it cannot be opened for reading.
std::uint64_t GetFileLength(const std::string& path);

// Executable headers in the file; 0 when it cannot be opened for reading.
std::uint64_t CountExeHeaders(const std::string& path, const ScanLimits& limits = {});
