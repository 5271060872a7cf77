#include "platform/ui/toolbar/ToolBarLayout.h"

#include <algorithm>

namespace {

bool IsGap(TToolButtonStyle style)
{
    return style == tbsSeparator || style == tbsDivider;
}

// The gap between image and caption when both are there.
int GapBetween(int image, int caption)
{
    return image > 0 && caption > 0 ? kToolImageCaptionGap : 0;
}

// The size a button asks for; separators ask only for their width.
TSize ExtentOf(const TToolLayoutBar& bar, const TToolLayoutItem& item)
{
    if (IsGap(item.Style)) return {kToolSeparatorWidth, 0};
    const TSize image = bar.Image;
    const TSize caption = item.Caption;
    TSize extent = bar.Button;
    if (caption.cx > 0 && bar.List) {
        const int content = image.cx + GapBetween(image.cx, caption.cx) + caption.cx;
        extent.cx = std::max(extent.cx, content + 2 * kToolCaptionMargin);
        extent.cy = std::max(extent.cy, std::max(image.cy, caption.cy) + 2 * kToolFaceMargin);
    } else if (caption.cx > 0) {
        extent.cx = std::max({extent.cx, caption.cx + 2 * kToolCaptionMargin, image.cx + 2 * kToolFaceMargin});
        extent.cy = std::max(extent.cy, image.cy + GapBetween(image.cy, caption.cy) + caption.cy + 2 * kToolFaceMargin);
    } else {
        extent.cx = std::max(extent.cx, image.cx + 2 * kToolFaceMargin);
        extent.cy = std::max(extent.cy, image.cy + 2 * kToolFaceMargin);
    }
    if (item.Style == tbsDropDown) extent.cx += kToolDropDownArrowWidth;
    return extent;
}

}  // namespace

std::vector<TRect> LayoutToolBar(const TToolLayoutBar& bar, const std::vector<TToolLayoutItem>& items)
{
    std::vector<TSize> extents;
    extents.reserve(items.size());
    int height = bar.Button.cy;
    for (const TToolLayoutItem& item : items) {
        extents.push_back(ExtentOf(bar, item));
        if (item.Visible) height = std::max(height, extents.back().cy);
    }
    std::vector<TRect> rects(items.size());
    const int rowStart = bar.Content.Left + bar.Indent;
    int x = rowStart;
    int y = bar.Content.Top;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].Visible) continue;
        const int width = extents[i].cx;
        if (bar.Wrapable && x > rowStart && x + width > bar.Content.Right) {
            x = rowStart;
            y += height;
        }
        rects[i] = TRect::FromSize(x, y, width, height);
        x += width;
    }
    return rects;
}

TToolButtonParts ToolButtonParts(const TRect& bounds, TToolButtonStyle style)
{
    if (style != tbsDropDown) return {bounds, {}};
    const int split = std::max(bounds.Left, bounds.Right - kToolDropDownArrowWidth);
    return {{bounds.Left, bounds.Top, split, bounds.Bottom}, {split, bounds.Top, bounds.Right, bounds.Bottom}};
}

TToolFaceContent ToolFaceContent(const TRect& face, TSize image, TSize caption, bool list)
{
    if (list) {
        const int left = face.Left + kToolCaptionMargin;
        const int captionLeft = left + image.cx + GapBetween(image.cx, caption.cx);
        const int captionTop = face.Top + (face.Height() - caption.cy) / 2;
        return {{left, face.Top + (face.Height() - image.cy) / 2},
                TRect::FromSize(captionLeft, captionTop, caption.cx, caption.cy)};
    }
    const int block = image.cy + GapBetween(image.cy, caption.cy) + caption.cy;
    const int top = face.Top + (face.Height() - block) / 2;
    const int captionTop = top + image.cy + GapBetween(image.cy, caption.cy);
    return {{face.Left + (face.Width() - image.cx) / 2, top},
            TRect::FromSize(face.Left + (face.Width() - caption.cx) / 2, captionTop, caption.cx, caption.cy)};
}
