#pragma once
// TFileStream: a stream on a file, opened with the classic mode flags. The
// share flags are accepted for compatibility; Linux has no mandatory share
// locks, so a read-only stream is simply a shared read that never blocks
// anyone and never changes the file. Only regular files can be opened.

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

#include <cstdint>
#include <string>

class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// Access modes (one of them) combined with a share mode.
constexpr std::uint16_t fmCreate = 0xFF00;  // create or truncate, then read and write
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;

class TFileStream : public TStream {
public:
    // Raises EFCreateError ("Cannot create file \"<path>\". <reason>") for
    // fmCreate and EFOpenError ("Cannot open file ...") for the other modes.
    TFileStream(const std::string& fileName, std::uint16_t mode);
    ~TFileStream() override;

    [[nodiscard]] const char* ClassName() const override { return "TFileStream"; }
    [[nodiscard]] const std::string& FileName() const { return m_fileName; }

    // System errors raise EReadError / EWriteError / EStreamError with the reason.
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    [[nodiscard]] std::int64_t Size() override;
    void SetSize(std::int64_t size) override;

private:
    std::string m_fileName;
    int m_fd = -1;
};
