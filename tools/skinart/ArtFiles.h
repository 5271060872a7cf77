#pragma once
// Writing skinart's output files.

#include "platform/gfx/PixelBuffer.h"

#include <filesystem>
#include <string_view>

// A 24-bit BMP file. Throws EFOpenError or EWriteError.
void WriteBmpFile(const PixelBuffer& picture, const std::filesystem::path& path);
// A text file, bytes as given. Throws EFOpenError or EWriteError.
void WriteTextFile(std::string_view text, const std::filesystem::path& path);
// Makes the folder and its parents. Throws EFOpenError when that fails.
void MakeFolder(const std::filesystem::path& folder);
