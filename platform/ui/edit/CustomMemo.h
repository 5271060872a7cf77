#pragma once
// TCustomMemo: the edit control with several lines. Lines (a TStrings)
// reads and changes the text line by line. WordWrap (on by default) breaks
// long lines at the width of the text rectangle. ScrollBars gives the
// window its standard scroll bars, kept in step with the text (rows on the
// vertical bar, pixels on the horizontal one) and obeyed when they send
// WM_VSCROLL and WM_HSCROLL, so that a skin can read their state and steer
// them. The wheel scrolls kWheelRows rows a notch. Up, Down, Page Up and
// Page Down move the caret by rows, Ctrl+Home and Ctrl+End to the ends.
//
// WantReturns lets Enter type a line break (without it Enter goes to the
// form as a dialog key, and Ctrl+Enter still types one); WantTabs does the
// same for Tab, which otherwise moves the focus.
//
// Lines.Add appends a line without moving the caret or the view, as
// classically; the text then ends with a line break, and Lines.Count does
// not count the empty line after it.

#include "platform/ui/edit/CustomEdit.h"

#include <memory>

QZ_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

class TMemoStrings;
class TStrings;

class TCustomMemo : public TCustomEdit {
    QZ_DECLARE_CLASS(TCustomMemo, TCustomEdit)

public:
    static constexpr int kDefaultWidth = 185;  // pixels
    static constexpr int kDefaultHeight = 89;  // pixels
    static constexpr int kWheelRows = 3;       // rows a notch of the wheel scrolls

    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    [[nodiscard]] TStrings* Lines() const;
    // Copies the lines of another list.
    void SetLines(TStrings* lines);
    // FIXME: the text is always drawn left-aligned; the value is kept for form descriptions.
    [[nodiscard]] TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment) { m_alignment = alignment; }
    [[nodiscard]] TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle bars);
    [[nodiscard]] bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool want) { m_wantReturns = want; }
    [[nodiscard]] bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool want) { m_wantTabs = want; }
    [[nodiscard]] bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    [[nodiscard]] bool WrapsLines() const override { return m_wordWrap; }
    [[nodiscard]] bool TakesControlChar(char32_t ch) const override;
    [[nodiscard]] LRESULT DialogCode() const override;
    // Lines with its own run-time type information, for publishing.
    [[nodiscard]] TMemoStrings* MemoLines() const { return m_lines.get(); }

private:
    friend class TMemoStrings;

    void WMVScroll(TMessage& message);
    void WMHScroll(TMessage& message);
    void WMMouseWheel(TMessage& message);

    std::unique_ptr<TMemoStrings> m_lines;
    TAlignment m_alignment = taLeftJustify;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
    bool m_wordWrap = true;
    int m_wheelDelta = 0;  // wheel units not yet scrolled
};
