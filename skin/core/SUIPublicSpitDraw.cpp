#include "skin/core/SUIPublic.h"

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/ImageList.h"
#include "skin/core/SpitDrawLayout.h"

namespace {

// A corner at its own size, through an image list: masked with the key
// colour when transparent, opaque otherwise.
void DrawCorner(TBitmap& face, TCanvas& canvas, const TSpitPlacement& piece, bool transparent)
{
    const int width = piece.Dest.Width();
    const int height = piece.Dest.Height();
    TBitmap corner(width, height);
    corner.Canvas()->CopyRect(Rect(0, 0, width, height), face.Canvas(), piece.Source);
    TImageList list(nullptr);
    list.SetWidth(width);
    list.SetHeight(height);
    list.SetMasked(transparent);
    list.AddMasked(&corner, kSkinKeyColor);
    list.Draw(&canvas, piece.Dest.Left, piece.Dest.Top, 0);
}

// An edge or the centre, stretched; its key-colour pixels are never drawn.
void DrawStretched(TBitmap& face, TCanvas& canvas, const TSpitPlacement& piece)
{
    const int width = piece.Dest.Width();
    const int height = piece.Dest.Height();
    TBitmap stretched(width, height);
    stretched.Canvas()->CopyRect(Rect(0, 0, width, height), face.Canvas(), piece.Source);
    stretched.SetTransparentColor(kSkinKeyColor);
    stretched.SetTransparent(true);
    canvas.Draw(piece.Dest.Left, piece.Dest.Top, &stretched);
}

}  // namespace

void SpitDraw(TBitmap* face, TCanvas* canvas, const TRect& rect, bool transparent)
{
    if (!face || !canvas) return;
    const TSpitDrawLayout layout = SpitDrawLayout({face->Width(), face->Height()}, rect);
    for (int i = 0; i < kSpitPieceCount; ++i) {
        const auto piece = TSpitPiece(i);
        const std::optional<TSpitPlacement>& placement = layout[piece];
        if (!placement) continue;
        if (IsCorner(piece)) DrawCorner(*face, *canvas, *placement, transparent);
        else DrawStretched(*face, *canvas, *placement);
    }
}
