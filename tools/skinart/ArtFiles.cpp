#include "tools/skinart/ArtFiles.h"

#include "platform/core/Exception.h"
#include "platform/gfx/BmpEncoder.h"

#include <fstream>
#include <span>

namespace {

void WriteBytes(std::span<const char> bytes, const std::filesystem::path& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw EFOpenError("Cannot create file " + path.string());
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw EWriteError("Cannot write file " + path.string());
}

}  // namespace

void WriteBmpFile(const PixelBuffer& picture, const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = EncodeBmp(picture, BmpPixelFormat::Rgb24);
    WriteBytes({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, path);
}

void WriteTextFile(std::string_view text, const std::filesystem::path& path)
{
    WriteBytes({text.data(), text.size()}, path);
}

void MakeFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw EFOpenError("Cannot create folder " + folder.string() + ": " + error.message());
}
