#pragma once
// TEditLayout: the rows the lines of an edit or memo are shown in. Without
// a wrap width each line is one row; with one, a line breaks into rows
// that fit: after a blank, before or after a Chinese (or other wide-script)
// character, or inside a word that is wider than the whole row. Blanks at
// a row's end hang over the edge and never start a row.
//
// Widths come from a measure of each code point's advance, as the text is
// drawn: no kerning, so a row's width is the sum of its characters'. A tab
// reaches the next multiple of eight blanks from the row's start; other
// control characters take no room.
//
// Columns count code points. A row holds the columns [Start, End) of its
// line; the last row of a line also holds the line's end.

#include <functional>
#include <string>
#include <utility>
#include <vector>

// The advance in pixels of one code point.
using TMeasureFn = std::function<int(char32_t)>;

struct TEditRow {
    int Line = 0;
    int Start = 0;  // column
    int End = 0;    // column, exclusive
    int Width = 0;  // pixels, hanging blanks included
    bool LastOfLine = true;
};

class TEditLayout {
public:
    static constexpr int kTabStopBlanks = 8;  // blanks per tab stop

    // A new measure or wrap width takes effect with the next Reset.
    void SetMeasure(TMeasureFn measure) { m_measure = std::move(measure); }
    // Pixels; 0 or less: no wrapping.
    void SetWrapWidth(int width) { m_wrapWidth = width; }
    [[nodiscard]] int WrapWidth() const { return m_wrapWidth; }

    // Lays out every line anew.
    void Reset(const std::vector<std::string>& lines);
    // Lines [first, first + removed) were replaced by the `inserted` lines
    // now at lines[first...].
    void Splice(const std::vector<std::string>& lines, int first, int removed, int inserted);

    [[nodiscard]] int RowCount() const { return m_firstRow.back(); }
    // index is clamped to the rows there are.
    [[nodiscard]] TEditRow Row(int index) const;
    // The row that shows column of line (the later row where two meet).
    [[nodiscard]] int RowOf(int line, int column) const;
    // Code points of a line, as laid out.
    [[nodiscard]] int LineLength(int line) const { return m_lines[std::size_t(line)].Length; }
    // Pixels from the row's start to column (clamped to the row).
    [[nodiscard]] int XInRow(const std::string& line, const TEditRow& row, int column) const;
    // The column boundary of the row nearest to x (pixels from its start).
    [[nodiscard]] int ColumnAt(const std::string& line, const TEditRow& row, int x) const;
    // The widest row, pixels.
    [[nodiscard]] int MaxWidth() const;

private:
    struct LineRows {
        std::vector<int> Starts{0};  // columns
        std::vector<int> Widths{0};  // pixels
        int Length = 0;              // code points
    };

    [[nodiscard]] LineRows LayOut(const std::string& line) const;
    [[nodiscard]] int Advance(char32_t cp, int x) const;
    void CountRows();

    TMeasureFn m_measure;
    int m_wrapWidth = 0;                // pixels
    std::vector<LineRows> m_lines;
    std::vector<int> m_firstRow{0};     // per line, then the total
    mutable int m_maxWidth = -1;        // pixels; -1 until asked
};
