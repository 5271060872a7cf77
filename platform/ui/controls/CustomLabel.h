#pragma once
// TCustomLabel: a line (or, with WordWrap, lines) of text on the parent's
// face. The text is aligned left, right or centred, and vertically by
// Layout; AutoSize makes the label take the size of its text (with
// WordWrap only the height grows, and the width shrinks to the widest
// line; a right-aligned label keeps its right edge). A label that is not
// Transparent fills its rectangle with Color first. With ShowAccelChar an
// '&' underlines the next character, and typing that character (or Alt
// with it) focuses FocusControl. A disabled label shows its text etched.

#include "platform/ui/base/GraphicControl.h"

#include <string>

QZ_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

class TCustomLabel : public TGraphicControl {
    QZ_DECLARE_CLASS(TCustomLabel, TGraphicControl)

public:
    static constexpr int kDefaultWidth = 65;   // pixels
    static constexpr int kDefaultHeight = 17;  // pixels

    explicit TCustomLabel(TComponent* owner);

    [[nodiscard]] TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    [[nodiscard]] TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout layout);
    [[nodiscard]] bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    [[nodiscard]] bool Transparent() const { return !IsOpaque(); }
    void SetTransparent(bool transparent);
    [[nodiscard]] bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);
    // Held as a reference; cleared when that control goes.
    [[nodiscard]] TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* control);

    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;

    // Takes the size of the text when AutoSize is set (not while loading).
    void AdjustBounds();

private:
    // The DrawText flags for the text, without DT_CALCRECT.
    [[nodiscard]] UINT TextFormat() const;
    // What is drawn: an empty caption still measures one line high.
    [[nodiscard]] std::string MeasuredText() const;
    void CMDialogChar(TMessage& message);

    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
    bool m_wordWrap = false;
    bool m_autoSize = true;
    bool m_showAccelChar = true;
    TWinControl* m_focusControl = nullptr;
};
