#include "platform/gfx/BmpCodec.h"

#include "platform/core/Exception.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    [[nodiscard]] int Get() const { return m_fd; }

private:
    int m_fd = -1;
};

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

std::string SystemError()
{
    return std::strerror(errno);
}

}  // namespace

BmpImage LoadBmpFile(const std::string& path)
{
    const FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) throw EFOpenError("Cannot open file " + Quoted(path) + ": " + SystemError());

    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) throw EReadError("Cannot read file " + Quoted(path) + ": " + SystemError());
    if (!S_ISREG(info.st_mode)) throw EFOpenError("Cannot open " + Quoted(path) + ": not a regular file");
    if (info.st_size > kMaxBmpFileSize)
        throw EInvalidGraphic("Bitmap file " + Quoted(path) + " is too large (" + std::to_string(info.st_size) +
                              " bytes)");

    // Read no more than fstat promised, in case the file grows meanwhile.
    std::vector<std::uint8_t> data(std::size_t(info.st_size));
    std::size_t filled = 0;
    while (filled < data.size()) {
        const ssize_t n = ::read(file.Get(), data.data() + filled, data.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EReadError("Cannot read file " + Quoted(path) + ": " + SystemError());
        if (n == 0) break;
        filled += std::size_t(n);
    }
    data.resize(filled);
    return DecodeBmp(data);
}

void SaveBmpFile(const std::string& path, const PixelBuffer& pixels, BmpPixelFormat format)
{
    const std::vector<std::uint8_t> data = EncodeBmp(pixels, format);
    const FileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.Get() < 0) throw EFOpenError("Cannot create file " + Quoted(path) + ": " + SystemError());

    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(file.Get(), data.data() + written, data.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw EWriteError("Cannot write file " + Quoted(path) + ": " + SystemError());
        written += std::size_t(n);
    }
}
