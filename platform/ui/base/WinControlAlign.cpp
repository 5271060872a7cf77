// TWinControl's alignment of its children and anchors.
//
// Children are placed in the classic order: alTop, alBottom, alLeft,
// alRight, alClient, alCustom, each group sorted by where the controls are
// now (the control that asked keeps its place among its group), each taking
// its strip off the remaining rectangle. Then anchored controls (alNone)
// follow the parent's client size by their anchor rules.

#include "platform/ui/base/WinControl.h"

#include <algorithm>

namespace {

// True when c1 goes before c2 in the group of alignment align.
bool InsertBefore(const TControl* c1, const TControl* c2, TAlign align)
{
    switch (align) {
    case alTop: return c1->Top() < c2->Top();
    case alBottom: return c1->Top() + c1->Height() >= c2->Top() + c2->Height();
    case alLeft: return c1->Left() < c2->Left();
    case alRight: return c1->Left() + c1->Width() >= c2->Left() + c2->Width();
    default: return false;
    }
}

}  // namespace

void TWinControl::DisableAlign()
{
    ++m_alignLevel;
}

void TWinControl::EnableAlign()
{
    if (m_alignLevel > 0) --m_alignLevel;
    if (m_alignLevel == 0 && ControlState().Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign()
{
    AlignControl(nullptr);
}

bool TWinControl::AlignWork() const
{
    return std::any_of(m_controls.begin(), m_controls.end(), [](const TControl* c) {
        return c->Align() != alNone || c->Anchors() != TAnchors{akLeft, akTop};
    });
}

void TWinControl::AlignControl(TControl* control)
{
    if (IsDestroying()) return;
    if (m_alignLevel != 0 || IsLoading()) {
        SetControlState(ControlState().Include(csAlignmentNeeded));
        return;
    }
    SetControlState(ControlState().Exclude(csAlignmentNeeded));
    if (!AlignWork()) return;
    // Children moving ask for alignment again; that waits until this pass is over.
    DisableAlign();
    struct Enable {
        TWinControl* self;
        ~Enable()
        {
            self->SetControlState(self->ControlState().Exclude(csAlignmentNeeded));
            self->EnableAlign();
        }
    } enable{this};
    TRect rect = ClientRect();
    AlignControls(control, rect);
}

void TWinControl::AdjustClientRect(TRect& /*rect*/) {}

void TWinControl::AlignControls(TControl* control, TRect& rect)
{
    const TSize parentSize = rect.Size();
    AdjustClientRect(rect);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient, alCustom}) {
        std::vector<TControl*> group;
        if (control && control->Align() == align && control->Visible()) group.push_back(control);
        for (TControl* c : m_controls) {
            if (c == control || c->Align() != align || !c->Visible()) continue;
            auto at = std::find_if(group.begin(), group.end(), [&](TControl* g) { return InsertBefore(c, g, align); });
            group.insert(at, c);
        }
        for (TControl* c : group) PlaceAligned(c, align, rect);
    }
    for (TControl* c : m_controls) {
        if (c->Align() == alNone) PlaceAnchored(c, parentSize);
    }
}

void TWinControl::PlaceAligned(TControl* c, TAlign align, TRect& rect)
{
    int width = rect.Width();
    if (width < 0 || align == alLeft || align == alRight || align == alCustom) width = c->Width();
    int height = rect.Height();
    if (height < 0 || align == alTop || align == alBottom || align == alCustom) height = c->Height();
    int left = rect.Left;
    int top = rect.Top;
    switch (align) {
    case alTop: rect.Top += height; break;
    case alBottom:
        rect.Bottom -= height;
        top = rect.Bottom;
        break;
    case alLeft: rect.Left += width; break;
    case alRight:
        rect.Right -= width;
        left = rect.Right;
        break;
    case alCustom:
        left = c->Left();
        top = c->Top();
        break;
    default: break;
    }
    SetBoundsByParent(c, TRect::FromSize(left, top, width, height));
    // A control that kept another size (constraints) gives back or takes the difference.
    const int dw = width - c->Width();
    const int dh = height - c->Height();
    switch (align) {
    case alTop: rect.Top -= dh; break;
    case alBottom: rect.Bottom += dh; break;
    case alLeft: rect.Left -= dw; break;
    case alRight: rect.Right += dw; break;
    default: break;
    }
}

void TWinControl::PlaceAnchored(TControl* c, TSize parentSize)
{
    const TAnchors anchors = c->Anchors();
    const TSize origin = c->AnchorOrigin();
    if (anchors == TAnchors{akLeft, akTop} || origin.cx <= 0 || origin.cy <= 0) return;
    const TPoint rules = c->AnchorRules();
    TRect bounds = c->BoundsRect();
    int left = bounds.Left;
    int top = bounds.Top;
    int width = bounds.Width();
    int height = bounds.Height();
    // See TControl::UpdateAnchorRules for what the rules hold.
    if (anchors.Contains(akRight)) {
        if (anchors.Contains(akLeft))
            width = parentSize.cx - (origin.cx - rules.X);
        else
            left = rules.X + (parentSize.cx - origin.cx);
    } else if (!anchors.Contains(akLeft)) {
        left = int(std::int64_t(rules.X) * parentSize.cx / origin.cx) - width / 2;
    }
    if (anchors.Contains(akBottom)) {
        if (anchors.Contains(akTop))
            height = parentSize.cy - (origin.cy - rules.Y);
        else
            top = rules.Y + (parentSize.cy - origin.cy);
    } else if (!anchors.Contains(akTop)) {
        top = int(std::int64_t(rules.Y) * parentSize.cy / origin.cy) - height / 2;
    }
    SetBoundsByParent(c, TRect::FromSize(left, top, width, height));
}

void TWinControl::SetBoundsByParent(TControl* c, const TRect& bounds)
{
    c->m_anchorMove = true;
    struct Restore {
        TControl* c;
        ~Restore() { c->m_anchorMove = false; }
    } restore{c};
    c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}
