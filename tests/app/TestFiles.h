#pragma once
// Helpers for tests that need files: a scratch folder removed afterwards, and
// inputs built by placing signatures into filler bytes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using ByteVector = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything
// in it on destruction.
class ScratchDir {
public:
    ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir();

    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }
    // Writes bytes to a file in the folder and returns its path.
    std::string Write(const std::string& name, const ByteVector& bytes) const;

private:
    std::filesystem::path m_path;
};

// An input of a fixed size in which tests place headers and signatures.
// Whatever would fall past the end is cut off.
class Crafted {
public:
    explicit Crafted(std::size_t size, std::uint8_t fill = 0);

    Crafted& Put(std::size_t at, std::string_view bytes);
    // "MZ" at mz and the little-endian offset field at mz + 0x3C.
    Crafted& Header(std::size_t mz, std::int32_t offset);
    Crafted& Pe(std::size_t at) { return Put(at, "PE"); }

    [[nodiscard]] const ByteVector& Bytes() const { return m_bytes; }

private:
    ByteVector m_bytes;
};

ByteVector ReadBytes(const std::string& path);
ByteVector Joined(const ByteVector& a, const ByteVector& b);
std::string SourcePath(const std::string& relative);
