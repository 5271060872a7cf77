// Painting of the tool bar: the custom-draw events (the states a button
// handler is told, handlers that take over the drawing), the bar's edges
// and transparency, and pixels of the plain button look.

#include "tests/ui/toolbar/ToolBarTestSupport.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"

#include <map>

namespace uitest {
namespace {

class ToolBarDrawTest : public ToolBarTest {
protected:
    // The state the button handler was told for name in the repaint that action caused.
    template <class Action>
    TCustomDrawState StateAfter(const char* name, Action action)
    {
        seen.clear();
        action();
        Pump();
        EXPECT_TRUE(seen.count(name)) << name << " was not repainted";
        return seen[name];
    }
    void Fill(const TRect& rect, TColor color)
    {
        bar->Canvas()->Brush()->SetStyle(bsSolid);
        bar->Canvas()->Brush()->SetColor(color);
        bar->Canvas()->FillRect(rect);
    }

    std::map<std::string, TCustomDrawState> seen;
};

TEST_F(ToolBarDrawTest, AButtonHandlerIsToldHoverPressCheckAndDisable)
{
    bar->SetFlat(true);
    TToolButton* a = Add("a", tbsCheck);
    std::vector<std::string> order;
    bar->OnCustomDraw = [&](TToolBar* sender, TRect rect, bool&) {
        EXPECT_TRUE(sender->CustomDrawing());
        EXPECT_EQ(rect, bar->ClientRect());
        order.push_back("bar");
    };
    bar->OnCustomDrawButton = [&](TToolBar* sender, TToolButton* button, TCustomDrawState state, bool&) {
        EXPECT_EQ(sender, bar);
        seen[button->Name()] = state;
        order.push_back(button->Name());
    };
    EXPECT_EQ(StateAfter("a", [&] { bar->Invalidate(); }), TCustomDrawState{});
    EXPECT_EQ(order, (std::vector<std::string>{"bar", "a"}));
    EXPECT_EQ(StateAfter("a", [&] { MoveTo(a); }), (TCustomDrawState{cdsHot}));
    EXPECT_EQ(StateAfter("a", [&] { Press(a); }), (TCustomDrawState{cdsHot, cdsSelected}));
    EXPECT_EQ(StateAfter("a", [&] { Release(a); }), (TCustomDrawState{cdsHot, cdsChecked}));
    EXPECT_EQ(StateAfter("a", [&] { MoveAway(); }), (TCustomDrawState{cdsChecked}));
    EXPECT_EQ(StateAfter("a", [&] { a->SetEnabled(false); }), (TCustomDrawState{cdsGrayed, cdsDisabled, cdsChecked}));
    const auto markedAndIndeterminate = [&] {
        a->SetEnabled(true);
        a->SetDown(false);
        a->SetMarked(true);
        a->SetIndeterminate(true);
    };
    EXPECT_EQ(StateAfter("a", markedAndIndeterminate), (TCustomDrawState{cdsMarked, cdsIndeterminate}));
    EXPECT_FALSE(bar->CustomDrawing());
}

TEST_F(ToolBarDrawTest, AButtonHandlerThatClearsDefaultDrawOwnsThatButtonsPixels)
{
    bar->SetFlat(true);
    TToolButton* a = Add("a");
    TToolButton* b = Add("b");
    bar->OnCustomDrawButton = [&](TToolBar*, TToolButton* button, TCustomDrawState state, bool& defaultDraw) {
        if (button != a || !state.Contains(cdsHot)) return;
        Fill(button->BoundsRect(), clRed);
        defaultDraw = false;
    };
    MoveTo(a);
    PixelBuffer pixels = Capture();
    const TRect ra = a->BoundsRect();
    EXPECT_EQ(At(pixels, ra.Left, ra.Top), clRed);
    EXPECT_EQ(At(pixels, ra.Right - 1, ra.Bottom - 1), clRed);
    // The plain flat look: nothing until hot, then a thin raised edge, pressed a thin sunken one.
    const int right = b->BoundsRect().Right - 1;
    MoveTo(b);
    pixels = Capture();
    EXPECT_EQ(At(pixels, ra.Left, ra.Top + 5), Sys(clBtnFace));
    EXPECT_EQ(At(pixels, b->Left(), b->Top() + 5), Sys(clBtnHighlight));
    EXPECT_EQ(At(pixels, right, b->Top() + 5), Sys(clBtnShadow));
    Press(b);
    pixels = Capture();
    EXPECT_EQ(At(pixels, b->Left(), b->Top() + 5), Sys(clBtnShadow));
    EXPECT_EQ(At(pixels, right, b->Top() + 5), Sys(clBtnHighlight));
}

TEST_F(ToolBarDrawTest, ABarHandlerThatClearsDefaultDrawOwnsTheBackground)
{
    TToolButton* a = Add("a");
    bar->OnCustomDraw = [&](TToolBar*, TRect rect, bool& defaultDraw) {
        Fill(rect, clLime);
        defaultDraw = false;
    };
    const PixelBuffer pixels = Capture();
    EXPECT_EQ(At(pixels, 300, 0), clLime) << "no edge";
    EXPECT_EQ(At(pixels, 300, 10), clLime);
    EXPECT_EQ(At(pixels, a->BoundsRect().Right - 1, 10), Sys(cl3DDkShadow)) << "buttons are still drawn";
}

TEST_F(ToolBarDrawTest, ATransparentBarLeavesItsBackgroundToTheHandlerOrShowsItsParent)
{
    form->SetColor(clTeal);
    bar->OnCustomDraw = [&](TToolBar*, TRect, bool&) { Fill({250, 0, 350, 29}, clLime); };
    PixelBuffer pixels = Capture();
    EXPECT_EQ(At(pixels, 300, 10), Sys(clBtnFace)) << "an opaque bar paints over the handler";
    bar->SetTransparent(true);
    pixels = Capture();
    EXPECT_EQ(At(pixels, 300, 10), clLime);
    EXPECT_EQ(At(pixels, 300, 0), Sys(clBtnShadow)) << "the edges are still drawn";
    bar->OnCustomDraw = nullptr;
    bar->Invalidate();
    pixels = Capture();
    EXPECT_EQ(At(pixels, 300, 10), clTeal);
}

TEST_F(ToolBarDrawTest, EdgesAreRingsOnTheNamedSides)
{
    // The default: an etched line along the top only.
    PixelBuffer pixels = Capture();
    EXPECT_EQ(At(pixels, 5, 0), Sys(clBtnShadow));
    EXPECT_EQ(At(pixels, 5, 1), Sys(clBtnHighlight));
    EXPECT_EQ(At(pixels, 5, 2), Sys(clBtnFace));
    EXPECT_EQ(At(pixels, 0, 10), Sys(clBtnFace));

    const int w = bar->Width();
    const int h = bar->Height();
    bar->SetEdgeBorders({ebLeft, ebTop, ebRight, ebBottom});
    bar->SetEdgeOuter(esRaised);
    bar->SetEdgeInner(esLowered);
    EXPECT_EQ(bar->ContentRect(), (TRect{2, 2, w - 2, h - 2}));
    pixels = Capture();
    EXPECT_EQ(At(pixels, 1, 10), Sys(cl3DDkShadow));
    EXPECT_EQ(At(pixels, w - 1, 10), Sys(cl3DDkShadow));
    EXPECT_EQ(At(pixels, 5, h - 1), Sys(cl3DDkShadow));

    bar->SetEdgeOuter(esNone);
    bar->SetEdgeInner(esNone);
    EXPECT_EQ(bar->ContentRect(), bar->ClientRect());
}

TEST_F(ToolBarDrawTest, RaisedButtonsAreBoxesDownOnesCheckeredAndDropDownsHaveAnArrow)
{
    TToolButton* a = Add("a", tbsCheck);
    TToolButton* more = Add("more", tbsDropDown);
    const int y = a->Top() + 5;
    PixelBuffer pixels = Capture();
    EXPECT_EQ(At(pixels, a->Left() + 1, y), Sys(clBtnHighlight));
    EXPECT_EQ(At(pixels, a->BoundsRect().Right - 1, y), Sys(cl3DDkShadow));
    // The arrow part is a raised box of its own with a black triangle.
    const TRect arrow = more->Parts().Arrow;
    EXPECT_EQ(At(pixels, arrow.Left + 1, y), Sys(clBtnHighlight));
    EXPECT_EQ(At(pixels, arrow.Left + arrow.Width() / 2, arrow.Top + arrow.Height() / 2 - 1), Sys(clBtnText));

    a->SetDown(true);
    pixels = Capture();
    EXPECT_EQ(At(pixels, a->Left(), y), Sys(clBtnShadow));
    EXPECT_EQ(At(pixels, a->Left() + 1, y), Sys(cl3DDkShadow));
    const TColor one = At(pixels, a->Left() + 5, y);
    const TColor next = At(pixels, a->Left() + 6, y);
    EXPECT_TRUE((one == Sys(clBtnHighlight) && next == Sys(clBtnFace)) ||
                (one == Sys(clBtnFace) && next == Sys(clBtnHighlight)));
    EXPECT_EQ(At(pixels, a->Left() + 5, y + 1), next) << "a checkerboard";
}

}  // namespace
}  // namespace uitest
