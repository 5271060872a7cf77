#pragma once
// TCustomPanel: a container in the classic look: an outer and an inner
// bevel (raised or lowered, BevelWidth pixels each) with BorderWidth pixels
// of the panel's colour between them, the face in Color, and the caption
// drawn in the middle (left or right with Alignment). Aligned children
// share what lies inside the bevels. BorderStyle bsSingle adds a window
// border around it all.

#include "platform/ui/base/CustomControl.h"

class TCustomPanel : public TCustomControl {
    QZ_DECLARE_CLASS(TCustomPanel, TCustomControl)

public:
    static constexpr int kDefaultWidth = 185;  // pixels
    static constexpr int kDefaultHeight = 41;  // pixels

    explicit TCustomPanel(TComponent* owner);

    [[nodiscard]] TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    [[nodiscard]] TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut bevel);
    [[nodiscard]] TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    [[nodiscard]] int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    // Between the bevels, inside the client area (not the window's frame).
    [[nodiscard]] int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    // bsNone or bsSingle; other values count as bsSingle.
    [[nodiscard]] TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    // Repaint everything on resize (kept for form descriptions; the panel always does).
    [[nodiscard]] bool FullRepaint() const { return m_fullRepaint; }
    void SetFullRepaint(bool fullRepaint) { m_fullRepaint = fullRepaint; }

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(TRect& rect) override;
    void Paint() override;

private:
    // The width of the bevels and the border between them.
    [[nodiscard]] int FrameWidth() const;
    void FrameChanged();

    TAlignment m_alignment = taCenter;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;   // pixels
    int m_borderWidth = 0;  // pixels
    TBorderStyle m_borderStyle = bsNone;
    bool m_fullRepaint = true;
};
