#include "platform/ui/toolbar/ToolBar.h"

#include "platform/core/ListIndex.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/toolbar/ToolButton.h"
#include "platform/ui/toolbar/ToolButtonPaint.h"
#include "platform/win/Messages.h"

#include <algorithm>
#include <utility>
#include <vector>

QZ_IMPLEMENT_CLASS(TToolBar);

void TToolBar::Publish(TClassBuilder<TToolBar>& c)
{
    c.Creatable<TComponent>();
    c.Redeclare("Align").Default(alTop);
    PublishColorAndFont(c);
    c.Property("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(kDefaultButtonWidth);
    c.Property("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(kDefaultButtonHeight);
    c.Property("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders);
    c.Property("EdgeInner", &TToolBar::EdgeInner, &TToolBar::SetEdgeInner).Default(esRaised);
    c.Property("EdgeOuter", &TToolBar::EdgeOuter, &TToolBar::SetEdgeOuter).Default(esLowered);
    c.Property("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(false);
    c.Reference("Images", &TToolBar::Images, &TToolBar::SetImages);
    c.Reference("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages);
    c.Reference("DisabledImages", &TToolBar::DisabledImages, &TToolBar::SetDisabledImages);
    c.Property("Indent", &TToolBar::Indent, &TToolBar::SetIndent).Default(0);
    c.Property("List", &TToolBar::List, &TToolBar::SetList).Default(false);
    c.Property("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(false);
    c.Property("Transparent", &TToolBar::Transparent, &TToolBar::SetTransparent).Default(false);
    c.Property("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(true);
    c.Property("OnCustomDraw", &TToolBar::OnCustomDraw);
    c.Property("OnCustomDrawButton", &TToolBar::OnCustomDrawButton);
    PublishMouseEvents(c);
}

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csMenuEvents});
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetAlign(alTop);
    SetColor(clBtnFace);
}

TToolBar::~TToolBar() = default;

void TToolBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FONTCHANGED: CMFontChanged(message); break;
    default: TCustomControl::Dispatch(message); break;
    }
}

void TToolBar::CMFontChanged(TMessage& message)
{
    TCustomControl::Dispatch(message);
    ButtonsChanged();
}

void TToolBar::Loaded()
{
    TCustomControl::Loaded();
    ButtonsChanged();
}

void TToolBar::Resize()
{
    if (m_wrapable) ButtonsChanged();
    TCustomControl::Resize();
}

// --- buttons ------------------------------------------------------------------------

int TToolBar::ButtonCount() const
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        if (dynamic_cast<TToolButton*>(Controls(i))) ++count;
    }
    return count;
}

TToolButton* TToolBar::Buttons(int index) const
{
    CheckListIndex(index, ButtonCount());
    for (int i = 0, seen = 0; i < ControlCount(); ++i) {
        auto* button = dynamic_cast<TToolButton*>(Controls(i));
        if (button && seen++ == index) return button;
    }
    return nullptr;
}

void TToolBar::ButtonsChanged()
{
    if (IsLoading() || IsDestroying()) return;
    std::vector<TToolButton*> buttons;
    std::vector<TToolLayoutItem> items;
    for (int i = 0; i < ControlCount(); ++i) {
        auto* button = dynamic_cast<TToolButton*>(Controls(i));
        if (!button) continue;
        buttons.push_back(button);
        items.push_back({button->Style(), button->Visible(), CaptionSizeOf(*button)});
    }
    const TToolLayoutBar bar{ContentRect(), m_indent, {m_buttonWidth, m_buttonHeight},
                             m_images ? TSize{m_images->Width(), m_images->Height()} : TSize{}, m_list, m_wrapable};
    const std::vector<TRect> rects = LayoutToolBar(bar, items);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (items[i].Visible) buttons[i]->SetBoundsRect(rects[i]);
    }
    Invalidate();
}

TSize TToolBar::CaptionSizeOf(const TToolButton& button) const
{
    if (!m_showCaptions || button.Style() == tbsSeparator || button.Style() == tbsDivider) return {};
    const std::string caption = button.Caption();
    if (caption.empty()) return {};
    return MeasureToolCaption(*Font(), caption);
}

// --- properties ------------------------------------------------------------------------

void TToolBar::SetFlat(bool flat)
{
    if (m_flat == flat) return;
    m_flat = flat;
    Invalidate();
}

void TToolBar::SetShowCaptions(bool showCaptions)
{
    if (m_showCaptions == showCaptions) return;
    m_showCaptions = showCaptions;
    ButtonsChanged();
}

void TToolBar::SetList(bool list)
{
    if (m_list == list) return;
    m_list = list;
    ButtonsChanged();
}

void TToolBar::SetWrapable(bool wrapable)
{
    if (m_wrapable == wrapable) return;
    m_wrapable = wrapable;
    ButtonsChanged();
}

void TToolBar::SetTransparent(bool transparent)
{
    if (m_transparent == transparent) return;
    m_transparent = transparent;
    Invalidate();
}

void TToolBar::SetEdgeInner(TEdgeStyle edge)
{
    if (m_edgeInner == edge) return;
    m_edgeInner = edge;
    ButtonsChanged();
}

void TToolBar::SetEdgeOuter(TEdgeStyle edge)
{
    if (m_edgeOuter == edge) return;
    m_edgeOuter = edge;
    ButtonsChanged();
}

void TToolBar::SetEdgeBorders(TEdgeBorders borders)
{
    if (m_edgeBorders == borders) return;
    m_edgeBorders = borders;
    ButtonsChanged();
}

void TToolBar::SetButtonWidth(int width)
{
    width = std::max(width, 1);
    if (m_buttonWidth == width) return;
    m_buttonWidth = width;
    ButtonsChanged();
}

void TToolBar::SetButtonHeight(int height)
{
    height = std::max(height, 1);
    if (m_buttonHeight == height) return;
    m_buttonHeight = height;
    ButtonsChanged();
}

void TToolBar::SetIndent(int indent)
{
    indent = std::max(indent, 0);
    if (m_indent == indent) return;
    m_indent = indent;
    ButtonsChanged();
}

// --- image lists -------------------------------------------------------------------------

void TToolBar::SetImageList(TImageList*& field, TImageList* images)
{
    if (field == images) return;
    TImageList* old = std::exchange(field, images);
    // One list may serve in several roles: keep hearing of it while it does.
    if (old && old != m_images && old != m_hotImages && old != m_disabledImages) old->RemoveFreeNotification(this);
    if (images) images->FreeNotification(this);
    ButtonsChanged();
}

void TToolBar::SetImages(TImageList* images)
{
    SetImageList(m_images, images);
}

void TToolBar::SetHotImages(TImageList* images)
{
    SetImageList(m_hotImages, images);
}

void TToolBar::SetDisabledImages(TImageList* images)
{
    SetImageList(m_disabledImages, images);
}

void TToolBar::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    bool changed = false;
    for (TImageList** field : {&m_images, &m_hotImages, &m_disabledImages}) {
        if (*field != component) continue;
        *field = nullptr;
        changed = true;
    }
    if (changed) ButtonsChanged();
}
