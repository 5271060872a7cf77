#pragma once
// Smaller pictures: the form background tiles, the image panel's roll
// button, the navigator's buttons, the status bar's size grip, the font
// combo box's font-kind marks and the program's icon.

#include "tools/skinart/ArtPainter.h"

// An 8 x 8 tile after the look's background tile kind.
[[nodiscard]] PixelBuffer DrawFormBackground(const Look& look, TSize size);
// Four frames: expanded, expanded with the pointer over it, rolled up,
// rolled up with the pointer over it.
[[nodiscard]] PixelBuffer DrawPanelButton(const Look& look, TSize size);
// Ten frames on fuchsia: first, prior, next, last, insert, delete, edit,
// post, cancel, refresh.
[[nodiscard]] PixelBuffer DrawNavigatorButtons(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawSizeGrip(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawDeviceFontMark(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawTrueTypeFontMark(const Look& look, TSize size);
// Two joined pages under a magnifying glass, on fuchsia.
[[nodiscard]] PixelBuffer DrawMainIcon(const Look& look, TSize size);
