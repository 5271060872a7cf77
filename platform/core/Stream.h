#pragma once
// TStream: the abstract byte stream. Subclasses implement Read, Write and
// Seek; positions and sizes are 64-bit. Read and Write move as many bytes as
// they can and return the count; ReadBuffer and WriteBuffer insist on all of
// them and raise EReadError / EWriteError otherwise.

#include "platform/core/Object.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// Loading a whole stream into memory (memory streams, string lists) refuses
// streams above this size with EReadError, so that a hostile or mistaken
// file cannot make the program allocate without limit.
constexpr std::int64_t kMaxLoadSize = std::int64_t(256) << 20;  // bytes

// Raises EReadError when size exceeds kMaxLoadSize.
void CheckLoadSize(std::int64_t size);

class TStream : public TObject {
public:
    [[nodiscard]] const char* ClassName() const override { return "TStream"; }

    // A count of 0 or less reads or writes nothing.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Returns the new position. A position before the start raises EStreamError;
    // one past the end is allowed (a later write fills the gap with zeros).
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    [[nodiscard]] std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, soBeginning); }
    [[nodiscard]] virtual std::int64_t Size();
    // Truncates or extends; a position beyond the new end moves to the end.
    virtual void SetSize(std::int64_t size) = 0;

    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);

    // Copies count bytes from source's position; a count of 0 or less copies
    // all of source from its start. Returns the bytes copied.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);

    // The bytes from the position to the end (at most kMaxLoadSize).
    [[nodiscard]] std::string ReadToEnd();

    // Little-endian integers, as binary file formats store them.
    template <class T>
        requires std::is_integral_v<T>
    [[nodiscard]] T ReadLE()
    {
        unsigned char bytes[sizeof(T)];
        ReadBuffer(bytes, sizeof(T));
        std::make_unsigned_t<T> value = 0;
        for (std::size_t i = sizeof(T); i-- > 0;) value = static_cast<std::make_unsigned_t<T>>((value << 8) | bytes[i]);
        return static_cast<T>(value);
    }

    template <class T>
        requires std::is_integral_v<T>
    void WriteLE(T value)
    {
        unsigned char bytes[sizeof(T)];
        auto bits = static_cast<std::make_unsigned_t<T>>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bytes[i] = static_cast<unsigned char>(bits & 0xFF);
            bits = static_cast<std::make_unsigned_t<T>>(bits >> 8);
        }
        WriteBuffer(bytes, sizeof(T));
    }
};
