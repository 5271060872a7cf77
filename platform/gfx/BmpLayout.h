#pragma once
// Reads and checks the headers of a BMP file held in memory. Every offset
// and size the returned layout names has been checked against the data: the
// palette entries it counts and all pixel rows lie inside the file, and the
// image size is one PixelBuffer accepts. Anything else is refused here,
// before a single pixel is allocated. Fields that writers often get wrong
// and that we do not need (the file size, the image byte count, planes)
// are ignored.
//
// Throws EInvalidGraphic for files we do not decode (no BM signature,
// unknown header, unsupported depth or compression, image too large) and
// EReadError for damaged ones (truncated, inconsistent fields).

#include "platform/gfx/BmpChannel.h"

#include <cstddef>
#include <cstdint>
#include <span>

struct BmpLayout {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;  // rows stored top row first (negative height in the file)
    int BitCount = 0;      // 1, 4, 8, 16, 24 or 32

    // 16- and 32-bit pixels are split by these masks. Alpha has a mask only
    // in bit-field files that declare one.
    BmpChannel Red;
    BmpChannel Green;
    BmpChannel Blue;
    BmpChannel Alpha;

    // Palette of 1-, 4- and 8-bit files; PaletteEntries counts the entries
    // actually present, which may be fewer than the depth allows.
    std::size_t PaletteOffset = 0;  // bytes from the start of the file
    int PaletteEntrySize = 0;       // bytes: 3 (BGR) for core headers, else 4 (BGR0)
    int PaletteEntries = 0;

    std::size_t PixelOffset = 0;  // bytes from the start of the file
    std::size_t RowStride = 0;    // bytes, padded to four
};

[[nodiscard]] BmpLayout ReadBmpLayout(std::span<const std::uint8_t> data);
