// TCustomEdit's painting: the background in Color, the visible rows with
// the selection, and the caret inverted over them.

#include "platform/ui/edit/CustomEdit.h"

#include "platform/core/Utf8.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/edit/EditText.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/Gdi.h"

#include <algorithm>

void TCustomEdit::WMPaint(TMessage& message)
{
    SetControlState(ControlState().Include(csCustomPaint));
    TWinControl::Dispatch(message);
    SetControlState(ControlState().Exclude(csCustomPaint));
}

void TCustomEdit::PaintWindow(HDC dc)
{
    FillRect(dc, ClientRect(), Brush()->Handle());
    const int saved = SaveDC(dc);
    const TRect text = TextRect();
    IntersectClipRect(dc, text.Left, text.Top, text.Right, text.Bottom);
    SelectObject(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    const int height = LineHeight();
    // The row cut off at the bottom shows too.
    const int end = std::min(m_text->RowCount(), m_topRow + text.Height() / height + 1);
    for (int row = m_topRow; row < end; ++row) {
        PaintRow(dc, row, {text.Left - m_scrollX, text.Top + (row - m_topRow) * height});
    }
    if (m_caretOn && Focused()) InvertRect(dc, CaretRect());
    RestoreDC(dc, saved);
}

void TCustomEdit::PaintRow(HDC dc, int index, TPoint origin)
{
    const TEditRow row = m_text->Row(index);
    int selFrom = row.End;
    int selTo = row.End;
    if (ShowsSelection()) {
        const TEditPos start = m_text->SelStart();
        const TEditPos end = m_text->SelEnd();
        auto columnOf = [&](TEditPos p) {
            if (p.Line != row.Line) return p.Line < row.Line ? row.Start : row.End;
            return std::clamp(p.Column, row.Start, row.End);
        };
        selFrom = columnOf(start);
        selTo = columnOf(end);
    }
    PaintRun(dc, row, row.Start, selFrom, origin, false);
    PaintRun(dc, row, selFrom, selTo, origin, true);
    PaintRun(dc, row, selTo, row.End, origin, false);
}

// Tabs take room but draw nothing: the text goes out in pieces between them,
// each at its measured place.
void TCustomEdit::PaintRun(HDC dc, const TEditRow& row, int from, int to, TPoint origin, bool selected)
{
    if (from >= to) return;
    const int left = origin.X + m_text->XInRow(row, from);
    if (selected) {
        const int right = origin.X + m_text->XInRow(row, to);
        FillRect(dc, TRect{left, origin.Y, right, origin.Y + LineHeight()}, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    const TColor color = selected ? clHighlightText : Enabled() ? Font()->Color() : clGrayText;
    SetTextColor(dc, ColorToRGB(color));
    if (m_passwordChar) {
        std::string masked;
        for (int i = from; i < to; ++i) Utf8::AppendCodePoint(masked, m_passwordChar);
        TextOut(dc, left, origin.Y, masked);
        return;
    }
    const std::string& line = m_text->Line(row.Line);
    std::size_t at = Utf8::OffsetOf(line, std::size_t(from));
    int pieceColumn = from;
    std::size_t pieceStart = at;
    for (int column = from; column <= to; ++column) {
        const Utf8::CodePoint cp = column < to ? Utf8::DecodeNext(line, at) : Utf8::CodePoint{};
        if (column == to || cp.Value == U'\t') {
            if (at > pieceStart) {
                TextOut(dc, origin.X + m_text->XInRow(row, pieceColumn), origin.Y,
                        std::string_view(line).substr(pieceStart, at - pieceStart));
            }
            pieceColumn = column + 1;
            pieceStart = at + cp.Size;
        }
        at += cp.Size;
    }
}
