#pragma once
// Measuring text as TextOut draws it: no kerning, whole-pixel advances, so
// that a text's width is the sum of its characters' widths.

#include "platform/core/Rect.h"
#include "platform/gfx/TextRun.h"

#include <string_view>

class Font;

// Control characters take no room and draw nothing.
[[nodiscard]] constexpr bool IsControlChar(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp < 0xA0); }

// The advance of one code point: zero for control characters.
[[nodiscard]] int AdvanceOf(const Font& font, char32_t cp);

// Every code point of UTF-8 text with its position and advance.
[[nodiscard]] TextRun MeasureText(const Font& font, std::string_view text);

// The width of the text and the font's cell height, as the classic
// GetTextExtentPoint32 reports them.
[[nodiscard]] TSize TextExtent(const Font& font, std::string_view text);
