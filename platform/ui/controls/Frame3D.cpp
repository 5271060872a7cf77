#include "platform/ui/controls/Frame3D.h"

#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Pen.h"

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    canvas.Pen()->SetWidth(1);
    // The lines run through the last column and row inside rect.
    TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    for (; width > 0; --width) {
        canvas.Pen()->SetColor(topColor);
        canvas.Polyline({TPoint{r.Left, r.Bottom}, TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top}});
        canvas.Pen()->SetColor(bottomColor);
        canvas.Polyline({TPoint{r.Right, r.Top}, TPoint{r.Right, r.Bottom}, TPoint{r.Left - 1, r.Bottom}});
        r = r.Inflated(-1, -1);
    }
    rect = {r.Left, r.Top, r.Right + 1, r.Bottom + 1};
}
