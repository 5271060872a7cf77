#include "skin/core/ThemeReader.h"

#include "skin/core/FileTheme.h"
#include "skin/core/SUIThemes.h"

TThemeReader::TThemeReader(TsuiFileTheme* fileTheme, TsuiUIStyle style)
    : m_fileTheme(fileTheme), m_source(UsingFileTheme(fileTheme, style))
{
}

int TThemeReader::Int(int id) const
{
    return m_source.FromFile ? m_fileTheme->GetInt(id) : GetInsideThemeInt(m_source.Style, id);
}

TColor TThemeReader::Color(int id) const
{
    return m_source.FromFile ? m_fileTheme->GetColor(id) : GetInsideThemeColor(m_source.Style, id);
}

bool TThemeReader::Bool(int id) const
{
    return m_source.FromFile ? m_fileTheme->GetBool(id) : GetInsideThemeBool(m_source.Style, id);
}

void TThemeReader::Bitmap(int id, TBitmap* buf) const
{
    if (!buf) return;
    if (m_source.FromFile)
        m_fileTheme->GetBitmap(id, buf);
    else
        GetInsideThemeBitmap(m_source.Style, id, buf);
}

void TThemeReader::Bitmap(int id, TBitmap* buf, int count, int index) const
{
    if (!buf) return;
    if (m_source.FromFile)
        m_fileTheme->GetBitmap(id, buf, count, index);
    else
        GetInsideThemeBitmap(m_source.Style, id, buf, count, index);
}
