#include "BmpTestFile.h"

#include <algorithm>
#include <cstdlib>

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

}  // namespace

void Poke16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value)
{
    for (int i = 0; i < 2; ++i) bytes.at(offset + i) = std::uint8_t(value >> (8 * i));
}

void Poke32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes.at(offset + i) = std::uint8_t(value >> (8 * i));
}

std::vector<std::uint8_t> BmpTestFile::Bytes() const
{
    const bool core = HeaderSize == 12;
    const int rows = std::abs(Height);
    const std::size_t masksAfterHeader = HeaderSize == 40 ? Masks.size() * 4 : 0;
    const std::size_t paletteSize = Palette.size() * (core ? 3 : 4);
    const std::size_t pixelOffset = 14 + std::size_t(HeaderSize) + masksAfterHeader + paletteSize + GapBeforePixels;
    const std::size_t stride = (std::size_t(Width) * std::size_t(BitCount) + 31) / 32 * 4;

    std::vector<std::uint8_t> out;
    Put(out, 0x4D42, 2);
    Put(out, std::uint32_t(pixelOffset + stride * std::size_t(rows)), 4);
    Put(out, 0, 4);
    Put(out, std::uint32_t(pixelOffset), 4);
    if (core) {
        Put(out, 12, 4);
        Put(out, std::uint32_t(Width), 2);
        Put(out, std::uint32_t(Height), 2);
        Put(out, 1, 2);
        Put(out, std::uint32_t(BitCount), 2);
    } else {
        Put(out, std::uint32_t(HeaderSize), 4);
        Put(out, std::uint32_t(Width), 4);
        Put(out, std::uint32_t(Height), 4);
        Put(out, 1, 2);
        Put(out, std::uint32_t(BitCount), 2);
        Put(out, Compression, 4);
        Put(out, std::uint32_t(stride * std::size_t(rows)), 4);
        Put(out, 2835, 4);
        Put(out, 2835, 4);
        Put(out, ColorsUsed, 4);
        Put(out, 0, 4);
        for (std::uint32_t mask : Masks) Put(out, mask, 4);
        out.resize(std::max(out.size(), 14 + std::size_t(HeaderSize)), 0);
    }
    for (std::uint32_t entry : Palette) Put(out, entry, core ? 3 : 4);
    out.resize(out.size() + GapBeforePixels, 0xEE);

    for (int r = 0; r < rows; ++r) {
        const int y = Height < 0 ? r : rows - 1 - r;
        std::vector<std::uint8_t> row;
        unsigned pending = 0;  // bits of a partly filled byte
        int pendingBits = 0;
        for (int x = 0; x < Width; ++x) {
            const std::uint32_t v = Values.at(std::size_t(y) * std::size_t(Width) + std::size_t(x));
            if (BitCount >= 16) {
                Put(row, v, BitCount / 8);
                continue;
            }
            pending = (pending << BitCount) | v;
            pendingBits += BitCount;
            if (pendingBits == 8) {
                row.push_back(std::uint8_t(pending));
                pending = 0;
                pendingBits = 0;
            }
        }
        if (pendingBits != 0) row.push_back(std::uint8_t(pending << (8 - pendingBits)));
        row.resize(stride, 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
