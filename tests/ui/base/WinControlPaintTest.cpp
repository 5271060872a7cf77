// Painting: the window's background and graphic children in z-order,
// painting into a context handed in wParam (a parent painting into a
// child's off-screen bitmap), the BorderWidth frame, and repaint requests.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/CustomPanel.h"
#include "platform/win/Gdi.h"

namespace uitest {
namespace {

// A windowed control that paints itself one colour.
class TSolid : public TCustomControl {
public:
    explicit TSolid(TComponent* owner, TColor color) : TCustomControl(owner), m_color(color) {}
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        Canvas()->Brush()->SetColor(m_color);
        Canvas()->FillRect(ClientRect());
    }

private:
    TColor m_color;
};

// An off-screen bitmap and a memory context drawing into it.
class OffScreen {
public:
    OffScreen(int width, int height)
        : m_dc(CreateCompatibleDC(nullptr)), m_bitmap(CreateCompatibleBitmap(nullptr, width, height))
    {
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~OffScreen()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    [[nodiscard]] HDC Dc() const { return m_dc; }
    [[nodiscard]] TColor At(int x, int y) const { return TColor(GetPixel(m_dc, x, y)); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

class WinControlPaintTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({0, 0, 200, 150});
        graphic = new TTestGraphic(form);
        graphic->SetParent(form);
        graphic->SetBounds(10, 10, 30, 20);
        Pump();
    }
    [[nodiscard]] TColor WindowPixel(int x, int y)
    {
        const PixelBuffer pixels = Desktop().CaptureWindow(form->WindowHandle());
        return ColorFromPixel(pixels.GetPixel(x, y));
    }
    TForm* form = nullptr;
    TTestGraphic* graphic = nullptr;
};

TEST_F(WinControlPaintTest, TheFormPaintsItsColourAndThenItsGraphicChildren)
{
    EXPECT_EQ(WindowPixel(5, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(WindowPixel(10, 10), clRed);
    EXPECT_EQ(WindowPixel(39, 29), clRed);
    EXPECT_EQ(WindowPixel(40, 30), ColorToRGB(clBtnFace));
}

TEST_F(WinControlPaintTest, OnPaintDrawsOnTheFormUnderItsGraphicChildren)
{
    form->OnPaint = [this](TObject*) {
        form->Canvas()->Brush()->SetColor(clBlue);
        form->Canvas()->FillRect(Rect(0, 0, 60, 60));
    };
    form->Invalidate();
    Pump();
    EXPECT_EQ(WindowPixel(50, 50), clBlue);
    EXPECT_EQ(WindowPixel(15, 15), clRed);
}

TEST_F(WinControlPaintTest, LaterGraphicChildrenPaintOverEarlierOnes)
{
    auto* over = new TTestGraphic(form);
    over->PaintColor = clBlue;
    over->SetParent(form);
    over->SetBounds(20, 10, 30, 20);
    Pump();
    EXPECT_EQ(WindowPixel(25, 15), clBlue);
    over->SendToBack();
    Pump();
    EXPECT_EQ(WindowPixel(25, 15), clRed);
}

TEST_F(WinControlPaintTest, WmPaintWithAContextPaintsIntoItWithoutTouchingTheWindow)
{
    auto* panel = new TSolid(form, clLime);
    panel->SetParent(form);
    panel->SetBounds(100, 50, 40, 40);
    Pump();
    const int framePaints = graphic->Paints;
    OffScreen copy(200, 150);
    SendMessage(form->WindowHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(copy.Dc()), 0);
    SendMessage(form->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(copy.Dc()), 0);
    EXPECT_EQ(copy.At(2, 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(copy.At(12, 12), clRed);
    // Windowed children are not part of the parent's picture.
    EXPECT_EQ(copy.At(110, 60), ColorToRGB(clBtnFace));
    EXPECT_EQ(graphic->Paints, framePaints + 1);
    // A windowed control paints itself into a context given to it the same way.
    OffScreen child(40, 40);
    SendMessage(panel->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(child.Dc()), 0);
    EXPECT_EQ(child.At(20, 20), clLime);
}

TEST_F(WinControlPaintTest, ParentsPaintIntoAChildsOffScreenCopyAtAnOffset)
{
    // The skin's see-through controls copy what their parent shows behind them.
    OffScreen behind(30, 30);
    SetViewportOrgEx(behind.Dc(), -5, -5);
    SendMessage(form->WindowHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(behind.Dc()), 0);
    SendMessage(form->WindowHandle(), WM_PAINT, reinterpret_cast<WPARAM>(behind.Dc()), 0);
    SetViewportOrgEx(behind.Dc(), 0, 0);
    EXPECT_EQ(behind.At(5, 5), clRed);  // form point (10, 10)
    EXPECT_EQ(behind.At(4, 4), ColorToRGB(clBtnFace));
}

TEST_F(WinControlPaintTest, InvalidateRepaintsAtTheNextPaint)
{
    const int before = graphic->Paints;
    graphic->Invalidate();
    EXPECT_EQ(graphic->Paints, before);
    Pump();
    EXPECT_EQ(graphic->Paints, before + 1);
    graphic->Repaint();
    EXPECT_EQ(graphic->Paints, before + 2);
    graphic->PaintColor = clYellow;
    graphic->Hide();
    Pump();
    EXPECT_EQ(WindowPixel(15, 15), ColorToRGB(clBtnFace));
}

TEST_F(WinControlPaintTest, BorderWidthFramesTheClientArea)
{
    auto* solid = new TSolid(form, clLime);
    solid->SetParent(form);
    solid->SetBounds(100, 50, 40, 40);
    solid->SetColor(clBlue);
    solid->SetBorderWidth(5);
    Pump();
    EXPECT_EQ(solid->ClientRect(), Rect(0, 0, 30, 30));
    EXPECT_EQ(solid->ClientOrigin(), Point(105, 55));
    EXPECT_EQ(WindowPixel(102, 52), clBlue);
    EXPECT_EQ(WindowPixel(106, 56), clLime);
}

TEST_F(WinControlPaintTest, EraseFillsTheClientAreaWithTheBrushUnlessOpaque)
{
    auto* solid = new TSolid(form, clLime);
    solid->SetParent(form);
    solid->SetBounds(100, 50, 40, 40);
    solid->SetColor(clBlue);
    Pump();
    OffScreen erased(40, 40);
    EXPECT_EQ(SendMessage(solid->WindowHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.Dc()), 0), 1);
    EXPECT_EQ(erased.At(1, 1), clBlue);
    solid->SetControlStyle(solid->ControlStyle().Include(csOpaque));
    OffScreen untouched(40, 40);
    EXPECT_EQ(SendMessage(solid->WindowHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(untouched.Dc()), 0), 1);
    EXPECT_EQ(untouched.At(1, 1), clBlack);
}

TEST_F(WinControlPaintTest, SettersWithTheSameValueDoNotRepaint)
{
    auto* solid = new TSolid(form, clLime);
    solid->SetParent(form);
    solid->SetBounds(100, 50, 40, 40);
    Pump();
    const int paints = solid->Paints;
    solid->SetColor(solid->Color());
    solid->SetBounds(100, 50, 40, 40);
    solid->SetVisible(true);
    Pump();
    EXPECT_EQ(solid->Paints, paints);
    solid->SetColor(clRed);
    Pump();
    EXPECT_EQ(solid->Paints, paints + 1);
}

}  // namespace
}  // namespace uitest
