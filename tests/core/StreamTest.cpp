#include "platform/core/Exception.h"
#include "platform/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// A stream that only implements the primitives and claims a given size
// without holding the bytes: reads return zeros up to that size.
class VirtualStream : public TStream {
public:
    explicit VirtualStream(std::int64_t size) : m_size(size) {}

    std::int64_t Read(void* buffer, std::int64_t count) override
    {
        const std::int64_t n = std::max<std::int64_t>(0, std::min(count, m_size - m_position));
        std::memset(buffer, 0, static_cast<std::size_t>(n));
        m_position += n;
        return n;
    }
    std::int64_t Write(const void*, std::int64_t) override { return 0; }
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override
    {
        m_position = (origin == soBeginning ? 0 : origin == soCurrent ? m_position : m_size) + offset;
        return m_position;
    }
    void SetSize(std::int64_t size) override { m_size = size; }

private:
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
};

// Fills the stream and rewinds it.
void Fill(TStream& stream, const std::string& bytes)
{
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
}

}  // namespace

TEST(Stream, DefaultSizeSeeksToTheEndAndBack)
{
    VirtualStream stream(1000);
    stream.SetPosition(123);
    EXPECT_EQ(stream.Size(), 1000);
    EXPECT_EQ(stream.Position(), 123);
}

TEST(Stream, ReadBufferAndWriteBufferRaiseWhenShort)
{
    TMemoryStream stream;
    Fill(stream, "abc");
    char buffer[4] = {};
    try {
        stream.ReadBuffer(buffer, 4);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message, "Stream read error");
    }
    VirtualStream sink(0);
    try {
        sink.WriteBuffer("x", 1);
        FAIL();
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message, "Stream write error");
    }
    // Nothing to move is never an error.
    EXPECT_NO_THROW(sink.ReadBuffer(buffer, 0));
    EXPECT_NO_THROW(sink.WriteBuffer("x", 0));
}

TEST(Stream, CopyFromCopiesCountBytesFromThePosition)
{
    TMemoryStream source;
    Fill(source, "0123456789");
    source.SetPosition(2);
    TMemoryStream dest;
    EXPECT_EQ(dest.CopyFrom(source, 3), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(dest.Memory()), 3), "234");
    EXPECT_EQ(source.Position(), 5);
    EXPECT_THROW(dest.CopyFrom(source, 6), EReadError);
}

TEST(Stream, CopyFromWithoutCountCopiesAllOfSourceFromItsStart)
{
    TMemoryStream source;
    Fill(source, "0123456789");
    source.SetPosition(7);
    TMemoryStream dest;
    EXPECT_EQ(dest.CopyFrom(source, 0), 10);
    EXPECT_EQ(dest.Size(), 10);
    EXPECT_EQ(dest.Memory()[0], '0');
}

TEST(Stream, CopyFromSpansManyChunks)
{
    VirtualStream source(300'000);
    TMemoryStream dest;
    EXPECT_EQ(dest.CopyFrom(source, 0), 300'000);
    EXPECT_EQ(dest.Size(), 300'000);
}

TEST(Stream, LittleEndianIntegersRoundTrip)
{
    TMemoryStream stream;
    stream.WriteLE<std::uint8_t>(0xAB);
    stream.WriteLE<std::int16_t>(-2);
    stream.WriteLE<std::uint32_t>(0x11223344);
    stream.WriteLE<std::int64_t>(-5);
    EXPECT_EQ(stream.Size(), 1 + 2 + 4 + 8);
    EXPECT_EQ(stream.Memory()[3], 0x44);  // low byte first
    stream.SetPosition(0);
    EXPECT_EQ(stream.ReadLE<std::uint8_t>(), 0xAB);
    EXPECT_EQ(stream.ReadLE<std::int16_t>(), -2);
    EXPECT_EQ(stream.ReadLE<std::uint32_t>(), 0x11223344u);
    EXPECT_EQ(stream.ReadLE<std::int64_t>(), -5);
    EXPECT_THROW((void)stream.ReadLE<std::int32_t>(), EReadError);
}

TEST(Stream, ReadToEndReturnsTheRestAndRefusesOversizedStreams)
{
    TMemoryStream stream;
    Fill(stream, "head:tail");
    stream.SetPosition(5);
    EXPECT_EQ(stream.ReadToEnd(), "tail");
    EXPECT_EQ(stream.ReadToEnd(), "");

    VirtualStream limit(kMaxLoadSize);
    limit.SetPosition(kMaxLoadSize - 2);
    EXPECT_EQ(limit.ReadToEnd().size(), 2u);
    VirtualStream huge(std::int64_t(1) << 40);
    EXPECT_THROW((void)huge.ReadToEnd(), EReadError);
}
