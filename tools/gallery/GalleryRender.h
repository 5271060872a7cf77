#pragma once
// The gallery drawn off screen on a headless desktop of its own: the whole
// window (--screenshot), one section's panel (the goldens) and the contact
// sheet of every section in every look (--contact).

#include "platform/gfx/PixelBuffer.h"
#include "tools/gallery/GalleryStyle.h"

#include <string>
#include <string_view>
#include <vector>

// Registers what the gallery needs once: the skin bitmaps and the classes.
void PrepareGallery();

// The gallery window in style: every section, or page alone.
[[nodiscard]] PixelBuffer RenderGalleryWindow(const TGalleryStyle& style, const std::string& page);
// The panel of one section in style.
[[nodiscard]] PixelBuffer RenderGallerySection(const TGalleryStyle& style, std::string_view section);
// Where a named control sits: its bounds in the window's client area.
struct TGalleryPlace {
    std::string Name;
    TRect Bounds;
};
// Every named control of the gallery in style, in page order.
[[nodiscard]] std::vector<TGalleryPlace> GalleryLayout(const TGalleryStyle& style, const std::string& page);

// Every section (rows) in every style (columns), each column under its
// style's name.
[[nodiscard]] PixelBuffer RenderContactSheet(const std::vector<TGalleryStyle>& styles);
