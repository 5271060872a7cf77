#include "platform/core/FileStream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kMaxTransfer = std::int64_t(1) << 30;  // bytes per read() or write() call
constexpr std::uint16_t kAccessMask = 0x0003;

std::string Reason(int error)
{
    return std::strerror(error);
}

int OpenFlags(std::uint16_t mode)
{
    if ((mode & fmCreate) == fmCreate) return O_RDWR | O_CREAT | O_TRUNC;
    switch (mode & kAccessMask) {
    case fmOpenRead: return O_RDONLY;
    case fmOpenWrite: return O_WRONLY;
    case fmOpenReadWrite: return O_RDWR;
    default: return -1;
    }
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, std::uint16_t mode) : m_fileName(fileName)
{
    const bool create = (mode & fmCreate) == fmCreate;
    const auto fail = [&](const std::string& reason) {
        if (create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    };
    const int flags = OpenFlags(mode);
    if (flags < 0) fail(Reason(EINVAL));

    // O_NONBLOCK keeps a FIFO from stalling the open; anything but a regular
    // file is refused right after.
    do {
        m_fd = ::open(fileName.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0) fail(Reason(errno));

    struct stat info {};
    std::string refusal;
    if (::fstat(m_fd, &info) != 0)
        refusal = Reason(errno);
    else if (S_ISDIR(info.st_mode))
        refusal = Reason(EISDIR);
    else if (!S_ISREG(info.st_mode))
        refusal = "Not a regular file";
    else if (::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refusal = Reason(errno);
    if (!refusal.empty()) {
        ::close(m_fd);
        m_fd = -1;
        fail(refusal);
    }
}

TFileStream::~TFileStream()
{
    if (m_fd >= 0) ::close(m_fd);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count)
{
    auto* out = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_fd, out + done, static_cast<std::size_t>(std::min(count - done, kMaxTransfer)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EReadError("Stream read error. " + Reason(errno));
        if (n == 0) break;
        done += n;
    }
    return done;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count)
{
    const auto* in = static_cast<const char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_fd, in + done, static_cast<std::size_t>(std::min(count - done, kMaxTransfer)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EWriteError("Stream write error. " + Reason(errno));
        if (n == 0) break;
        done += n;
    }
    return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(m_fd, static_cast<off_t>(offset), whence);
    if (position < 0) throw EStreamError("Stream seek error. " + Reason(errno));
    return position;
}

std::int64_t TFileStream::Size()
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) throw EStreamError("Stream size error. " + Reason(errno));
    return info.st_size;
}

void TFileStream::SetSize(std::int64_t size)
{
    if (size < 0 || ::ftruncate(m_fd, static_cast<off_t>(size)) != 0) {
        throw EStreamError("Stream size error. " + Reason(size < 0 ? EINVAL : errno));
    }
    if (Position() > size) SetPosition(size);
}
