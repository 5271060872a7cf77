#include "skin/controls/SUIButtonGlyphLayout.h"

TGlyphPlacement GlyphLayout(const TGlyphLayoutInput& in)
{
    const int w = in.Button.cx;
    const int h = in.Button.cy;
    const int tw = in.Text.cx;
    const int th = in.Text.cy;
    const int gw = in.Glyph.cx;
    const int gh = in.Glyph.cy;
    const int gap = in.Spacing;
    TGlyphPlacement p;
    switch (in.Layout) {
    case blGlyphLeft:
        p.Glyph = {(w - (tw + gw + gap)) / 2, (h - gh) / 2};
        p.Text = {p.Glyph.X + gw + gap, (h - th) / 2};
        break;
    case blGlyphRight:
        p.Glyph = {(w + tw + gap - gw) / 2, (h - gh) / 2};
        p.Text = {p.Glyph.X - tw - gap, (h - th) / 2};
        break;
    case blGlyphTop:
        p.Glyph = {(w - gw) / 2, (h - (th + gh + gap)) / 2};
        p.Text = {(w - tw) / 2, p.Glyph.Y + gh + gap};
        break;
    case blGlyphBottom:
        p.Glyph = {(w - gw) / 2, (h + th + gap - gh) / 2};
        p.Text = {(w - tw) / 2, p.Glyph.Y - th - gap};
        break;
    }
    if (in.Pressed) {
        p.Glyph = p.Glyph.Offset(1, 1);
        p.Text = p.Text.Offset(1, 1);
    }
    return p;
}
