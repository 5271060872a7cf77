#include "tests/app/CountRoutes.h"

#include "app/HeaderScanner.h"
#include "app/MemoryScanSource.h"
#include "app/StreamScanSource.h"
#include "tests/app/TestFiles.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

// Odd sizes too, so that the "MZ", its offset field and its "PE" fall on
// every side of a boundary.
constexpr std::size_t kBlockSizes[] = {1, 64, 65, 97, 128, 1000, 4096, ScanLimits{}.BlockSize};
// Zones of a few pages move several times over a test file.
constexpr std::size_t kMapZones[] = {4 * 4096, 8 * 4096, ScanLimits{}.MapZone};

} // namespace

std::uint64_t CountAsStream(const std::string& path, const ScanLimits& limits)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    StreamScanSource source(fd, limits.StreamKeepBehind, limits.StreamReach);
    const std::uint64_t count = CountHeaders(source);
    close(fd);
    return count;
}

std::vector<RouteCount> CountByEveryRoute(const std::string& path, const ScanLimits& stream)
{
    std::vector<RouteCount> counts;
    for (const std::size_t block : kBlockSizes) {
        ScanLimits limits;
        limits.BlockSize = block;
        limits.MapZone = 0;
        counts.push_back({"file, blocks of " + std::to_string(block), CountExeHeaders(path, limits)});
    }
    for (const std::size_t zone : kMapZones) {
        ScanLimits limits;
        limits.MapZone = zone;
        counts.push_back({"mapped, zone of " + std::to_string(zone), CountExeHeaders(path, limits)});
    }
    counts.push_back({"stream", CountAsStream(path, stream)});
    const ByteVector bytes = ReadBytes(path);
    MemoryScanSource memory(bytes);
    counts.push_back({"memory", CountHeaders(memory)});
    return counts;
}
