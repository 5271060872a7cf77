#include "platform/core/Stream.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::int64_t kCopyChunk = 64 * 1024;  // bytes

}  // namespace

void CheckLoadSize(std::int64_t size)
{
    if (size > kMaxLoadSize) {
        throw EReadError("Stream too large to load (" + std::to_string(size) + " bytes; the limit is " +
                         std::to_string(kMaxLoadSize) + ")");
    }
}

std::int64_t TStream::Size()
{
    const std::int64_t position = Seek(0, soCurrent);
    const std::int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count)
{
    if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count)
{
    if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count)
{
    if (count <= 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<unsigned char> chunk(static_cast<std::size_t>(std::min(count, kCopyChunk)));
    for (std::int64_t remaining = count; remaining > 0;) {
        const std::int64_t n = std::min(remaining, kCopyChunk);
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        remaining -= n;
    }
    return count;
}

std::string TStream::ReadToEnd()
{
    const std::int64_t remaining = std::max<std::int64_t>(0, Size() - Position());
    CheckLoadSize(remaining);
    std::string bytes(static_cast<std::size_t>(remaining), '\0');
    ReadBuffer(bytes.data(), remaining);
    return bytes;
}
