#pragma once
// TCharWidths: the advance of each character in a control's font and the
// font's line height, measured once and remembered. The control says when
// its font changed (Reset). The memory stays bounded: past kMaxCached
// characters the remembered widths start over.

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <unordered_map>

class TFont;

class TCharWidths {
public:
    static constexpr std::size_t kMaxCached = 4096;  // characters

    explicit TCharWidths(const TFont* font) : m_font(font) {}
    ~TCharWidths();
    TCharWidths(const TCharWidths&) = delete;
    TCharWidths& operator=(const TCharWidths&) = delete;

    // Forgets what was measured: the font changed.
    void Reset();
    // Pixels.
    [[nodiscard]] int Advance(char32_t cp);
    // The font's cell height, pixels.
    [[nodiscard]] int LineHeight();

private:
    // A memory context with the font selected.
    HDC Context();

    const TFont* m_font;
    HDC m_dc = nullptr;
    std::unordered_map<char32_t, int> m_advances;  // pixels
    int m_lineHeight = -1;                         // pixels; -1 until measured
};
