// TToolBar's painting: the custom-draw events, the background and edges,
// and the plain look of buttons no handler took over.

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/toolbar/ToolBar.h"
#include "platform/ui/toolbar/ToolButton.h"
#include "platform/ui/toolbar/ToolButtonPaint.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

#include <string>

namespace {

// The BDR_* bits of the bar's two rings.
UINT EdgeBits(TEdgeStyle outer, TEdgeStyle inner)
{
    UINT bits = 0;
    if (outer == esRaised) bits |= BDR_RAISEDOUTER;
    if (outer == esLowered) bits |= BDR_SUNKENOUTER;
    if (inner == esRaised) bits |= BDR_RAISEDINNER;
    if (inner == esLowered) bits |= BDR_SUNKENINNER;
    return bits;
}

UINT SideFlags(TEdgeBorders borders)
{
    UINT flags = 0;
    if (borders.Contains(ebLeft)) flags |= BF_LEFT;
    if (borders.Contains(ebTop)) flags |= BF_TOP;
    if (borders.Contains(ebRight)) flags |= BF_RIGHT;
    if (borders.Contains(ebBottom)) flags |= BF_BOTTOM;
    return flags;
}

// Sets a flag for as long as a handler runs.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TFlagScope() { m_flag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& m_flag;
};

}  // namespace

TRect TToolBar::ContentRect() const
{
    const TRect client = ClientRect();
    const UINT sides = SideFlags(m_edgeBorders);
    const int rings = (m_edgeOuter != esNone ? 1 : 0) + (m_edgeInner != esNone ? 1 : 0);
    return {client.Left + ((sides & BF_LEFT) ? rings : 0), client.Top + ((sides & BF_TOP) ? rings : 0),
            client.Right - ((sides & BF_RIGHT) ? rings : 0), client.Bottom - ((sides & BF_BOTTOM) ? rings : 0)};
}

void TToolBar::Paint()
{
    TCanvas& canvas = *Canvas();
    bool defaultDraw = true;
    if (OnCustomDraw) {
        const TFlagScope scope(m_customDrawing);
        OnCustomDraw(this, ClientRect(), defaultDraw);
    }
    if (defaultDraw) PaintBackground(canvas);
    for (int i = 0; i < ControlCount(); ++i) {
        auto* button = dynamic_cast<TToolButton*>(Controls(i));
        if (button && button->Visible()) PaintButton(canvas, *button);
    }
}

void TToolBar::PaintBackground(TCanvas& canvas)
{
    if (!m_transparent) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ClientRect());
    } else if (!OnCustomDraw) {
        PaintParentBehind(canvas);
    }
    RECT edges = ClientRect();
    const UINT bits = EdgeBits(m_edgeOuter, m_edgeInner);
    const UINT sides = SideFlags(m_edgeBorders);
    if (bits != 0 && sides != 0) DrawEdge(canvas.Handle(), edges, bits, sides);
}

// A transparent bar without a handler for its background shows its parent.
void TToolBar::PaintParentBehind(TCanvas& canvas)
{
    TWinControl* parent = Parent();
    if (!parent) return;
    const HDC dc = canvas.Handle();
    const int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, origin);
    SetViewportOrgEx(dc, origin.X - Left(), origin.Y - Top());
    IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
    const HWND window = parent->Handle();
    SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessage(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    // The parent's canvas put the context's own tools back.
    canvas.Refresh();
}

void TToolBar::PaintButton(TCanvas& canvas, TToolButton& button)
{
    const TCustomDrawState state = button.DrawState();
    bool defaultDraw = true;
    if (OnCustomDrawButton) {
        const TFlagScope scope(m_customDrawing);
        OnCustomDrawButton(this, &button, state, defaultDraw);
    }
    if (!defaultDraw) return;
    const TImageList* images = m_images;
    bool greyed = false;
    if (!button.Enabled()) {
        if (m_disabledImages) images = m_disabledImages;
        else greyed = true;
    } else if (state.Contains(cdsHot) && m_hotImages) {
        images = m_hotImages;
    }
    const std::string caption = m_showCaptions ? button.Caption() : std::string();
    TToolButtonLook look;
    look.Bounds = button.BoundsRect();
    look.Style = button.Style();
    look.State = state;
    look.Flat = m_flat;
    look.ArrowDropped = button.Dropped() && button.Style() == tbsDropDown;
    look.Images = images;
    look.ImageGreyed = greyed;
    look.ImageIndex = button.ImageIndex();
    look.Caption = caption;
    look.Font = Font();
    look.List = m_list;
    PaintToolButton(canvas, look);
}
