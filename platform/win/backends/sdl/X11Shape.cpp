#include "platform/win/backends/sdl/X11Shape.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <algorithm>

namespace win {

namespace {

constexpr int kXCoordMax = 32767;  // pixels; XRectangle holds 16-bit coordinates

short ClampX(int v) { return short(std::clamp(v, -kXCoordMax, kXCoordMax)); }

}  // namespace

bool X11ShapeSupported(_XDisplay* display)
{
    int eventBase = 0;
    int errorBase = 0;
    return XShapeQueryExtension(display, &eventBase, &errorBase) != 0;
}

void ApplyX11Shape(_XDisplay* display, unsigned long window, const std::vector<TRect>* rects)
{
    if (!rects) {
        XShapeCombineMask(display, window, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> xrects;
        xrects.reserve(rects->size());
        for (const TRect& r : *rects) {
            const short left = ClampX(r.Left);
            const short top = ClampX(r.Top);
            const int width = ClampX(r.Right) - left;
            const int height = ClampX(r.Bottom) - top;
            if (width > 0 && height > 0)
                xrects.push_back({left, top, static_cast<unsigned short>(width), static_cast<unsigned short>(height)});
        }
        // Our regions are banded, sorted top to bottom and left to right.
        XShapeCombineRectangles(display, window, ShapeBounding, 0, 0, xrects.data(), int(xrects.size()), ShapeSet,
                                YXBanded);
    }
    XFlush(display);
}

}  // namespace win

