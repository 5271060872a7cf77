#include "skin/core/SUIThemes.h"

#include "platform/ui/graphics/Bitmap.h"
#include "skin/core/InsideThemeTables.h"
#include "skin/core/SUIPublic.h"

#include <string>

int GetInsideThemeInt(TsuiUIStyle style, int id)
{
    const TInsideValue value = LookupInsideTheme(style, id);
    return value.Kind == TThemeElementKind::Integer ? value.Number : -1;
}

TColor GetInsideThemeColor(TsuiUIStyle style, int id)
{
    const TInsideValue value = LookupInsideTheme(style, id);
    return value.Kind == TThemeElementKind::Color ? TColor(value.Number) : TColor(0);
}

bool GetInsideThemeBool(TsuiUIStyle style, int id)
{
    const TInsideValue value = LookupInsideTheme(style, id);
    return value.Kind == TThemeElementKind::Bool && (value.Number & 0xFF) != 0;
}

void GetInsideThemeBitmap(TsuiUIStyle style, int id, TBitmap* buf, int count, int index)
{
    if (!buf) return;
    const TInsideValue value = LookupInsideTheme(style, id);
    const bool isBitmap = value.Kind == TThemeElementKind::Bitmap;
    if (count == 0) {
        if (isBitmap) buf->LoadFromResourceName(nullptr, std::string(value.Resource));
        return;
    }
    // Without a picture the strip stays empty, and so does its frame.
    TBitmap strip;
    if (isBitmap) strip.LoadFromResourceName(nullptr, std::string(value.Resource));
    SpitBitmap(&strip, buf, count, index);
}
