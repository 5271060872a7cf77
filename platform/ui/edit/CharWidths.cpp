#include "platform/ui/edit/CharWidths.h"

#include "platform/core/Utf8.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/Gdi.h"

#include <algorithm>

TCharWidths::~TCharWidths()
{
    if (m_dc) DeleteDC(m_dc);
}

void TCharWidths::Reset()
{
    m_advances.clear();
    m_lineHeight = -1;
}

HDC TCharWidths::Context()
{
    if (!m_dc) m_dc = CreateCompatibleDC(nullptr);
    // The font's handle is made anew after each change: select the current one.
    SelectObject(m_dc, m_font->Handle());
    return m_dc;
}

int TCharWidths::Advance(char32_t cp)
{
    if (const auto it = m_advances.find(cp); it != m_advances.end()) return it->second;
    if (m_advances.size() >= kMaxCached) m_advances.clear();
    SIZE size;
    GetTextExtentPoint32(Context(), Utf8::Encode(cp), size);
    m_advances.emplace(cp, size.cx);
    return size.cx;
}

int TCharWidths::LineHeight()
{
    if (m_lineHeight < 0) {
        TEXTMETRIC metrics;
        GetTextMetrics(Context(), metrics);
        m_lineHeight = std::max(1, int(metrics.tmHeight));
    }
    return m_lineHeight;
}
