#pragma once
// The plain look of a tool button, drawn by its bar when no custom-draw
// handler takes the button over:
//   raised bar (not Flat): every button a raised box, pushed in when
//     pressed or down; a drop-down arrow part is a box of its own;
//   Flat bar: nothing but the image and caption until the button is hot
//     (a thin raised edge) or pressed or down (a thin sunken edge);
//   down and not pressed: the face checkered in highlight and face colour;
//   marked: the face in the highlight colour;
//   pressed or down: image and caption one pixel right and down;
//   disabled or indeterminate: greyed image and etched caption;
//   separators: a gap, with an etched line for dividers and on Flat bars.

#include "platform/core/Rect.h"
#include "platform/ui/toolbar/CustomDrawState.h"
#include "platform/ui/toolbar/ToolBarLayout.h"

#include <string_view>

class TCanvas;
class TFont;
class TImageList;

// Everything the plain look depends on.
struct TToolButtonLook {
    TRect Bounds;  // in the canvas's coordinates
    TToolButtonStyle Style = tbsButton;
    TCustomDrawState State;
    bool Flat = false;
    // A menu was dropped from the arrow part: the arrow is pressed, not the face.
    bool ArrowDropped = false;
    const TImageList* Images = nullptr;  // the list the image comes from, or none
    bool ImageGreyed = false;            // draw it greyed (no list for disabled images)
    int ImageIndex = -1;
    std::string_view Caption;  // empty when captions are hidden
    const TFont* Font = nullptr;
    bool List = false;  // caption to the right of the image
};

void PaintToolButton(TCanvas& canvas, const TToolButtonLook& look);

// The size a caption takes in font on one line ('&' marks take no room).
[[nodiscard]] TSize MeasureToolCaption(const TFont& font, std::string_view caption);
