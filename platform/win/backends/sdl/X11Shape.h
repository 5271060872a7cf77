#pragma once
// Window shapes through the X Shape extension (SDL's own shaped windows park
// the window off screen, so they are not used). Takes plain rectangles:
// Xlib's Region type clashes with ours, so the two never meet in one file.

#include "platform/core/Rect.h"

#include <vector>

struct _XDisplay;

namespace win {

[[nodiscard]] bool X11ShapeSupported(_XDisplay* display);
// Sets the bounding shape to the union of rects (window coordinates, sorted
// in bands as a Region keeps them); nullptr removes the shape.
void ApplyX11Shape(_XDisplay* display, unsigned long window, const std::vector<TRect>* rects);

}  // namespace win
