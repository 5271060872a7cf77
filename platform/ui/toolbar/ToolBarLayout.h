#pragma once
// Where a tool bar's buttons go: one pure function from the buttons' kinds
// and caption sizes to their rectangles, used by the bar to place its
// buttons (and so by hit testing) and by painting, plus the parts of one
// button (the face and a drop-down arrow) and where its image and caption
// sit on the face.
//
// Buttons go left to right in index order from the content's top-left
// (after Indent). All buttons of a bar share one height: the tallest a
// button needs, at least ButtonHeight. A button is ButtonWidth wide, or as
// wide as its caption needs when captions are shown; a drop-down button
// adds its arrow. Separators and dividers are a fixed gap. With wrapping,
// a button that would cross the right edge starts the next row (unless it
// is first in its row).

#include "platform/core/Rect.h"
#include "platform/core/Rtti.h"

#include <vector>

QZ_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

constexpr int kToolSeparatorWidth = 8;      // pixels, separators and dividers
constexpr int kToolDropDownArrowWidth = 14;  // pixels, the arrow part of a drop-down button
constexpr int kToolCaptionMargin = 6;       // pixels left and right of a caption
constexpr int kToolFaceMargin = 3;          // pixels between the face's edge and its image or caption
constexpr int kToolImageCaptionGap = 2;     // pixels between image and caption

// What the layout needs to know of one button.
struct TToolLayoutItem {
    TToolButtonStyle Style = tbsButton;
    bool Visible = true;
    // The caption as drawn (zero when captions are hidden or it is empty).
    TSize Caption;
};

// What the layout needs to know of the bar.
struct TToolLayoutBar {
    TRect Content;      // inside the bar's edges
    int Indent = 0;     // pixels before the first button of each row
    TSize Button;       // ButtonWidth x ButtonHeight
    TSize Image;        // the image list's cell size, zero without one; every button keeps room for it
    bool List = false;  // captions to the right of the images, not below
    bool Wrapable = false;
};

// The rectangles of the items, in their order (empty for invisible ones).
[[nodiscard]] std::vector<TRect> LayoutToolBar(const TToolLayoutBar& bar, const std::vector<TToolLayoutItem>& items);

// A button's face and, for a drop-down button, its arrow part on the right.
struct TToolButtonParts {
    TRect Face;
    TRect Arrow;  // empty unless drop-down
};
[[nodiscard]] TToolButtonParts ToolButtonParts(const TRect& bounds, TToolButtonStyle style);

// Where a face's image (its top-left) and caption go.
struct TToolFaceContent {
    TPoint Image;
    TRect Caption;
};
// image and caption are the sizes drawn (zero for what is not drawn).
[[nodiscard]] TToolFaceContent ToolFaceContent(const TRect& face, TSize image, TSize caption, bool list);
