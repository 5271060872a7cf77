#include "platform/ui/toolbar/ToolButtonPaint.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/CaptionText.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/win/Gdi.h"

#include <array>

namespace {

constexpr int kPatternSide = 8;  // pixels, the checkered fill's tile
constexpr int kArrowGlyphWidth = 5;  // pixels, the top row of the drop-down triangle

// How one part of a button is framed.
enum class TPartEdge { None, Raised, Sunken };

TPartEdge EdgeOf(bool flat, bool sunken, bool hot)
{
    if (sunken) return TPartEdge::Sunken;
    if (!flat || hot) return TPartEdge::Raised;
    return TPartEdge::None;
}

void DrawPartEdge(TCanvas& canvas, const TRect& rect, TPartEdge edge, bool flat)
{
    if (edge == TPartEdge::None) return;
    RECT r = rect;
    if (flat) {
        DrawEdge(canvas.Handle(), r, edge == TPartEdge::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    } else {
        DrawEdge(canvas.Handle(), r, edge == TPartEdge::Raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
    }
}

// The classic fill of a button that is down: highlight and face colour in a checkerboard.
void FillCheckered(TCanvas& canvas, const TRect& rect)
{
    std::array<TPixel, kPatternSide * kPatternSide> bits{};
    for (int y = 0; y < kPatternSide; ++y) {
        for (int x = 0; x < kPatternSide; ++x) {
            bits[std::size_t(y * kPatternSide + x)] = PixelFromColor((x + y) % 2 ? clBtnFace : clBtnHighlight);
        }
    }
    const HBITMAP pattern = CreateBitmap(kPatternSide, kPatternSide, 1, 32, bits.data());
    const HBRUSH brush = CreatePatternBrush(pattern);
    FillRect(canvas.Handle(), rect, brush);
    DeleteObject(brush);
    DeleteObject(pattern);
}

void FillSolid(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

// A small black triangle pointing down, centred in rect.
void DrawArrowGlyph(TCanvas& canvas, const TRect& rect, TColor color)
{
    const int left = rect.Left + (rect.Width() - kArrowGlyphWidth) / 2;
    const int top = rect.Top + (rect.Height() - kArrowGlyphWidth / 2 - 1) / 2;
    for (int row = 0; row <= kArrowGlyphWidth / 2; ++row) {
        FillSolid(canvas, {left + row, top + row, left + kArrowGlyphWidth - row, top + row + 1}, color);
    }
}

// An etched vertical line in the middle of a separator.
void DrawDivider(TCanvas& canvas, const TRect& bounds)
{
    const int x = bounds.Left + bounds.Width() / 2 - 1;
    RECT line = {x, bounds.Top, x + 2, bounds.Bottom};
    DrawEdge(canvas.Handle(), line, EDGE_ETCHED, BF_LEFT);
}

void DrawContent(TCanvas& canvas, const TToolButtonLook& look, const TRect& face, bool shifted)
{
    const TImageList* images = look.Images;
    const bool hasImage = images && look.ImageIndex >= 0 && look.ImageIndex < images->Count();
    const TSize imageSize = images ? TSize{images->Width(), images->Height()} : TSize{};
    const TSize captionSize = look.Caption.empty() || !look.Font ? TSize{} : MeasureToolCaption(*look.Font, look.Caption);
    const TRect at = shifted ? face.Offset(1, 1) : face;
    const TToolFaceContent content = ToolFaceContent(at, imageSize, captionSize, look.List);
    const bool greyed = look.State.Contains(cdsDisabled) || look.State.Contains(cdsIndeterminate);
    if (hasImage) {
        const auto state = look.ImageGreyed || look.State.Contains(cdsIndeterminate) ? TImageList::TDrawState::Disabled
                                                                                      : TImageList::TDrawState::Enabled;
        images->Draw(&canvas, content.Image.X, content.Image.Y, look.ImageIndex, state);
    }
    if (captionSize.cx == 0) return;
    canvas.SetFont(look.Font);
    if (look.State.Contains(cdsMarked)) canvas.Font()->SetColor(clHighlightText);
    TRect text = content.Caption;
    DrawCaptionText(canvas, text, look.Caption, DT_LEFT | DT_SINGLELINE | DT_NOCLIP,
                    greyed ? TCaptionInk::Etched : TCaptionInk::Normal);
}

}  // namespace

TSize MeasureToolCaption(const TFont& font, std::string_view caption)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font.Handle());
    RECT rect;
    DrawText(dc, caption, -1, rect, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    return rect.Size();
}

void PaintToolButton(TCanvas& canvas, const TToolButtonLook& look)
{
    if (look.Style == tbsSeparator || look.Style == tbsDivider) {
        if (look.Style == tbsDivider || look.Flat) DrawDivider(canvas, look.Bounds);
        return;
    }
    const TToolButtonParts parts = ToolButtonParts(look.Bounds, look.Style);
    const bool selected = look.State.Contains(cdsSelected);
    const bool down = look.State.Contains(cdsChecked);
    const bool hot = look.State.Contains(cdsHot);
    const bool faceSunken = (selected && !look.ArrowDropped) || down;
    const bool arrowSunken = selected && look.ArrowDropped;
    if (look.State.Contains(cdsMarked)) {
        FillSolid(canvas, parts.Face, clHighlight);
    } else if (down && !selected) {
        FillCheckered(canvas, parts.Face);
    } else if (!look.Flat) {
        FillSolid(canvas, look.Bounds, clBtnFace);
    }
    DrawPartEdge(canvas, parts.Face, EdgeOf(look.Flat, faceSunken, hot), look.Flat);
    if (!parts.Arrow.IsEmpty()) {
        DrawPartEdge(canvas, parts.Arrow, EdgeOf(look.Flat, arrowSunken, hot || faceSunken), look.Flat);
        const bool enabled = !look.State.Contains(cdsDisabled);
        DrawArrowGlyph(canvas, arrowSunken ? parts.Arrow.Offset(1, 1) : parts.Arrow, enabled ? clBtnText : clBtnShadow);
    }
    DrawContent(canvas, look, parts.Face, faceSunken);
}
