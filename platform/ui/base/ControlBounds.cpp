// TControl's bounds, client area, coordinates, anchors and size constraints.

#include "platform/ui/base/Control.h"

#include "platform/ui/base/SizeConstraints.h"
#include "platform/ui/base/WinControl.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <iterator>

void TControl::SetLeft(int left)
{
    SetBounds(left, m_top, m_width, m_height);
}

void TControl::SetTop(int top)
{
    SetBounds(m_left, top, m_width, m_height);
}

void TControl::SetWidth(int width)
{
    SetBounds(m_left, m_top, width, m_height);
}

void TControl::SetHeight(int height)
{
    SetBounds(m_left, m_top, m_width, height);
}

void TControl::SetBoundsRect(const TRect& rect)
{
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    TSize size{std::max(width, 0), std::max(height, 0)};
    if ((size.cx != m_width || size.cy != m_height) && !CanResize(size.cx, size.cy)) size = {m_width, m_height};
    size = ConstrainedSize({std::max(size.cx, 0), std::max(size.cy, 0)});
    const TRect bounds = TRect::FromSize(left, top, size.cx, size.cy);
    if (bounds == BoundsRect()) return;
    // A control with a window moves it; the window reports the new bounds back.
    if (MoveWindowTo(bounds)) return;
    const TRect old = BoundsRect();
    StoreBounds(bounds);
    BoundsChanged(old);
}

bool TControl::MoveWindowTo(const TRect& /*bounds*/)
{
    return false;
}

void TControl::StoreBounds(const TRect& bounds)
{
    m_left = bounds.Left;
    m_top = bounds.Top;
    m_width = bounds.Width();
    m_height = bounds.Height();
}

void TControl::BoundsChanged(const TRect& old)
{
    if (!IsWindowed() && m_parent && m_parent->HandleAllocated() && m_visible) {
        // A graphic control: its old and new places in the parent need painting.
        const bool erase = !(IsOpaque() || m_parent->ControlStyle().Contains(csOpaque));
        InvalidateRect(m_parent->WindowHandle(), &old, true);
        const RECT now = BoundsRect();
        InvalidateRect(m_parent->WindowHandle(), &now, erase);
    }
    UpdateAnchorRules();
    if (m_parent) m_parent->AlignControl(this);
    if (old.Size() != BoundsRect().Size()) SizeChanged();
}

void TControl::SizeChanged()
{
    if (!IsLoading()) Resize();
}

TSize TControl::ConstrainedSize(TSize proposed)
{
    int minWidth = m_constraints->MinWidth();
    int minHeight = m_constraints->MinHeight();
    int maxWidth = m_constraints->MaxWidth();
    int maxHeight = m_constraints->MaxHeight();
    ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
    return {TSizeConstraints::Constrain(proposed.cx, minWidth, maxWidth),
            TSizeConstraints::Constrain(proposed.cy, minHeight, maxHeight)};
}

bool TControl::CanResize(int& newWidth, int& newHeight)
{
    bool resize = true;
    if (OnCanResize) OnCanResize(this, newWidth, newHeight, resize);
    return resize;
}

void TControl::ConstrainedResize(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight)
{
    if (OnConstrainedResize) OnConstrainedResize(this, minWidth, minHeight, maxWidth, maxHeight);
}

void TControl::SetConstraints(TSizeConstraints* constraints)
{
    if (constraints) m_constraints->Assign(*constraints);
}

void TControl::ConstraintsChanged()
{
    SetBounds(m_left, m_top, m_width, m_height);
}

TRect TControl::ClientRect() const
{
    return {0, 0, m_width, m_height};
}

void TControl::SetClientWidth(int width)
{
    SetWidth(m_width - ClientWidth() + width);
}

void TControl::SetClientHeight(int height)
{
    SetHeight(m_height - ClientHeight() + height);
}

TPoint TControl::ClientOrigin() const
{
    if (!m_parent) throw EInvalidOperation(std::string("Control ") + Name() + " has no parent window");
    return m_parent->ClientOrigin() + TPoint{m_left, m_top};
}

TPoint TControl::ClientToScreen(TPoint point) const
{
    return point + ClientOrigin();
}

TPoint TControl::ScreenToClient(TPoint point) const
{
    return point - ClientOrigin();
}

void TControl::SetAlign(TAlign align)
{
    if (m_align == align) return;
    m_align = align;
    // An aligned control stretches along its side; its anchors say so.
    static const TAnchors kAnchorAlign[] = {
        {akLeft, akTop},                    // alNone
        {akLeft, akTop, akRight},           // alTop
        {akLeft, akRight, akBottom},        // alBottom
        {akLeft, akTop, akBottom},          // alLeft
        {akRight, akTop, akBottom},         // alRight
        {akLeft, akTop, akRight, akBottom}, // alClient
        {akLeft, akTop},                    // alCustom
    };
    static_assert(std::size(kAnchorAlign) == alCustom + 1, "one anchor set per alignment");
    SetAnchors(kAnchorAlign[align]);
    if (m_parent) m_parent->AlignControl(this);
}

void TControl::SetAnchors(TAnchors anchors)
{
    if (m_anchors == anchors) return;
    m_anchors = anchors;
    UpdateAnchorRules();
}

// The rules say where the control goes when the parent's client area
// changes size, as the classic framework keeps them:
//   akLeft + akRight   X holds the width; the width grows with the parent
//   akRight only       X holds the left; the control moves with the right edge
//   neither            X holds the centre; it keeps its relative place
// and the same for Y with akTop and akBottom.
void TControl::UpdateAnchorRules()
{
    if (m_anchorMove || IsLoading()) return;
    if (m_anchors == TAnchors{akLeft, akTop} || !m_parent) {
        m_anchorOrigin = {};
        return;
    }
    auto rule = [](bool nearSide, bool farSide, int pos, int size) {
        if (farSide) return nearSide ? size : pos;
        return pos + size / 2;
    };
    m_anchorRules.X = rule(m_anchors.Contains(akLeft), m_anchors.Contains(akRight), m_left, m_width);
    m_anchorRules.Y = rule(m_anchors.Contains(akTop), m_anchors.Contains(akBottom), m_top, m_height);
    m_anchorOrigin = m_parent->ClientRect().Size();
}

