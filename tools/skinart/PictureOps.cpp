#include "tools/skinart/PictureOps.h"

#include "platform/gfx/Painter.h"
#include "tools/skinart/Look.h"

#include <algorithm>

PixelBuffer FrameOf(const PixelBuffer& strip, int count, int index)
{
    const int width = strip.Width() / std::max(count, 1);
    PixelBuffer frame(width, strip.Height());
    Painter(frame).BitBlt(0, 0, width, strip.Height(), &strip, width * (index - 1), 0, SRCCOPY);
    return frame;
}

PixelBuffer TurnLeft(const PixelBuffer& picture)
{
    const int w = picture.Width();
    PixelBuffer turned(picture.Height(), w);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < w; ++x) turned.At(y, w - 1 - x) = picture.At(x, y);
    }
    return turned;
}

PixelBuffer TurnRight(const PixelBuffer& picture)
{
    const int h = picture.Height();
    PixelBuffer turned(h, picture.Width());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < picture.Width(); ++x) turned.At(h - 1 - y, x) = picture.At(x, y);
    }
    return turned;
}

PixelBuffer ScaledUp(const PixelBuffer& picture, int factor)
{
    PixelBuffer scaled(picture.Width() * factor, picture.Height() * factor);
    Painter(scaled).StretchBlt(0, 0, scaled.Width(), scaled.Height(), &picture, 0, 0, picture.Width(),
                               picture.Height(), SRCCOPY);
    return scaled;
}

void Put(PixelBuffer& dest, const PixelBuffer& source, TPoint at, std::optional<TColor> key)
{
    PutStretched(dest, source, source.Bounds(), source.Bounds().Offset(at), key);
}

void PutStretched(PixelBuffer& dest, const PixelBuffer& source, const TRect& part, const TRect& target,
                  std::optional<TColor> key)
{
    if (part.IsEmpty() || target.IsEmpty()) return;
    Painter painter(dest);
    if (key) {
        painter.TransparentBlt(target.Left, target.Top, target.Width(), target.Height(), source, part.Left, part.Top,
                               part.Width(), part.Height(), *key);
    } else {
        painter.StretchBlt(target.Left, target.Top, target.Width(), target.Height(), &source, part.Left, part.Top,
                           part.Width(), part.Height(), SRCCOPY);
    }
}

void PutNinePiece(PixelBuffer& dest, const PixelBuffer& face, const TRect& target)
{
    const int w = face.Width() / 2;
    const int h = face.Height() / 2;
    const int fw = face.Width();
    const int fh = face.Height();
    const int l = target.Left;
    const int t = target.Top;
    const int r = target.Right;
    const int b = target.Bottom;
    const TColor key = kKeyColor;
    // Columns: [0, w) kept on the left, [w, w + 1) stretched, [w + 1, fw) kept on the right; rows alike.
    const int cols[] = {0, w, w + 1, fw};
    const int rows[] = {0, h, h + 1, fh};
    const int xs[] = {l, l + w, r - (fw - w - 1), r};
    const int ys[] = {t, t + h, b - (fh - h - 1), b};
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            PutStretched(dest, face, {cols[i], rows[j], cols[i + 1], rows[j + 1]}, {xs[i], ys[j], xs[i + 1], ys[j + 1]},
                         key);
        }
    }
}

void PutThreePiece(PixelBuffer& dest, const PixelBuffer& picture, const TRect& target)
{
    const int piece = picture.Width() / 3;
    const int h = picture.Height();
    PutStretched(dest, picture, {0, 0, piece, h}, {target.Left, target.Top, target.Left + piece, target.Top + h});
    PutStretched(dest, picture, {piece, 0, 2 * piece, h},
                 {target.Left + piece, target.Top, target.Right - piece, target.Top + h});
    PutStretched(dest, picture, {2 * piece, 0, 3 * piece, h},
                 {target.Right - piece, target.Top, target.Right, target.Top + h});
}
