#include "platform/ui/edit/EditLayout.h"

#include "platform/core/Utf8.h"
#include "platform/gfx/TextLayout.h"
#include "platform/ui/edit/EditChars.h"

#include <algorithm>

int TEditLayout::Advance(char32_t cp, int x) const
{
    if (!m_measure) return 0;
    if (cp == U'\t') {
        const int stop = kTabStopBlanks * m_measure(U' ');
        return stop > 0 ? stop - x % stop : 0;
    }
    return IsControlChar(cp) ? 0 : std::max(0, m_measure(cp));
}

void TEditLayout::Reset(const std::vector<std::string>& lines)
{
    m_lines.clear();
    m_lines.reserve(lines.size());
    for (const std::string& line : lines) m_lines.push_back(LayOut(line));
    CountRows();
}

void TEditLayout::Splice(const std::vector<std::string>& lines, int first, int removed, int inserted)
{
    const auto at = m_lines.begin() + first;
    m_lines.erase(at, at + removed);
    std::vector<LineRows> laidOut;
    laidOut.reserve(std::size_t(inserted));
    for (int i = 0; i < inserted; ++i) laidOut.push_back(LayOut(lines[std::size_t(first + i)]));
    m_lines.insert(m_lines.begin() + first, laidOut.begin(), laidOut.end());
    CountRows();
}

void TEditLayout::CountRows()
{
    m_firstRow.resize(m_lines.size() + 1);
    int rows = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        m_firstRow[i] = rows;
        rows += int(m_lines[i].Starts.size());
    }
    m_firstRow.back() = rows;
    m_maxWidth = -1;
}

// Walks the line once, keeping the pen position of the current row and the
// last column where a new row may start.
TEditLayout::LineRows TEditLayout::LayOut(const std::string& line) const
{
    const std::u32string cps = Utf8::DecodeAll(line);
    const int count = int(cps.size());
    LineRows out;
    out.Length = count;
    int rowStart = 0;
    int x = 0;        // pixels from the row's start
    int breakAt = 0;  // a column after rowStart where a row may start, else 0
    auto step = [&](int j) {
        const char32_t c = cps[std::size_t(j)];
        if (IsWideChar(c) && j > rowStart) breakAt = j;
        x += Advance(c, x);
        if (IsEditBlank(c) || IsWideChar(c)) breakAt = j + 1;
    };
    for (int i = 0; i < count; ++i) {
        const char32_t cp = cps[std::size_t(i)];
        const bool overflows = m_wrapWidth > 0 && !IsEditBlank(cp) && i > rowStart &&
                               x + Advance(cp, x) > m_wrapWidth;
        if (overflows) {
            const int rowEnd = breakAt > rowStart ? breakAt : i;
            // The finished row's width, then what of the new row lies before i.
            x = 0;
            for (int j = rowStart; j < rowEnd; ++j) x += Advance(cps[std::size_t(j)], x);
            out.Widths.back() = x;
            out.Starts.push_back(rowEnd);
            out.Widths.push_back(0);
            rowStart = rowEnd;
            x = 0;
            breakAt = 0;
            for (int j = rowStart; j < i; ++j) step(j);
        }
        step(i);
    }
    out.Widths.back() = x;
    return out;
}

TEditRow TEditLayout::Row(int index) const
{
    if (m_lines.empty()) return {};
    index = std::clamp(index, 0, RowCount() - 1);
    const auto after = std::upper_bound(m_firstRow.begin(), m_firstRow.end() - 1, index);
    const int line = int(after - m_firstRow.begin()) - 1;
    const LineRows& rows = m_lines[std::size_t(line)];
    const std::size_t k = std::size_t(index - m_firstRow[std::size_t(line)]);
    const bool last = k + 1 == rows.Starts.size();
    return {line, rows.Starts[k], last ? rows.Length : rows.Starts[k + 1], rows.Widths[k], last};
}

int TEditLayout::RowOf(int line, int column) const
{
    if (m_lines.empty()) return 0;
    line = std::clamp(line, 0, int(m_lines.size()) - 1);
    const std::vector<int>& starts = m_lines[std::size_t(line)].Starts;
    const auto after = std::upper_bound(starts.begin(), starts.end(), column);
    const int k = std::max(0, int(after - starts.begin()) - 1);
    return m_firstRow[std::size_t(line)] + k;
}

int TEditLayout::XInRow(const std::string& line, const TEditRow& row, int column) const
{
    column = std::clamp(column, row.Start, row.End);
    int x = 0;
    std::size_t at = Utf8::OffsetOf(line, std::size_t(row.Start));
    for (int c = row.Start; c < column; ++c) {
        const Utf8::CodePoint cp = Utf8::DecodeNext(line, at);
        x += Advance(cp.Value, x);
        at += cp.Size;
    }
    return x;
}

int TEditLayout::ColumnAt(const std::string& line, const TEditRow& row, int x) const
{
    int pen = 0;
    std::size_t at = Utf8::OffsetOf(line, std::size_t(row.Start));
    char32_t last = 0;
    for (int c = row.Start; c < row.End; ++c) {
        const Utf8::CodePoint cp = Utf8::DecodeNext(line, at);
        const int advance = Advance(cp.Value, pen);
        if (2 * (x - pen) < advance) return c;
        pen += advance;
        at += cp.Size;
        last = cp.Value;
    }
    // Past a wrapped row's end: before the blank it broke at, so the caret stays on this row.
    if (!row.LastOfLine && row.End > row.Start && IsEditBlank(last)) return row.End - 1;
    return row.End;
}

int TEditLayout::MaxWidth() const
{
    if (m_maxWidth < 0) {
        m_maxWidth = 0;
        for (const LineRows& rows : m_lines)
            for (const int width : rows.Widths) m_maxWidth = std::max(m_maxWidth, width);
    }
    return m_maxWidth;
}
