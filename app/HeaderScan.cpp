#include "app/HeaderScan.h"

#include "app/BusErrorGuard.h"
#include "app/FileScanSource.h"
#include "app/MappedFileSource.h"
#include "app/StreamScanSource.h"

#include <cerrno>
#include <vector>
#include <unistd.h>

namespace {

constexpr std::size_t kCountBuffer = 64 * 1024;  // bytes per read when counting a stream

// Collects the headers a scan finds, up to the listing limit.
class HeaderList final : public HeaderSink {
public:
    explicit HeaderList(FileScan& scan)
        : m_scan(scan)
    {
    }

    void Found(const FoundHeader& header) override
    {
        if (m_scan.Offsets.size() < kMaxListedHeaders)
            m_scan.Offsets.push_back(header);
        else
            ++m_scan.UnlistedHeaders;
    }

private:
    FileScan& m_scan;
};

// One header scan of a source into a file's result. Everything it holds is
// made before the scan starts, so that a bus error may cut the scan off.
struct HeaderJob {
    ScanSource& Source;
    const ScanRequest& Request;
    FileScan& Result;
    HeaderList List{Result};

    void Run()
    {
        const HeaderTally tally = ScanHeaders(Source, Request.Depth, Request.Offsets ? &List : nullptr);
        Result.Headers = tally.Classic;
        Result.HiddenHeaders = tally.Hidden;
        if (Source.ReadFailed())
            Result.Error = InputError::ReadFailed;
    }
};

bool CountStreamBytes(int fd, std::uint64_t& total)
{
    std::vector<std::uint8_t> buffer(kCountBuffer);
    for (;;) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        total += static_cast<std::uint64_t>(n);
    }
}

void ScanMapped(MappedFileSource& source, const ScanRequest& request, FileScan& scan)
{
    HeaderJob job{source, request, scan};
    const auto run = [](void* context) { static_cast<HeaderJob*>(context)->Run(); };
    if (!RunCatchingBusErrors(source.Bytes(), static_cast<std::size_t>(source.Size()), run, &job))
        scan.Error = InputError::ReadFailed;
}

void ScanPositional(const InputFile& file, const ScanRequest& request, const ScanLimits& limits, FileScan& scan)
{
    scan.Length = file.Size();
    if (request.Check == HeaderCheck::Off)
        return;
    if (limits.MapZone > 0) {
        MappedFileSource mapped(file.Descriptor(), file.Size(), limits.MapZone);
        if (mapped.Mapped()) {
            ScanMapped(mapped, request, scan);
            return;
        }
    }
    FileScanSource source(file.Descriptor(), file.Size(), limits.BlockSize);
    HeaderJob{source, request, scan}.Run();
}

void ScanStream(const InputFile& file, const ScanRequest& request, const ScanLimits& limits, FileScan& scan)
{
    if (request.Check == HeaderCheck::Off) {
        if (!CountStreamBytes(file.Descriptor(), scan.Length))
            scan.Error = InputError::ReadFailed;
        return;
    }
    StreamScanSource source(file.Descriptor(), limits.StreamKeepBehind, limits.StreamReach);
    HeaderJob{source, request, scan}.Run();
    scan.Length = source.BytesRead();
}

} // namespace

FileScan ScanFile(const std::string& path, const ScanRequest& request, const ScanLimits& limits)
{
    FileScan scan;
    const OpenedInput opened = InputFile::Open(path, request.Pipes);
    if (!opened.File) {
        scan.Error = opened.Error;
        return scan;
    }
    if (opened.File->Kind() == InputKind::Positional)
        ScanPositional(*opened.File, request, limits, scan);
    else
        ScanStream(*opened.File, request, limits, scan);
    if (scan.Error != InputError::None) {
        const InputError error = scan.Error;
        scan = FileScan{};  // a broken read proves nothing
        scan.Error = error;
    }
    return scan;
}

std::uint64_t GetFileLength(const std::string& path)
{
    return ScanFile(path, {HeaderCheck::Off}).Length;
}

std::uint64_t CountExeHeaders(const std::string& path, const ScanLimits& limits)
{
    return ScanFile(path, {HeaderCheck::On}, limits).Headers;
}
