#pragma once
// A line of text laid out in pixels: one item per code point, with its pen
// position from the start of the line. Carets go at an item's X or at the
// run's Width, never inside a character.

#include <cstddef>
#include <vector>

struct TextRunItem {
    char32_t CodePoint = 0;
    int X = 0;        // pixels from the start of the line
    int Advance = 0;  // pixels
    std::size_t ByteOffset = 0;  // where the code point starts in the source text
    bool Accelerator = false;    // underlined as a keyboard accelerator
};

struct TextRun {
    std::vector<TextRunItem> Items;
    int Width = 0;  // pixels: the sum of the advances

    void Append(char32_t cp, int advance, std::size_t byteOffset, bool accelerator = false)
    {
        Items.push_back({cp, Width, advance, byteOffset, accelerator});
        Width += advance;
    }
};
