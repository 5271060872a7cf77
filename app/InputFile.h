#pragma once
// A file opened for analysis: read-only, never written, closed on destruction.
// Opening never waits: a named pipe without a writer, a terminal or a socket
// would keep the window (which analyses on its only thread) waiting for ever,
// so only files whose bytes are there already are taken.

#include <cstdint>
#include <optional>
#include <string>

// Whether a pipe is analysed. The window never waits on its only thread, so it
// refuses pipes; the command line reads a pipe it was given to its end, as any
// filter does (opening still never waits: a named pipe without a writer reads
// as empty).
enum class PipeInput {
    Refuse,
    ReadToEnd,
};

enum class InputKind {
    Positional,  // a regular file or block device: read at any position
    Stream,      // a regular file that reports size 0, like the kernel's
                 // generated files, or a pipe: read front to back
};

// Why a file could not be analysed.
enum class InputError {
    None,
    NotFound,          // missing, or deleted after it was chosen
    PermissionDenied,
    IsDirectory,
    NotRegularFile,    // a socket, a character device, or a refused pipe
    ReadFailed,        // an input/output error, or the file changed while read
    OpenFailed,        // any other reason the system gives
};

struct OpenedInput;

class InputFile {
public:
    static OpenedInput Open(const std::string& path, PipeInput pipes = PipeInput::Refuse);

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

struct OpenedInput {
    std::optional<InputFile> File;
    InputError Error = InputError::None;  // why File is empty
};
