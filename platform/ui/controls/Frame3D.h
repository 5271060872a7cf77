#pragma once
// The classic three-dimensional frame: width rings of one pixel, the top
// and left lines in topColor, the bottom and right ones in bottomColor.
// rect shrinks by what was drawn.

#include "platform/core/Color.h"
#include "platform/core/Rect.h"

class TCanvas;

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
