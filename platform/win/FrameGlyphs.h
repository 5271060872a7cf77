#pragma once
// Internal to platform/win: the small pictures DrawFrameControl puts on
// its parts (arrows, check marks, caption-button symbols), as regions in
// their own coordinates. Sizes follow the space the part offers.

#include "platform/gfx/Region.h"

struct FrameGlyph {
    Region Shape;  // within (0, 0, Size.cx, Size.cy)
    TSize Size;    // the box the glyph is centred by
};

enum class ArrowDirection { Up, Down, Left, Right };

// A solid triangle pointing in the direction, fitting a space x space square.
[[nodiscard]] FrameGlyph ArrowGlyph(ArrowDirection direction, int space);
// The classic 7 x 7 tick of check boxes and menus.
[[nodiscard]] FrameGlyph CheckGlyph();
// A filled circle a third of space across.
[[nodiscard]] FrameGlyph BulletGlyph(int space);

// Caption-button symbols fitting a space x space square.
[[nodiscard]] FrameGlyph CloseGlyph(int space);
[[nodiscard]] FrameGlyph MinimizeGlyph(int space);
[[nodiscard]] FrameGlyph MaximizeGlyph(int space);
[[nodiscard]] FrameGlyph RestoreGlyph(int space);
