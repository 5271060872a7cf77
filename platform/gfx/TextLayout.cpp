#include "platform/gfx/TextLayout.h"

#include "platform/gfx/Font.h"
#include "platform/core/Utf8.h"

int AdvanceOf(const Font& font, char32_t cp) { return IsControlChar(cp) ? 0 : font.Advance(cp); }

TextRun MeasureText(const Font& font, std::string_view text)
{
    TextRun run;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8::CodePoint step = Utf8::DecodeNext(text, pos);
        run.Append(step.Value, AdvanceOf(font, step.Value), pos);
        pos += step.Size;
    }
    return run;
}

TSize TextExtent(const Font& font, std::string_view text)
{
    return {MeasureText(font, text).Width, font.Metrics().tmHeight};
}
