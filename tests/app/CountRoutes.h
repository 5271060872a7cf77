#pragma once
// The header count of one file by every route the program has: the file scan
// with blocks of several sizes (so that headers straddle block boundaries),
// the stream scan and the in-memory scan, beside the literal reference.

#include "app/HeaderScan.h"

#include <cstdint>
#include <string>
#include <vector>

struct RouteCount {
    std::string Route;
    std::uint64_t Count = 0;
};

// Stream buffers large enough that every test file fits: the stream scan is
// then exact for any offset.
inline constexpr ScanLimits kWholeFileStream{64 * 1024, 1024 * 1024, 1024 * 1024};

// Every fast route on the file at path. The stream route reads the file
// front to back with the given buffer sizes.
std::vector<RouteCount> CountByEveryRoute(const std::string& path, const ScanLimits& stream = kWholeFileStream);

// The stream scan alone, reading the file front to back.
std::uint64_t CountAsStream(const std::string& path, const ScanLimits& limits);
