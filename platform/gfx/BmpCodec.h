#pragma once
// BMP files on disk: the decoder and encoder plus reading and writing a
// path. Loading refuses a file larger than any bitmap we accept before
// reading it, so a huge or endless file costs nothing.

#include "platform/gfx/BmpDecoder.h"
#include "platform/gfx/BmpEncoder.h"

#include <cstdint>
#include <string>

// Largest file LoadBmpFile reads: a 32-bit bitmap of PixelBuffer::kMaxPixels
// plus room for headers, palette and gaps.
constexpr std::int64_t kMaxBmpFileSize = PixelBuffer::kMaxPixels * 4 + (1 << 20);  // bytes

// Throws EFOpenError when the path cannot be opened or is no regular file,
// EReadError when reading fails, and what DecodeBmp throws.
[[nodiscard]] BmpImage LoadBmpFile(const std::string& path);

// Creates or replaces the file. Throws EFOpenError when it cannot be
// created and EWriteError when writing fails.
void SaveBmpFile(const std::string& path, const PixelBuffer& pixels, BmpPixelFormat format = BmpPixelFormat::Rgb24);
