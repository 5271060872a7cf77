// TCanvas: the context, the tools and their selection, pixels, changes.
#include "platform/ui/graphics/Canvas.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/win/Gdi.h"

QZ_IMPLEMENT_CLASS(TCanvas);

void TCanvas::Publish(TClassBuilder<TCanvas>& c)
{
    c.SubObject("Brush", &TCanvas::Brush, &TCanvas::SetBrush);
    c.SubObject("Font", &TCanvas::Font, &TCanvas::SetFont);
    c.SubObject("Pen", &TCanvas::Pen, &TCanvas::SetPen);
}

TCanvas::TCanvas()
    : m_font(std::make_unique<TFont>()), m_pen(std::make_unique<TPen>()), m_brush(std::make_unique<TBrush>())
{
    m_font->OnChange = [this](TObject*) { ToolChanged(kFontValid); };
    m_pen->OnChange = [this](TObject*) { ToolChanged(kPenValid); };
    m_brush->OnChange = [this](TObject*) { ToolChanged(kBrushValid); };
}

TCanvas::~TCanvas()
{
    DeselectHandles();
}

HDC TCanvas::Handle()
{
    if (!m_handle) CreateHandle();
    if (!m_handle) throw EInvalidOperation("Canvas does not allow drawing");
    if (!(m_state & kPenValid)) {
        SelectObject(m_handle, m_pen->Handle());
        SetROP2(m_handle, ROP2FromPenMode(m_pen->Mode()));
        m_state |= kPenValid;
    }
    if (!(m_state & kBrushValid)) {
        SelectObject(m_handle, m_brush->Handle());
        // Text cells take a solid brush's colour; other brushes leave them alone.
        if (m_brush->Style() == bsSolid) {
            SetBkColor(m_handle, COLORREF(m_brush->Color()));
            SetBkMode(m_handle, OPAQUE);
        } else {
            SetBkMode(m_handle, TRANSPARENT);
        }
        m_state |= kBrushValid;
    }
    if (!(m_state & kFontValid)) {
        SelectObject(m_handle, m_font->Handle());
        SetTextColor(m_handle, COLORREF(m_font->Color()));
        m_state |= kFontValid;
    }
    return m_handle;
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == m_handle) return;
    DeselectHandles();
    m_handle = dc;
}

void TCanvas::SetFont(const TFont* font)
{
    if (font) m_font->Assign(*font);
}

void TCanvas::SetPen(const TPen* pen)
{
    if (pen) m_pen->Assign(*pen);
}

void TCanvas::SetBrush(const TBrush* brush)
{
    if (brush) m_brush->Assign(*brush);
}

TPoint TCanvas::PenPos()
{
    POINT position;
    GetCurrentPositionEx(Handle(), position);
    return position;
}

TRect TCanvas::ClipRect()
{
    RECT box;
    GetClipBox(Handle(), box);
    return box;
}

TColor TCanvas::Pixels(int x, int y)
{
    return TColor(GetPixel(Handle(), x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    Paint([&](HDC dc) { SetPixel(dc, x, y, COLORREF(color)); });
}

void TCanvas::Refresh()
{
    DeselectHandles();
}

void TCanvas::Changing()
{
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange) OnChange(this);
}

void TCanvas::DeselectHandles()
{
    if (m_handle && m_state) {
        // The stock objects let the tools' handles go, so that they can be deleted.
        SelectObject(m_handle, GetStockObject(BLACK_PEN));
        SelectObject(m_handle, GetStockObject(WHITE_BRUSH));
        SelectObject(m_handle, GetStockObject(SYSTEM_FONT));
    }
    m_state = 0;
}

void TCanvas::ToolChanged(StateBit tool)
{
    if (!(m_state & tool)) return;
    // The tool has dropped its handle; the context lets it go too.
    constexpr struct {
        StateBit Tool;
        int Stock;
    } kStock[] = {{kPenValid, BLACK_PEN}, {kBrushValid, WHITE_BRUSH}, {kFontValid, SYSTEM_FONT}};
    for (const auto& entry : kStock) {
        if (entry.Tool == tool && m_handle) SelectObject(m_handle, GetStockObject(entry.Stock));
    }
    m_state &= ~unsigned(tool);
}
