#pragma once
// TEditText: the text of an edit or memo and the editing done on it, apart
// from any window: lines of UTF-8, the caret and the anchor of the
// selection, the last change for undo, and the rows the lines are laid out
// in (TEditLayout).
//
// Positions count code points and never fall inside one. A flat offset
// counts a line break as one code point, so offsets match Text(), which
// joins the lines with '\n'.
//
// Changes come two ways. The user's (Insert, DeleteBackward ...) replace
// the selection, honour MaxLength and the line mode, leave the caret after
// the change and are kept for undo. The program's (SetText, Replace) leave
// the caret where it was in the text and forget the undo.
//
// Undo keeps one change. Undoing swaps it with its inverse, so a second
// undo redoes it, as the classic edit does. Typing that goes on where the
// last typed text ended joins that change.

#include "platform/ui/edit/EditLayout.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TEditPos {
    int Line = 0;
    int Column = 0;  // code points

    constexpr auto operator<=>(const TEditPos&) const = default;
};

// How text is split into lines.
enum class TEditLines {
    Single,  // one line: typed or pasted text stops at its first line break; set text keeps breaks as characters
    Multi,   // "\r\n", "\n" and "\r" each end a line
};

// Whether a caret move takes the selection's anchor along.
enum class TSelectMode { Move, Extend };

// How a change by the user joins the undo record.
enum class TEditKind { Typing, Other };

class TEditText {
public:
    explicit TEditText(TEditLines lines);

    // --- text ---------------------------------------------------------------------
    [[nodiscard]] TEditLines LineMode() const { return m_lineMode; }
    [[nodiscard]] std::string Text() const;
    // Replaces everything; the caret goes to the start and undo is forgotten.
    void SetText(std::string_view text);
    // Always at least one (an empty text is one empty line).
    [[nodiscard]] int LineCount() const { return int(m_lines.size()); }
    [[nodiscard]] const std::string& Line(int index) const { return m_lines[std::size_t(index)]; }
    [[nodiscard]] int LineLength(int index) const { return m_layout.LineLength(index); }
    // Code points, each line break counting one.
    [[nodiscard]] int Length() const;
    // Code points the user may have in all; 0 for no limit.
    [[nodiscard]] int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int maxLength) { m_maxLength = std::max(0, maxLength); }

    // --- positions ------------------------------------------------------------------
    [[nodiscard]] int OffsetOf(TEditPos pos) const;
    // Offsets outside the text are clamped.
    [[nodiscard]] TEditPos PosOf(int offset) const;
    [[nodiscard]] TEditPos Clamped(TEditPos pos) const;
    [[nodiscard]] TEditPos End() const;

    // --- caret and selection ----------------------------------------------------------
    [[nodiscard]] TEditPos Caret() const { return m_caret; }
    [[nodiscard]] bool HasSelection() const { return m_caret != m_anchor; }
    [[nodiscard]] TEditPos SelStart() const { return std::min(m_caret, m_anchor); }
    [[nodiscard]] TEditPos SelEnd() const { return std::max(m_caret, m_anchor); }
    [[nodiscard]] std::string SelectedText() const { return TextBetween(SelStart(), SelEnd()); }
    void MoveCaret(TEditPos to, TSelectMode mode);
    void Select(TEditPos anchor, TEditPos caret);
    void SelectAll() { Select({}, End()); }
    // Selects the run of one character class (a word, blanks, punctuation) at pos.
    void SelectWordAt(TEditPos pos);

    // --- where moves lead -------------------------------------------------------------
    // One code point back or on; a line break counts as one.
    [[nodiscard]] TEditPos CharLeft(TEditPos pos) const;
    [[nodiscard]] TEditPos CharRight(TEditPos pos) const;
    // To the start of this or the previous word; to the start of the next one.
    [[nodiscard]] TEditPos WordLeft(TEditPos pos) const;
    [[nodiscard]] TEditPos WordRight(TEditPos pos) const;
    // The ends of the row that shows pos.
    [[nodiscard]] TEditPos RowHome(TEditPos pos) const;
    [[nodiscard]] TEditPos RowEnd(TEditPos pos) const;
    // rows up (negative) or down from pos's row, at x pixels into that row.
    [[nodiscard]] TEditPos RowsAway(TEditPos pos, int rows, int x) const;

    // --- changes by the user: true when the text changed ---------------------------
    // Replaces the selection with text.
    bool Insert(std::string_view text, TEditKind kind);
    // The selection, else the code point before (after) the caret.
    bool DeleteBackward();
    bool DeleteForward();
    [[nodiscard]] bool CanUndo() const { return m_undo.has_value(); }
    // Undoes the last change and selects what it brought back.
    bool Undo();
    void ClearUndo() { m_undo.reset(); }

    // --- changes by the program -------------------------------------------------------
    // Replaces the offsets [start, end) with text; the caret and the anchor
    // keep their place in the text (one inside the replaced part goes to its start).
    void Replace(int start, int end, std::string_view text);

    // --- layout -----------------------------------------------------------------------------
    void SetMeasure(TMeasureFn measure);
    // Pixels; 0 or less for no wrapping.
    void SetWrapWidth(int width);
    [[nodiscard]] const TEditLayout& Layout() const { return m_layout; }
    [[nodiscard]] int RowCount() const { return m_layout.RowCount(); }
    [[nodiscard]] TEditRow Row(int index) const { return m_layout.Row(index); }
    [[nodiscard]] int RowOf(TEditPos pos) const { return m_layout.RowOf(pos.Line, pos.Column); }
    // Pixels from the start of the row that shows pos.
    [[nodiscard]] int XOf(TEditPos pos) const;
    // Pixels from the start of a row to one of its columns.
    [[nodiscard]] int XInRow(const TEditRow& row, int column) const;
    // The position of a row nearest to x pixels from its start.
    [[nodiscard]] TEditPos PosAt(int row, int x) const;

private:
    struct Change {
        int Start = 0;  // offset
        std::string Removed;
        std::string Inserted;
        TEditKind Kind = TEditKind::Other;
    };

    // Multi-line text with every line break as '\n'; single-line text as given.
    [[nodiscard]] std::string Normalized(std::string_view text) const;
    [[nodiscard]] std::vector<std::string> SplitLines(std::string_view normalized) const;
    [[nodiscard]] std::string TextBetween(TEditPos from, TEditPos to) const;
    [[nodiscard]] std::u32string LineChars(int line) const;
    // The core of every change: returns where the new text ends.
    TEditPos ReplaceRange(TEditPos from, TEditPos to, std::string_view normalized);
    // A change by the user: replaces the selection and keeps the change for undo.
    bool ApplyUserChange(std::string_view normalized, TEditKind kind);
    void Remember(int start, std::string removed, const std::string& inserted, TEditKind kind);

    TEditLines m_lineMode;
    std::vector<std::string> m_lines{std::string()};
    TEditLayout m_layout;
    TEditPos m_caret;
    TEditPos m_anchor;
    int m_maxLength = 0;  // code points; 0 for no limit
    std::optional<Change> m_undo;
};
