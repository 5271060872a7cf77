#pragma once
// PNG encoding of pixel buffers, for screenshots and golden images.

#include "platform/gfx/PixelBuffer.h"

#include <cstdint>
#include <string>
#include <vector>

enum class PngChannels {
    Rgb,   // 8-bit RGB; alpha is dropped
    Rgba,  // 8-bit RGBA
};

// Throws EWriteError when the buffer is empty or libpng fails.
[[nodiscard]] std::vector<std::uint8_t> EncodePng(const PixelBuffer& pixels, PngChannels channels = PngChannels::Rgb);

// Throws EFOpenError when the file cannot be created, EWriteError when
// encoding or writing fails.
void SavePngFile(const PixelBuffer& pixels, const std::string& path, PngChannels channels = PngChannels::Rgb);
