#pragma once
// The publisher's picture on the main window: a shield with two program
// pages under a magnifying glass and a ribbon with the tool's wordmark, on
// fuchsia. The main form description carries it as its image's
// "Picture.Data", which PictureDataLines writes.

#include "tools/skinart/Catalog.h"

#include <string>

// Spaces before each hex line of the picture in the main form description:
// two more than the image's own properties.
inline constexpr int kPublisherDataIndent = 8;

// Drawn on a 100 x 94 grid in the look's colours; edges are blended into
// the look's background. Another size crops or pads with key.
[[nodiscard]] PixelBuffer DrawPublisherBadge(const Look& look, TSize size);
// The picture at the main window's size, 100 x 94, in the DeepBlue look.
[[nodiscard]] ArtPiece PublisherPiece();

// The body of a form description's "Picture.Data = {...}": the class name
// TBitmap behind its length byte, then the picture's 24-bit BMP file, as
// upper-case hex, 64 digits a line, each line indented by indent spaces and
// ended by a newline.
[[nodiscard]] std::string PictureDataLines(const PixelBuffer& picture, int indent);
