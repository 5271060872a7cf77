#pragma once
// The classic text metrics of a font, in pixels. The cell of a line of text
// is tmHeight = tmAscent + tmDescent high; tmHeight - tmInternalLeading is
// the em size.

struct TTextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
};

// Where underline and strike-out lines go, in rows from the top of the cell.
struct FontDecorations {
    int UnderlineTop = 0;
    int UnderlineThickness = 1;
    int StrikeOutTop = 0;
    int StrikeOutThickness = 1;
};
