#include "platform/core/MemoryStream.h"

#include "platform/core/Exception.h"
#include "platform/core/FileStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count)
{
    const std::int64_t available = Size() - m_position;
    if (count <= 0 || available <= 0) return 0;
    const std::int64_t n = std::min(count, available);
    std::memcpy(buffer, m_data.data() + m_position, static_cast<std::size_t>(n));
    m_position += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count)
{
    if (count <= 0) return 0;
    if (m_position > std::numeric_limits<std::int64_t>::max() - count) throw EWriteError("Stream write error");
    const std::int64_t end = m_position + count;
    if (end > Size()) m_data.resize(static_cast<std::size_t>(end));
    std::memcpy(m_data.data() + m_position, buffer, static_cast<std::size_t>(count));
    m_position = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? m_position : Size();
    if (offset < -base || (offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset)) {
        throw EStreamError("Stream seek error. Invalid argument");
    }
    m_position = base + offset;
    return m_position;
}

void TMemoryStream::SetSize(std::int64_t size)
{
    if (size < 0) throw EStreamError("Stream size error. Invalid argument");
    m_data.resize(static_cast<std::size_t>(size));
    m_position = std::min(m_position, size);
}

void TMemoryStream::Clear()
{
    std::vector<std::uint8_t>().swap(m_data);
    m_position = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    const std::int64_t size = stream.Size();
    CheckLoadSize(size);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    stream.ReadBuffer(data.data(), size);
    m_data = std::move(data);
    m_position = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TMemoryStream::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(m_data.data(), static_cast<std::int64_t>(m_data.size()));
}

void TMemoryStream::SaveToFile(const std::string& fileName) const
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}
