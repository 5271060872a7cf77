#include "tests/app/TestFiles.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace {
std::atomic<int> g_scratchSerial{0};
}

ScratchDir::ScratchDir()
    : m_path(std::filesystem::temp_directory_path()
          / ("qz-app-test-" + std::to_string(getpid()) + "-" + std::to_string(g_scratchSerial++)))
{
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchDir::Write(const std::string& name, const ByteVector& bytes) const
{
    const std::filesystem::path path = m_path / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path.string();
}

Crafted::Crafted(std::size_t size, std::uint8_t fill)
    : m_bytes(size, fill)
{
}

Crafted& Crafted::Put(std::size_t at, std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size() && at + i < m_bytes.size(); ++i)
        m_bytes[at + i] = static_cast<std::uint8_t>(bytes[i]);
    return *this;
}

Crafted& Crafted::Header(std::size_t mz, std::int32_t offset)
{
    const auto v = static_cast<std::uint32_t>(offset);
    const char field[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
        static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    Put(mz, "MZ");
    return Put(mz + 0x3C, std::string_view(field, 4));
}

ByteVector ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ByteVector Joined(const ByteVector& a, const ByteVector& b)
{
    ByteVector out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

std::string SourcePath(const std::string& relative)
{
    return std::string(QZ_SOURCE_DIR) + "/" + relative;
}
