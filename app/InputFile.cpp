#include "app/InputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

InputError ErrorOfOpen(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return InputError::NotFound;
    case EACCES:
    case EPERM: return InputError::PermissionDenied;
    case EISDIR: return InputError::IsDirectory;
    case ENXIO: return InputError::NotRegularFile;  // a socket, or a device without its driver
    case EIO: return InputError::ReadFailed;
    default: return InputError::OpenFailed;
    }
}

} // namespace

OpenedInput InputFile::Open(const std::string& path, PipeInput pipes)
{
    // O_NONBLOCK: opening a named pipe must not wait for a writer. The flag
    // stays set on files, so a read that would wait fails instead; a pipe read
    // to its end gets blocking reads back. O_NOCTTY: opening a terminal must
    // not make it ours.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {std::nullopt, ErrorOfOpen(errno)};
    InputFile file(fd, InputKind::Stream, 0);
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return {std::nullopt, InputError::ReadFailed};
    if (S_ISDIR(st.st_mode))
        return {std::nullopt, InputError::IsDirectory};
    if (S_ISREG(st.st_mode)) {
        if (st.st_size > 0) {
            file.m_kind = InputKind::Positional;
            file.m_size = static_cast<std::uint64_t>(st.st_size);
            posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        }
        return {std::move(file), InputError::None};
    }
    if (S_ISBLK(st.st_mode)) {
        const off_t end = lseek(fd, 0, SEEK_END);
        if (end < 0)
            return {std::nullopt, InputError::ReadFailed};
        lseek(fd, 0, SEEK_SET);
        if (end > 0) {
            file.m_kind = InputKind::Positional;
            file.m_size = static_cast<std::uint64_t>(end);
        }
        return {std::move(file), InputError::None};
    }
    if (S_ISFIFO(st.st_mode) && pipes == PipeInput::ReadToEnd) {
        // Without a writer a blocking read sees the end at once.
        const int flags = fcntl(fd, F_GETFL);
        if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
            return {std::nullopt, InputError::ReadFailed};
        return {std::move(file), InputError::None};
    }
    return {std::nullopt, InputError::NotRegularFile};
}

InputFile::InputFile(int fd, InputKind kind, std::uint64_t size)
    : m_fd(fd)
    , m_kind(kind)
    , m_size(size)
{
}

InputFile::InputFile(InputFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_kind(other.m_kind)
    , m_size(other.m_size)
{
}

InputFile& InputFile::operator=(InputFile&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_kind = other.m_kind;
        m_size = other.m_size;
    }
    return *this;
}

InputFile::~InputFile()
{
    if (m_fd >= 0)
        close(m_fd);
}
