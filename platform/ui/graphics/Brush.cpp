#include "platform/ui/graphics/Brush.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/win/Gdi.h"

QZ_IMPLEMENT_CLASS(TBrush);

void TBrush::Publish(TClassBuilder<TBrush>& c)
{
    c.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite);
    c.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

const TEnumInfo& EnumInfoOf(TBrushStyle)
{
    static const TEnumInfo info("TBrushStyle",
                                "bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, "
                                "bsDiagCross");
    return info;
}

TBrush::TBrush() = default;

TBrush::~TBrush()
{
    ReleaseHandle();
}

void TBrush::SetColor(TColor color)
{
    if (color == m_color) return;
    m_color = color;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == m_style) return;
    m_style = style;
    Changed();
}

void TBrush::SetBitmap(const TBitmap* pattern)
{
    if (pattern == m_bitmap.get()) return;
    CopyPattern(pattern);
    Changed();
}

void TBrush::CopyPattern(const TBitmap* pattern)
{
    if (!pattern) {
        m_bitmap.reset();
        return;
    }
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(*pattern);
    copy->OnChange = [this](TObject*) { Changed(); };
    m_bitmap = std::move(copy);
}

HBRUSH TBrush::Handle() const
{
    if (m_handle) return m_handle;
    if (m_style == bsClear) m_handle = GetStockObject(NULL_BRUSH);
    else if (m_bitmap && !m_bitmap->Empty()) m_handle = CreatePatternBrush(m_bitmap->Handle());
    else if (m_style == bsSolid) m_handle = CreateSolidBrush(COLORREF(m_color));
    else m_handle = CreateHatchBrush(HS_HORIZONTAL + (int(m_style) - int(bsHorizontal)), COLORREF(m_color));
    return m_handle;
}

void TBrush::Assign(const TPersistent& source)
{
    const auto* brush = dynamic_cast<const TBrush*>(&source);
    if (!brush) {
        inherited::Assign(source);
        return;
    }
    if (brush == this) return;
    if (m_color == brush->m_color && m_style == brush->m_style && !m_bitmap && !brush->m_bitmap) return;
    m_color = brush->m_color;
    m_style = brush->m_style;
    CopyPattern(brush->m_bitmap.get());
    Changed();
}

void TBrush::Changed()
{
    ReleaseHandle();
    inherited::Changed();
}

void TBrush::ReleaseHandle() const
{
    // The stock null brush is never deleted; DeleteObject ignores it.
    if (m_handle) DeleteObject(m_handle);
    m_handle = nullptr;
}
