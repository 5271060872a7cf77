#pragma once
// Where DrawText puts each line of its text. DrawText draws this layout;
// DT_CALCRECT returns its bounds without drawing.
//
// Line breaking with DT_WORDBREAK: a line breaks after spaces and tabs, and
// between two characters when either is a wide (CJK) one, except before
// closing punctuation such as "！" or after opening punctuation. A run with
// no break that fits, such as a long word, is broken between characters,
// so text never runs out of its rectangle sideways. Spaces at a break hang
// outside the line and are not drawn.
//
// Lines end at "\r\n", "\n" or "\r" unless DT_SINGLELINE; a trailing line
// break starts no further line. Empty text is one empty line.

#include "platform/core/Rect.h"
#include "platform/gfx/DrawTextFlags.h"
#include "platform/gfx/TextRun.h"

#include <string_view>
#include <vector>

class Font;

struct DrawTextLine {
    TextRun Run;
    TPoint Origin;  // top-left of the line's cell
};

struct DrawTextLayout {
    std::vector<DrawTextLine> Lines;
    TRect Bounds;    // what DT_CALCRECT returns: rect's top-left, the widest line, all lines
    int Height = 0;  // what DrawText returns
};

[[nodiscard]] DrawTextLayout LayoutDrawText(const Font& font, std::string_view text, const TRect& rect,
                                            unsigned format);
