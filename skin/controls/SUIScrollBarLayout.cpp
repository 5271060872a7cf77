#include "skin/controls/SUIScrollBarLayout.h"

#include <algorithm>

TScrollBarParts LayoutScrollBarParts(TsuiProgressBarOrientation orientation, int length, TSize dec, TSize inc)
{
    TScrollBarParts parts;
    if (orientation == suiVertical) {
        parts.CrossSize = dec.cx;
        parts.Dec = TRect::FromSize(0, 0, dec.cx, dec.cy);
        parts.Track = TRect::FromSize(0, dec.cy, parts.CrossSize, std::max(length - inc.cy - dec.cy - 1, 0));
        parts.Inc = TRect::FromSize(0, length - inc.cy, inc.cx, inc.cy);
    } else {
        parts.CrossSize = dec.cy;
        parts.Dec = TRect::FromSize(0, 0, dec.cx, dec.cy);
        parts.Track = TRect::FromSize(dec.cx, 0, std::max(length - inc.cx - dec.cx, 0), parts.CrossSize);
        parts.Inc = TRect::FromSize(length - inc.cx, 0, inc.cx, inc.cy);
    }
    return parts;
}

int ScrollBarRoom(TsuiProgressBarOrientation orientation, int length, TSize dec, TSize inc)
{
    return orientation == suiVertical ? length - dec.cy - inc.cy : length - dec.cx - inc.cx;
}
