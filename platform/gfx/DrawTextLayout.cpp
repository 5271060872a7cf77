#include "platform/gfx/DrawTextLayout.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/TextLayout.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace {

constexpr int kTabStopChars = 8;  // average character widths between tab stops
constexpr std::u32string_view kEllipsis = U"...";
// Punctuation that may not begin a line, and punctuation that may not end one.
constexpr std::u32string_view kNoLineStart = U"!),.:;?]}、。〉》」』】〕〗〙〛！），．：；？］｝～…·";
constexpr std::u32string_view kNoLineEnd = U"([{〈《「『【〔〖〘〚（［｛";

struct LayoutChar {
    char32_t CodePoint = 0;
    std::size_t ByteOffset = 0;
    bool Accelerator = false;
};
using CharSpan = std::span<const LayoutChar>;

[[nodiscard]] constexpr bool IsSpace(char32_t cp) { return cp == ' ' || cp == '\t'; }

// Characters of the East Asian scripts, which break between any two.
[[nodiscard]] constexpr bool IsWide(char32_t cp)
{
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) || (cp >= 0xAC00 && cp <= 0xD7A3) ||
           (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

[[nodiscard]] bool CanBreakBetween(char32_t before, char32_t after)
{
    if (kNoLineStart.find(after) != std::u32string_view::npos) return false;
    if (kNoLineEnd.find(before) != std::u32string_view::npos) return false;
    return IsWide(before) || IsWide(after);
}

// Advances of one line, with tabs going to the next stop when expanded.
class LineMeasurer {
public:
    LineMeasurer(const Font& font, bool expandTabs)
        : m_font(font), m_tabWidth(expandTabs ? kTabStopChars * font.Metrics().tmAveCharWidth : 0)
    {
    }

    [[nodiscard]] int AdvanceAt(char32_t cp, int x) const
    {
        if (cp == '\t' && m_tabWidth > 0) return m_tabWidth - x % m_tabWidth;
        return AdvanceOf(m_font, cp);
    }

    [[nodiscard]] TextRun Run(CharSpan chars) const
    {
        TextRun run;
        for (const LayoutChar& c : chars) run.Append(c.CodePoint, AdvanceAt(c.CodePoint, run.Width), c.ByteOffset, c.Accelerator);
        return run;
    }

private:
    const Font& m_font;
    int m_tabWidth = 0;  // pixels; 0 when tabs are not expanded
};

// Decodes text and takes out the '&' prefixes: "&&" gives one '&', "&x" an
// accelerator x, and a lone '&' at the end is dropped.
std::vector<LayoutChar> DecodeForDrawText(std::string_view text, unsigned format)
{
    const bool prefixes = (format & DT_NOPREFIX) == 0;
    const bool underline = (format & DT_HIDEPREFIX) == 0;
    std::vector<LayoutChar> chars;
    bool afterPrefix = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8::CodePoint step = Utf8::DecodeNext(text, pos);
        if (prefixes && step.Value == '&' && !afterPrefix) {
            afterPrefix = true;
        } else {
            chars.push_back({step.Value, pos, afterPrefix && underline && step.Value != '&'});
            afterPrefix = false;
        }
        pos += step.Size;
    }
    return chars;
}

std::vector<CharSpan> SplitParagraphs(CharSpan chars, bool singleLine)
{
    if (singleLine) return {chars};
    std::vector<CharSpan> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t cp = chars[i].CodePoint;
        if (cp != '\n' && cp != '\r') continue;
        paragraphs.push_back(chars.subspan(start, i - start));
        if (cp == '\r' && i + 1 < chars.size() && chars[i + 1].CodePoint == '\n') ++i;
        start = i + 1;
    }
    if (start < chars.size() || paragraphs.empty()) paragraphs.push_back(chars.subspan(start));
    return paragraphs;
}

// The lines a paragraph wraps into at the given width.
std::vector<CharSpan> WrapParagraph(CharSpan paragraph, const LineMeasurer& measurer, int width)
{
    std::vector<CharSpan> lines;
    std::size_t start = 0;
    for (;;) {
        int x = 0;
        std::size_t lastBreak = start;  // a line may end before this index
        std::size_t i = start;
        for (; i < paragraph.size(); ++i) {
            const char32_t cp = paragraph[i].CodePoint;
            const int advance = measurer.AdvanceAt(cp, x);
            x += advance;
            if (IsSpace(cp)) {
                lastBreak = i + 1;  // spaces hang past the edge
                continue;
            }
            if (i > start && CanBreakBetween(paragraph[i - 1].CodePoint, cp)) lastBreak = i;
            if (i > start && x > width) break;
        }
        if (i == paragraph.size()) {
            lines.push_back(paragraph.subspan(start));
            return lines;
        }
        const std::size_t end = lastBreak > start ? lastBreak : i;
        std::size_t visibleEnd = end;
        while (visibleEnd > start && IsSpace(paragraph[visibleEnd - 1].CodePoint)) --visibleEnd;
        lines.push_back(paragraph.subspan(start, visibleEnd - start));
        start = end;
    }
}

// Cuts a run that is wider than width and ends it with "...".
void FitWithEllipsis(TextRun& run, const Font& font, int width)
{
    if (run.Width <= width) return;
    int ellipsisWidth = 0;
    for (const char32_t dot : kEllipsis) ellipsisWidth += AdvanceOf(font, dot);
    const auto fits = [&](const TextRunItem& item) { return item.X + item.Advance + ellipsisWidth <= width; };
    const auto cut = std::ranges::find_if_not(run.Items, fits);
    const std::size_t cutOffset = cut->ByteOffset;
    run.Items.erase(cut, run.Items.end());
    run.Width = run.Items.empty() ? 0 : run.Items.back().X + run.Items.back().Advance;
    for (const char32_t dot : kEllipsis) run.Append(dot, AdvanceOf(font, dot), cutOffset);
}

int AlignedLeft(const TRect& rect, int width, unsigned format)
{
    if (format & DT_CENTER) return rect.Left + (rect.Width() - width) / 2;
    if (format & DT_RIGHT) return rect.Right - width;
    return rect.Left;
}

int FirstLineTop(const TRect& rect, int lineHeight, unsigned format)
{
    if ((format & DT_SINGLELINE) == 0) return rect.Top;
    if (format & DT_BOTTOM) return rect.Bottom - lineHeight;
    if (format & DT_VCENTER) return rect.Top + (rect.Height() - lineHeight) / 2;
    return rect.Top;
}

}  // namespace

DrawTextLayout LayoutDrawText(const Font& font, std::string_view text, const TRect& rect, unsigned format)
{
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const bool wrap = (format & DT_WORDBREAK) != 0 && !singleLine;
    const LineMeasurer measurer(font, (format & DT_EXPANDTABS) != 0);
    const std::vector<LayoutChar> chars = DecodeForDrawText(text, format);

    std::vector<TextRun> runs;
    for (const CharSpan paragraph : SplitParagraphs(chars, singleLine)) {
        const auto lines = wrap ? WrapParagraph(paragraph, measurer, rect.Width()) : std::vector{paragraph};
        for (const CharSpan line : lines) {
            TextRun run = measurer.Run(line);
            if (format & DT_END_ELLIPSIS) FitWithEllipsis(run, font, rect.Width());
            runs.push_back(std::move(run));
        }
    }

    const int lineHeight = font.Metrics().tmHeight;
    const int top = FirstLineTop(rect, lineHeight, format);
    DrawTextLayout layout;
    int widest = 0;
    int y = top;
    for (TextRun& run : runs) {
        widest = std::max(widest, run.Width);
        const TPoint origin{AlignedLeft(rect, run.Width, format), y};
        layout.Lines.push_back({std::move(run), origin});
        y += lineHeight;
    }
    const int total = y - top;
    layout.Bounds = {rect.Left, rect.Top, rect.Left + widest, rect.Top + total};
    // Placed vertically, the classic call answers where the text ends.
    const bool placed = singleLine && (format & (DT_VCENTER | DT_BOTTOM)) && (format & DT_CALCRECT) == 0;
    layout.Height = placed ? top + lineHeight - rect.Top : total;
    return layout;
}
