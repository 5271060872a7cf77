#include "platform/gfx/DrawText.h"

#include "platform/gfx/DrawTextLayout.h"

DrawTextResult DrawText(PixelBuffer& buffer, std::string_view text, const TRect& rect, unsigned format,
                        const Font& font, const TextPaint& paint, const TRect& clip)
{
    const DrawTextLayout layout = LayoutDrawText(font, text, rect, format);
    if (format & DT_CALCRECT) return {layout.Height, layout.Bounds};

    const TRect area = (format & DT_NOCLIP) ? clip : clip.Intersected(rect);
    for (const DrawTextLine& line : layout.Lines) DrawTextRun(buffer, line.Origin, line.Run, font, paint, area);
    return {layout.Height, rect};
}
