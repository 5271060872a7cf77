#include "tools/skinart/ProgressArt.h"

#include "tools/skinart/Faces.h"
#include "tools/skinart/Look.h"

PixelBuffer DrawProgress(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Progress);
    const FacePaint paint{look.Progress, look.Progress, look.Shading};
    canvas.FillRect(canvas.Bounds(), FaceShade(paint, FaceState::Normal, 0, size.cy));
    return canvas.Take();
}
