#include "platform/ui/graphics/Pen.h"

#include "platform/core/ClassBuilder.h"
#include "platform/win/Gdi.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TPen);

void TPen::Publish(TClassBuilder<TPen>& c)
{
    c.Color("Color", &TPen::Color, &TPen::SetColor).Default(clBlack);
    c.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    c.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    c.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

const TEnumInfo& EnumInfoOf(TPenStyle)
{
    static const TEnumInfo info("TPenStyle", "psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame");
    return info;
}

const TEnumInfo& EnumInfoOf(TPenMode)
{
    static const TEnumInfo info("TPenMode",
                                "pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, "
                                "pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor");
    return info;
}

TPen::~TPen()
{
    ReleaseHandle();
}

void TPen::SetColor(TColor color)
{
    if (color == m_color) return;
    m_color = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    width = std::clamp(width, 1, ::Pen::kMaxWidth);
    if (width == m_width) return;
    m_width = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == m_style) return;
    m_style = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == m_mode) return;
    m_mode = mode;
    // The mode is applied by the canvas; the handle stays.
    TGraphicsObject::Changed();
}

HPEN TPen::Handle() const
{
    // PS_* numbers follow TPenStyle's order.
    if (!m_handle) m_handle = CreatePen(int(m_style), m_width, COLORREF(m_color));
    return m_handle;
}

void TPen::Assign(const TPersistent& source)
{
    const auto* pen = dynamic_cast<const TPen*>(&source);
    if (!pen) {
        inherited::Assign(source);
        return;
    }
    if (pen == this) return;
    const bool sameHandle = m_color == pen->m_color && m_width == pen->m_width && m_style == pen->m_style;
    if (sameHandle && m_mode == pen->m_mode) return;
    m_color = pen->m_color;
    m_width = pen->m_width;
    m_style = pen->m_style;
    m_mode = pen->m_mode;
    if (sameHandle) TGraphicsObject::Changed();
    else Changed();
}

void TPen::Changed()
{
    ReleaseHandle();
    inherited::Changed();
}

void TPen::ReleaseHandle() const
{
    if (m_handle) DeleteObject(m_handle);
    m_handle = nullptr;
}
