#pragma once
// TMemoryStream: a stream on a growable buffer in memory. Writing past the
// end grows it; a gap left by seeking past the end reads as zeros.

#include "platform/core/Stream.h"

#include <cstdint>
#include <string>
#include <vector>

class TMemoryStream : public TStream {
public:
    [[nodiscard]] const char* ClassName() const override { return "TMemoryStream"; }

    [[nodiscard]] std::uint8_t* Memory() { return m_data.data(); }
    [[nodiscard]] const std::uint8_t* Memory() const { return m_data.data(); }

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    [[nodiscard]] std::int64_t Size() override { return static_cast<std::int64_t>(m_data.size()); }
    void SetSize(std::int64_t size) override;

    // Empties the stream and releases its memory.
    void Clear();

    // Replace the contents with all of stream (from its start) or the file,
    // then set the position to 0. Sources above kMaxLoadSize raise EReadError
    // before anything is allocated.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    // Write the whole contents, whatever the position.
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::string& fileName) const;

private:
    std::vector<std::uint8_t> m_data;
    std::int64_t m_position = 0;
};
