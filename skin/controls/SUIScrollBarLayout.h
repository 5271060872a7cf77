#pragma once
// Where the parts of a skinned scroll bar go, as one pure function of its
// orientation, its length and its two arrow buttons' sizes. The bar places
// its children with it and sizes the slider from the track it gives.
//
//   horizontal   | < | track                       | > |
//   vertical     the decrement arrow on top, the track below it (one pixel
//                shorter than the room), the increment arrow at the bottom.
// A bar too short for its arrows gets an empty track.

#include "platform/core/Rect.h"
#include "skin/controls/SUIScrollBarOrientation.h"

struct TScrollBarParts {
    TRect Dec;          // the decrement (up or left) arrow
    TRect Track;
    TRect Inc;          // the increment (down or right) arrow
    int CrossSize = 0;  // the bar's width (vertical) or height (horizontal)
};

// length: the bar's Height when vertical, its Width when horizontal.
[[nodiscard]] TScrollBarParts LayoutScrollBarParts(TsuiProgressBarOrientation orientation, int length, TSize dec,
                                                   TSize inc);
// The room between the arrows along the bar: the longest slider LineButton may ask for.
[[nodiscard]] int ScrollBarRoom(TsuiProgressBarOrientation orientation, int length, TSize dec, TSize inc);
