#pragma once
// One rendered glyph: its advance and an 8-bit coverage bitmap placed
// relative to the pen position on the baseline.

#include <cstdint>
#include <vector>

struct Glyph {
    int Advance = 0;  // pixels to the next pen position
    int Left = 0;     // bitmap's left edge, right of the pen position
    int Top = 0;      // bitmap's top edge, above the baseline
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Coverage;  // Width * Height values 0..255, rows top-down
};
