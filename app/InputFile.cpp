#include "app/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

std::optional<InputFile> InputFile::Open(const std::string& path)
{
    // O_NOCTTY: opening a terminal device must not make it ours.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    InputFile file(fd, InputKind::Stream, 0);
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        file.m_kind = InputKind::Positional;
        file.m_size = static_cast<std::uint64_t>(st.st_size);
        posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    } else if (S_ISBLK(st.st_mode)) {
        const off_t end = lseek(fd, 0, SEEK_END);
        if (end > 0) {
            file.m_kind = InputKind::Positional;
            file.m_size = static_cast<std::uint64_t>(end);
        } else {
            lseek(fd, 0, SEEK_SET);  // read it as a stream, from the start
        }
    }
    return file;
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
