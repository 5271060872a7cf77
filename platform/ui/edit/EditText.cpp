#include "platform/ui/edit/EditText.h"

#include "platform/core/Utf8.h"
#include "platform/ui/edit/EditChars.h"

namespace {

std::size_t ByteOf(const std::string& line, int column)
{
    return Utf8::OffsetOf(line, std::size_t(column));
}

int CodePoints(std::string_view text)
{
    return int(Utf8::Length(text));
}

}  // namespace

TEditText::TEditText(TEditLines lines) : m_lineMode(lines)
{
    m_layout.Reset(m_lines);
}

// --- text ------------------------------------------------------------------------------

std::string TEditText::Text() const
{
    std::string text = m_lines.front();
    for (std::size_t i = 1; i < m_lines.size(); ++i) {
        text += '\n';
        text += m_lines[i];
    }
    return text;
}

void TEditText::SetText(std::string_view text)
{
    m_lines = SplitLines(Normalized(text));
    m_layout.Reset(m_lines);
    m_caret = m_anchor = {};
    ClearUndo();
}

int TEditText::Length() const
{
    int length = LineCount() - 1;
    for (int i = 0; i < LineCount(); ++i) length += LineLength(i);
    return length;
}

std::string TEditText::Normalized(std::string_view text) const
{
    if (m_lineMode == TEditLines::Single) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

std::vector<std::string> TEditText::SplitLines(std::string_view normalized) const
{
    if (m_lineMode == TEditLines::Single) return {std::string(normalized)};
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = normalized.find('\n'); at != std::string_view::npos; at = normalized.find('\n', start)) {
        lines.emplace_back(normalized.substr(start, at - start));
        start = at + 1;
    }
    lines.emplace_back(normalized.substr(start));
    return lines;
}

std::string TEditText::TextBetween(TEditPos from, TEditPos to) const
{
    if (to <= from) return {};
    const std::string& first = Line(from.Line);
    if (from.Line == to.Line) {
        const std::size_t a = ByteOf(first, from.Column);
        return first.substr(a, ByteOf(first, to.Column) - a);
    }
    std::string text = first.substr(ByteOf(first, from.Column));
    for (int line = from.Line + 1; line < to.Line; ++line) text += '\n' + Line(line);
    const std::string& last = Line(to.Line);
    text += '\n' + last.substr(0, ByteOf(last, to.Column));
    return text;
}

std::u32string TEditText::LineChars(int line) const
{
    return Utf8::DecodeAll(Line(line));
}

// --- positions --------------------------------------------------------------------------

int TEditText::OffsetOf(TEditPos pos) const
{
    pos = Clamped(pos);
    int offset = pos.Column;
    for (int line = 0; line < pos.Line; ++line) offset += LineLength(line) + 1;
    return offset;
}

TEditPos TEditText::PosOf(int offset) const
{
    offset = std::max(0, offset);
    for (int line = 0; line < LineCount(); ++line) {
        if (offset <= LineLength(line)) return {line, offset};
        offset -= LineLength(line) + 1;
    }
    return End();
}

TEditPos TEditText::Clamped(TEditPos pos) const
{
    const int line = std::clamp(pos.Line, 0, LineCount() - 1);
    return {line, std::clamp(pos.Column, 0, LineLength(line))};
}

TEditPos TEditText::End() const
{
    const int last = LineCount() - 1;
    return {last, LineLength(last)};
}

// --- caret and selection ---------------------------------------------------------------

void TEditText::MoveCaret(TEditPos to, TSelectMode mode)
{
    m_caret = Clamped(to);
    if (mode == TSelectMode::Move) m_anchor = m_caret;
}

void TEditText::Select(TEditPos anchor, TEditPos caret)
{
    m_anchor = Clamped(anchor);
    m_caret = Clamped(caret);
}

void TEditText::SelectWordAt(TEditPos pos)
{
    pos = Clamped(pos);
    const std::u32string chars = LineChars(pos.Line);
    const int count = int(chars.size());
    if (count == 0) {
        Select(pos, pos);
        return;
    }
    const int at = std::min(pos.Column, count - 1);
    const TCharClass kind = CharClassOf(chars[std::size_t(at)]);
    int start = at;
    while (start > 0 && CharClassOf(chars[std::size_t(start - 1)]) == kind) --start;
    int end = at + 1;
    while (end < count && CharClassOf(chars[std::size_t(end)]) == kind) ++end;
    Select({pos.Line, start}, {pos.Line, end});
}

// --- moves ------------------------------------------------------------------------------

TEditPos TEditText::CharLeft(TEditPos pos) const
{
    pos = Clamped(pos);
    if (pos.Column > 0) return {pos.Line, pos.Column - 1};
    if (pos.Line > 0) return {pos.Line - 1, LineLength(pos.Line - 1)};
    return pos;
}

TEditPos TEditText::CharRight(TEditPos pos) const
{
    pos = Clamped(pos);
    if (pos.Column < LineLength(pos.Line)) return {pos.Line, pos.Column + 1};
    if (pos.Line + 1 < LineCount()) return {pos.Line + 1, 0};
    return pos;
}

TEditPos TEditText::WordLeft(TEditPos pos) const
{
    pos = Clamped(pos);
    if (pos.Column == 0) return CharLeft(pos);
    const std::u32string chars = LineChars(pos.Line);
    int at = pos.Column;
    while (at > 0 && IsEditBlank(chars[std::size_t(at - 1)])) --at;
    if (at > 0) {
        const TCharClass kind = CharClassOf(chars[std::size_t(at - 1)]);
        while (at > 0 && CharClassOf(chars[std::size_t(at - 1)]) == kind) --at;
    }
    return {pos.Line, at};
}

TEditPos TEditText::WordRight(TEditPos pos) const
{
    pos = Clamped(pos);
    const std::u32string chars = LineChars(pos.Line);
    const int count = int(chars.size());
    if (pos.Column >= count) return CharRight(pos);
    int at = pos.Column;
    const TCharClass kind = CharClassOf(chars[std::size_t(at)]);
    if (kind != TCharClass::Blank) {
        while (at < count && CharClassOf(chars[std::size_t(at)]) == kind) ++at;
    }
    while (at < count && IsEditBlank(chars[std::size_t(at)])) ++at;
    return {pos.Line, at};
}

TEditPos TEditText::RowHome(TEditPos pos) const
{
    const TEditRow row = Row(RowOf(Clamped(pos)));
    return {row.Line, row.Start};
}

TEditPos TEditText::RowEnd(TEditPos pos) const
{
    const TEditRow row = Row(RowOf(Clamped(pos)));
    return {row.Line, m_layout.ColumnAt(Line(row.Line), row, row.Width + 1)};
}

TEditPos TEditText::RowsAway(TEditPos pos, int rows, int x) const
{
    const int row = std::clamp(RowOf(Clamped(pos)) + rows, 0, RowCount() - 1);
    return PosAt(row, x);
}

// --- changes by the user ------------------------------------------------------------

bool TEditText::Insert(std::string_view text, TEditKind kind)
{
    std::string piece = Normalized(text);
    if (m_lineMode == TEditLines::Single) piece = piece.substr(0, piece.find_first_of("\r\n"));
    if (m_maxLength > 0) {
        const int selected = OffsetOf(SelEnd()) - OffsetOf(SelStart());
        const int room = std::max(0, m_maxLength - (Length() - selected));
        if (CodePoints(piece) > room) piece = Utf8::Truncate(piece, std::size_t(room));
    }
    return ApplyUserChange(piece, kind);
}

bool TEditText::DeleteBackward()
{
    if (!HasSelection()) m_anchor = CharLeft(m_caret);
    return ApplyUserChange({}, TEditKind::Other);
}

bool TEditText::DeleteForward()
{
    if (!HasSelection()) m_anchor = CharRight(m_caret);
    return ApplyUserChange({}, TEditKind::Other);
}

bool TEditText::ApplyUserChange(std::string_view normalized, TEditKind kind)
{
    if (normalized.empty() && !HasSelection()) return false;
    const TEditPos from = SelStart();
    const int start = OffsetOf(from);
    std::string removed = SelectedText();
    const TEditPos end = ReplaceRange(from, SelEnd(), normalized);
    m_caret = m_anchor = end;
    Remember(start, std::move(removed), std::string(normalized), kind);
    return true;
}

void TEditText::Remember(int start, std::string removed, const std::string& inserted, TEditKind kind)
{
    const bool continues = kind == TEditKind::Typing && m_undo && m_undo->Kind == TEditKind::Typing &&
                           removed.empty() && start == m_undo->Start + CodePoints(m_undo->Inserted);
    if (continues) {
        m_undo->Inserted += inserted;
        return;
    }
    m_undo = Change{start, std::move(removed), inserted, kind};
}

bool TEditText::Undo()
{
    if (!m_undo) return false;
    Change change = std::move(*m_undo);
    const TEditPos from = PosOf(change.Start);
    const TEditPos to = PosOf(change.Start + CodePoints(change.Inserted));
    const TEditPos end = ReplaceRange(from, to, change.Removed);
    Select(from, end);
    m_undo = Change{change.Start, std::move(change.Inserted), std::move(change.Removed), TEditKind::Other};
    return true;
}

// --- changes by the program --------------------------------------------------------

void TEditText::Replace(int start, int end, std::string_view text)
{
    const int length = Length();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, start, length);
    const std::string piece = Normalized(text);
    const int grown = CodePoints(piece) - (end - start);
    auto follow = [&](TEditPos pos) {
        const int offset = OffsetOf(pos);
        if (offset <= start) return offset;
        return offset >= end ? offset + grown : start;
    };
    const int caret = follow(m_caret);
    const int anchor = follow(m_anchor);
    ReplaceRange(PosOf(start), PosOf(end), piece);
    m_caret = PosOf(caret);
    m_anchor = PosOf(anchor);
    ClearUndo();
}

TEditPos TEditText::ReplaceRange(TEditPos from, TEditPos to, std::string_view normalized)
{
    const std::string& first = Line(from.Line);
    const std::string& last = Line(to.Line);
    const std::string head = first.substr(0, ByteOf(first, from.Column));
    const std::string tail = last.substr(ByteOf(last, to.Column));
    std::vector<std::string> pieces = SplitLines(normalized);
    const int inserted = int(pieces.size());
    const TEditPos end{from.Line + inserted - 1,
                       (inserted == 1 ? from.Column : 0) + CodePoints(pieces.back())};
    pieces.front().insert(0, head);
    pieces.back() += tail;
    const auto at = m_lines.begin() + from.Line;
    m_lines.erase(at, at + (to.Line - from.Line + 1));
    m_lines.insert(m_lines.begin() + from.Line, pieces.begin(), pieces.end());
    m_layout.Splice(m_lines, from.Line, to.Line - from.Line + 1, inserted);
    return end;
}

// --- layout ---------------------------------------------------------------------------------

void TEditText::SetMeasure(TMeasureFn measure)
{
    m_layout.SetMeasure(std::move(measure));
    m_layout.Reset(m_lines);
}

void TEditText::SetWrapWidth(int width)
{
    width = std::max(0, width);
    if (width == m_layout.WrapWidth()) return;
    m_layout.SetWrapWidth(width);
    m_layout.Reset(m_lines);
}

int TEditText::XOf(TEditPos pos) const
{
    pos = Clamped(pos);
    return XInRow(Row(RowOf(pos)), pos.Column);
}

int TEditText::XInRow(const TEditRow& row, int column) const
{
    return m_layout.XInRow(Line(row.Line), row, column);
}

TEditPos TEditText::PosAt(int row, int x) const
{
    const TEditRow r = Row(row);
    return {r.Line, m_layout.ColumnAt(Line(r.Line), r, x)};
}
