#include "app/HeaderScan.h"

#include "app/FileScanSource.h"
#include "app/HeaderScanner.h"
#include "app/InputFile.h"
#include "app/StreamScanSource.h"

#include <cerrno>
#include <vector>
#include <unistd.h>

namespace {

constexpr std::size_t kCountBuffer = 64 * 1024;  // bytes per read when counting a stream

std::uint64_t CountStreamBytes(int fd)
{
    std::vector<std::uint8_t> buffer(kCountBuffer);
    std::uint64_t total = 0;
    for (;;) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return total;  // a read error ends the count as the end of data does
        total += static_cast<std::uint64_t>(n);
    }
}

FileScan ScanPositional(const InputFile& file, HeaderCheck check, const ScanLimits& limits)
{
    FileScan scan{file.Size(), 0, true};
    if (check == HeaderCheck::On) {
        FileScanSource source(file.Descriptor(), file.Size(), limits.BlockSize);
        scan.Headers = CountHeaders(source);
    }
    return scan;
}

FileScan ScanStream(const InputFile& file, HeaderCheck check, const ScanLimits& limits)
{
    if (check == HeaderCheck::Off)
        return {CountStreamBytes(file.Descriptor()), 0, true};
    StreamScanSource source(file.Descriptor(), limits.StreamKeepBehind, limits.StreamReach);
    const std::uint64_t headers = CountHeaders(source);
    return {source.BytesRead(), headers, true};
}

} // namespace

FileScan ScanFile(const std::string& path, HeaderCheck check, const ScanLimits& limits)
{
    const std::optional<InputFile> file = InputFile::Open(path);
    if (!file)
        return {};
    if (file->Kind() == InputKind::Positional)
        return ScanPositional(*file, check, limits);
    return ScanStream(*file, check, limits);
}

std::uint64_t GetFileLength(const std::string& path)
{
    return ScanFile(path, HeaderCheck::Off).Length;
}

std::uint64_t CountExeHeaders(const std::string& path, const ScanLimits& limits)
{
    return ScanFile(path, HeaderCheck::On, limits).Headers;
}
