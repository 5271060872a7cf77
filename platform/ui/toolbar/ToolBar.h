#pragma once
// TToolBar: a strip of tool buttons (TToolButton), aligned to the top of
// its parent by default, in the classic light-grey look.
//
// Buttons are the bar's TToolButton children in index order; a button given
// the bar as parent appends itself. The bar places them with LayoutToolBar
// whenever something that changes their sizes changes (buttons coming,
// going or changing caption, style or visibility; captions shown or
// hidden; image lists; fonts; the bar's size when it wraps).
//
// Painting. OnCustomDraw is asked first with the client rectangle; unless
// it clears defaultDraw the bar fills its background in Color (not when
// Transparent: then the handler paints it, and without a handler the
// parent is painted behind the bar) and draws its edges. Then each visible
// button in index order: OnCustomDrawButton is asked with the button's
// state; unless it clears defaultDraw the bar draws the button in the plain
// look. Handlers draw on the bar's Canvas, in bar coordinates (a button's
// rectangle is its BoundsRect). CustomDrawing is true while a handler runs.
//
// Edges: EdgeOuter and EdgeInner are one-pixel rings (raised or lowered)
// on the sides EdgeBorders names; buttons are placed inside them.
//
// The code is split by topic:
//   ToolBar.cpp        construction, properties, buttons, layout, run-time type information
//   ToolBarPaint.cpp   the bar's painting and custom-draw events

#include "platform/ui/base/CustomControl.h"
#include "platform/ui/toolbar/CustomDrawState.h"
#include "platform/ui/toolbar/ToolBarLayout.h"

#include <functional>

class TImageList;
class TToolBar;
class TToolButton;

QZ_ENUM(TEdgeStyle, esNone, esRaised, esLowered)
QZ_ENUM(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom)
using TEdgeBorders = TEnumSet<TEdgeBorder>;

// Before the bar's background is drawn; rect is the bar's client rectangle.
using TTBCustomDrawEvent = std::function<void(TToolBar* sender, TRect rect, bool& defaultDraw)>;
// Before a button is drawn, with its state.
using TTBCustomDrawBtnEvent =
    std::function<void(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw)>;

class TToolBar : public TCustomControl {
    QZ_DECLARE_CLASS(TToolBar, TCustomControl)

public:
    static constexpr int kDefaultWidth = 150;        // pixels
    static constexpr int kDefaultHeight = 29;        // pixels
    static constexpr int kDefaultButtonWidth = 23;   // pixels
    static constexpr int kDefaultButtonHeight = 22;  // pixels

    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    // --- buttons -------------------------------------------------------------
    [[nodiscard]] int ButtonCount() const;
    // Raises EListError for a bad index.
    [[nodiscard]] TToolButton* Buttons(int index) const;
    // Places the buttons again; buttons call it when their size may change.
    void ButtonsChanged();

    // --- look --------------------------------------------------------------------
    [[nodiscard]] bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    [[nodiscard]] bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool showCaptions);
    // Captions to the right of the images instead of below them.
    [[nodiscard]] bool List() const { return m_list; }
    void SetList(bool list);
    [[nodiscard]] bool Wrapable() const { return m_wrapable; }
    void SetWrapable(bool wrapable);
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    [[nodiscard]] TEdgeStyle EdgeInner() const { return m_edgeInner; }
    void SetEdgeInner(TEdgeStyle edge);
    [[nodiscard]] TEdgeStyle EdgeOuter() const { return m_edgeOuter; }
    void SetEdgeOuter(TEdgeStyle edge);
    [[nodiscard]] TEdgeBorders EdgeBorders() const { return m_edgeBorders; }
    void SetEdgeBorders(TEdgeBorders borders);
    // Widths below 1 are taken as 1.
    [[nodiscard]] int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int width);
    [[nodiscard]] int ButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int height);
    // Pixels before the first button of each row; negative values count as 0.
    [[nodiscard]] int Indent() const { return m_indent; }
    void SetIndent(int indent);

    // --- image lists (references, cleared when the list goes) -----------------
    [[nodiscard]] TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    [[nodiscard]] TImageList* HotImages() const { return m_hotImages; }
    void SetHotImages(TImageList* images);
    [[nodiscard]] TImageList* DisabledImages() const { return m_disabledImages; }
    void SetDisabledImages(TImageList* images);

    // --- custom drawing (ToolBarPaint.cpp) ------------------------------------------
    [[nodiscard]] bool CustomDrawing() const { return m_customDrawing; }
    // The area inside the edges, where the buttons go.
    [[nodiscard]] TRect ContentRect() const;

    TTBCustomDrawEvent OnCustomDraw;
    TTBCustomDrawBtnEvent OnCustomDrawButton;

    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;
    void Paint() override;

private:
    void SetImageList(TImageList*& field, TImageList* images);
    void CMFontChanged(TMessage& message);
    // The bar's background and edges, unless OnCustomDraw takes them.
    void PaintBackground(TCanvas& canvas);
    void PaintParentBehind(TCanvas& canvas);
    void PaintButton(TCanvas& canvas, TToolButton& button);
    // The caption size of button as the layout and painting use it.
    [[nodiscard]] TSize CaptionSizeOf(const TToolButton& button) const;

    bool m_flat = false;
    bool m_showCaptions = false;
    bool m_list = false;
    bool m_wrapable = true;
    bool m_transparent = false;
    TEdgeStyle m_edgeInner = esRaised;
    TEdgeStyle m_edgeOuter = esLowered;
    TEdgeBorders m_edgeBorders{ebTop};
    int m_buttonWidth = kDefaultButtonWidth;    // pixels
    int m_buttonHeight = kDefaultButtonHeight;  // pixels
    int m_indent = 0;                           // pixels
    TImageList* m_images = nullptr;
    TImageList* m_hotImages = nullptr;
    TImageList* m_disabledImages = nullptr;
    bool m_customDrawing = false;
};
