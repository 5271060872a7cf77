#pragma once
// Encodes a PixelBuffer as a bottom-up BMP file.
//
// Rgb24 writes a plain 40-byte info header and drops alpha. Argb32 writes
// a 108-byte header with bit-field masks that keep every channel, alpha
// included. DecodeBmp gives the buffer back exactly: always for Argb32
// (except that a buffer with alpha zero everywhere comes back opaque), and
// for opaque buffers with Rgb24.

#include "platform/gfx/PixelBuffer.h"

#include <cstdint>
#include <vector>

enum class BmpPixelFormat { Rgb24, Argb32 };

// Throws EInvalidGraphic for an empty buffer, which BMP cannot hold.
[[nodiscard]] std::vector<std::uint8_t> EncodeBmp(const PixelBuffer& pixels,
                                                  BmpPixelFormat format = BmpPixelFormat::Rgb24);
