#pragma once
// Decodes a BMP file held in memory into a PixelBuffer.
//
// Accepted: the core (12-byte) and the 40-, 52-, 56-, 108- and 124-byte
// info headers; 1, 4 and 8 bits with a palette; 16 bits as 5-5-5 or with
// bit-field masks (such as 5-6-5); 24 bits; 32 bits plain or with bit-field
// masks; rows stored bottom-up or top-down. Run-length compressed files are
// refused.
//
// Documented defaults:
// - Palette indices past the end of a short palette are opaque black.
// - Pixels are opaque unless the file carries an alpha bit-field mask; a
//   file whose alpha is zero in every pixel is taken as opaque, since such
//   files mean "no alpha" rather than "invisible".
//
// Throws EInvalidGraphic for files we do not decode and EReadError for
// damaged ones; nothing is allocated before the headers have been checked
// against the data (see BmpLayout.h).

#include "platform/gfx/PixelBuffer.h"

#include <cstdint>
#include <span>

struct BmpImage {
    PixelBuffer Pixels;
    int SourceBitCount = 0;  // bits per pixel in the file: 1, 4, 8, 16, 24 or 32
};

[[nodiscard]] BmpImage DecodeBmp(std::span<const std::uint8_t> data);
