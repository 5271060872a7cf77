#include "platform/ui/controls/Bevel.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Pen.h"

QZ_IMPLEMENT_CLASS(TBevel);

void TBevel::Publish(TClassBuilder<TBevel>& c)
{
    c.Creatable<TComponent>();
    c.Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
    c.Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
    PublishMouseEvents(c);
}

namespace {

// The outline of the rectangle whose corner pixels are a and b: the left
// and top sides in topLeft, then the right and bottom sides in bottomRight,
// so the top-right corner takes bottomRight and the bottom-left topLeft.
void AddBox(std::vector<TBevelLine>& lines, TPoint a, TPoint b, TColor topLeft, TColor bottomRight)
{
    lines.push_back({{a.X, b.Y}, {a.X, a.Y}, topLeft});
    lines.push_back({{a.X, a.Y}, {b.X, a.Y}, topLeft});
    lines.push_back({{b.X, a.Y}, {b.X, b.Y}, bottomRight});
    lines.push_back({{b.X, b.Y}, {a.X, b.Y}, bottomRight});
}

}  // namespace

std::vector<TBevelLine> BevelLines(TBevelShape shape, TBevelStyle style, TSize size)
{
    // first: above and to the left; second: below and to the right.
    const TColor first = style == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = style == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = size.cx;
    const int h = size.cy;
    std::vector<TBevelLine> lines;
    switch (shape) {
    case bsBox: AddBox(lines, {0, 0}, {w - 1, h - 1}, first, second); break;
    case bsFrame:
        // A groove (or ridge): the second colour one pixel in, the first over it.
        AddBox(lines, {1, 1}, {w - 1, h - 1}, second, second);
        AddBox(lines, {0, 0}, {w - 2, h - 2}, first, first);
        break;
    case bsTopLine:
        lines.push_back({{0, 0}, {w, 0}, first});
        lines.push_back({{0, 1}, {w, 1}, second});
        break;
    case bsBottomLine:
        lines.push_back({{0, h - 2}, {w, h - 2}, first});
        lines.push_back({{0, h - 1}, {w, h - 1}, second});
        break;
    case bsLeftLine:
        lines.push_back({{0, 0}, {0, h}, first});
        lines.push_back({{1, 0}, {1, h}, second});
        break;
    case bsRightLine:
        lines.push_back({{w - 2, 0}, {w - 2, h}, first});
        lines.push_back({{w - 1, 0}, {w - 1, h}, second});
        break;
    case bsSpacer: break;
    }
    return lines;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle().Include(csReplicatable));
    SetBounds(0, 0, kDefaultSize, kDefaultSize);
}

void TBevel::SetShape(TBevelShape shape)
{
    if (m_shape == shape) return;
    m_shape = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style)
{
    if (m_style == style) return;
    m_style = style;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(psSolid);
    for (const TBevelLine& line : BevelLines(m_shape, m_style, {Width(), Height()})) {
        canvas.Pen()->SetColor(line.Color);
        canvas.MoveTo(line.From.X, line.From.Y);
        canvas.LineTo(line.To.X, line.To.Y);
    }
}
