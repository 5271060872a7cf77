#pragma once
// A file opened for analysis: read-only, never written, closed on destruction.
// It tells files that can be read at any position (with their size) from
// input that can only be read front to back.

#include <cstdint>
#include <optional>
#include <string>

enum class InputKind {
    Positional,  // a regular file or block device: pread at any position
    Stream,      // a pipe, character device or socket; also a regular file that
                 // reports size 0, like the kernel's generated files
};

class InputFile {
public:
    // Nothing when the path cannot be opened for reading; a directory is no
    // readable file.
    static std::optional<InputFile> Open(const std::string& path);

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    [[nodiscard]] int Descriptor() const { return m_fd; }
    [[nodiscard]] InputKind Kind() const { return m_kind; }
    // Bytes in a positional file when opened; 0 for a stream.
    [[nodiscard]] std::uint64_t Size() const { return m_size; }

private:
    InputFile(int fd, InputKind kind, std::uint64_t size);

    int m_fd = -1;
    InputKind m_kind = InputKind::Stream;
    std::uint64_t m_size = 0;
};
