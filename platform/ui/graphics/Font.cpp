#include "platform/ui/graphics/Font.h"

#include "platform/core/ClassBuilder.h"
#include "platform/win/Gdi.h"

#include <cstdint>
#include <cstdlib>

QZ_IMPLEMENT_CLASS(TFont);

void TFont::Publish(TClassBuilder<TFont>& c)
{
    c.Property("Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET);
    c.Color("Color", &TFont::Color, &TFont::SetColor).Default(clWindowText);
    c.Property("Height", &TFont::Height, &TFont::SetHeight);
    c.Property("Name", &TFont::Name, &TFont::SetName);
    c.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    c.Property("Size", &TFont::Size, &TFont::SetSize);
    c.Property("Style", &TFont::Style, &TFont::SetStyle).Default(0);
}

namespace {

// a * b / c rounded half away from zero, as the classic MulDiv.
int MulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t half = std::abs(std::int64_t(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t quotient = (std::abs(product) + half) / std::abs(std::int64_t(c));
    return int(negative ? -quotient : quotient);
}

// LOGFONT's lfPitchAndFamily pitch bits.
constexpr BYTE kPitchBits[] = {0 /* DEFAULT_PITCH */, 2 /* VARIABLE_PITCH */, 1 /* FIXED_PITCH */};

TFontPitch PitchOf(BYTE pitchAndFamily)
{
    switch (pitchAndFamily & 3) {
    case 1: return fpFixed;
    case 2: return fpVariable;
    default: return fpDefault;
    }
}

}  // namespace

TFont::~TFont()
{
    ReleaseHandle();
}

void TFont::SetName(const std::string& name)
{
    if (name.empty() || name == m_name) return;
    m_name = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == m_height) return;
    m_height = height;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(m_height, 72, kPixelsPerInch);
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == m_style) return;
    m_style = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == m_color) return;
    m_color = color;
    // The colour is no part of the handle, which stays.
    TGraphicsObject::Changed();
}

void TFont::SetCharset(TFontCharset charset)
{
    if (charset == m_charset) return;
    m_charset = charset;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch)
{
    if (pitch == m_pitch) return;
    m_pitch = pitch;
    Changed();
}

LOGFONT TFont::LogFont() const
{
    LOGFONT log;
    log.lfHeight = m_height;
    log.lfWeight = m_style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = m_style.Contains(fsItalic);
    log.lfUnderline = m_style.Contains(fsUnderline);
    log.lfStrikeOut = m_style.Contains(fsStrikeOut);
    log.lfCharSet = BYTE(m_charset);
    log.lfPitchAndFamily = kPitchBits[m_pitch];
    log.lfFaceName = m_name;
    return log;
}

HFONT TFont::Handle() const
{
    if (!m_handle) m_handle = CreateFontIndirect(LogFont());
    return m_handle;
}

void TFont::SetHandle(HFONT font)
{
    LOGFONT log;
    if (font == m_handle || !GetObject(font, log)) return;
    ReleaseHandle();
    m_name = log.lfFaceName.empty() ? m_name : log.lfFaceName;
    m_height = log.lfHeight;
    m_style = {};
    if (log.lfWeight >= FW_SEMIBOLD) m_style.Include(fsBold);
    if (log.lfItalic) m_style.Include(fsItalic);
    if (log.lfUnderline) m_style.Include(fsUnderline);
    if (log.lfStrikeOut) m_style.Include(fsStrikeOut);
    m_charset = log.lfCharSet;
    m_pitch = PitchOf(log.lfPitchAndFamily);
    m_handle = font;
    TGraphicsObject::Changed();
}

void TFont::Assign(const TPersistent& source)
{
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) {
        inherited::Assign(source);
        return;
    }
    if (font == this) return;
    const bool sameHandle = m_name == font->m_name && m_height == font->m_height && m_style == font->m_style &&
                            m_charset == font->m_charset && m_pitch == font->m_pitch;
    if (sameHandle && m_color == font->m_color) return;
    m_name = font->m_name;
    m_height = font->m_height;
    m_style = font->m_style;
    m_charset = font->m_charset;
    m_pitch = font->m_pitch;
    m_color = font->m_color;
    if (sameHandle) TGraphicsObject::Changed();
    else Changed();
}

void TFont::Changed()
{
    ReleaseHandle();
    inherited::Changed();
}

void TFont::ReleaseHandle() const
{
    if (m_handle) DeleteObject(m_handle);
    m_handle = nullptr;
}
