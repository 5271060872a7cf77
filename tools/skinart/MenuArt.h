#pragma once
// Menu pictures: the striped menu bar and selection of the MacOS look, and
// the minimise, restore and close buttons of a maximised child window that
// the menu bar shows.

#include "tools/skinart/ArtPainter.h"

[[nodiscard]] PixelBuffer DrawMenuBar(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawMenuSelect(const Look& look, TSize size);
// Three frames: minimise, restore, close; neutral grey to suit every style.
[[nodiscard]] PixelBuffer DrawMdiButtons(const Look& look, TSize size);
