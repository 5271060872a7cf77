#pragma once
// The small pictures of a drive combo box's places, drawn with the canvas
// (no bitmaps): a hard disk, a removable stick, a disk on a network cable,
// a house for the home folder.

#include "platform/core/Rect.h"
#include "platform/ui/lists/DriveComboBoxMounts.h"

class TCanvas;

inline constexpr int kDriveIconSize = 16;  // pixels, square

// Draws the kind's picture with its top-left corner at origin.
void DrawDriveIcon(TCanvas& canvas, TDriveKind kind, TPoint origin);
