// TsuiCustomButton's paint steps. Every paint builds the whole picture in
// an off-screen bitmap and copies it once:
//   1. the face of the visual state, loaded afresh from the theme
//   2. the background: Color, or what lies behind the button
//   3. PaintPic (the face), PaintFocus (when focused), PaintText (a caption
//      that is not blank)
//   4. one copy onto the control's canvas

#include "skin/controls/SUICustomButton.h"

#include "platform/core/Exception.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/win/Gdi.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

#include <array>
#include <string_view>

using namespace SuiThemeId;

namespace {

// Frames of the three-frame ButtonImage strip by state (Normal, Hot,
// Pressed, Disabled): a disabled button shows the normal frame.
constexpr TStateFrames kButtonFaceFrames{1, 2, 3, 1};
constexpr int kButtonFaceFrameCount = 3;

constexpr int kFocusInset = 2;  // pixels from the edge to the focus rectangle

// Parents that paint what lies behind themselves for a transparent button.
bool PaintsBehindButton(const TWinControl* parent)
{
    constexpr std::array<std::string_view, 3> kClasses{"TTabSheet", "TsuiDBNavigator", "TsuiToolBar"};
    for (std::string_view name : kClasses) {
        if (parent->ClassName() == name) return true;
    }
    return false;
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

void TsuiCustomButton::PaintButton(int id, int count, int index, TBitmap* buf) const
{
    const TThemeReader theme(FileTheme(), UIStyle());
    theme.Bitmap(id, buf, count, index);
}

void TsuiCustomButton::PaintButtonNormal(TBitmap* buf)
{
    PaintButton(ButtonImage, kButtonFaceFrameCount, FrameOf(kButtonFaceFrames, TVisualState::Normal), buf);
}

void TsuiCustomButton::PaintButtonMouseOn(TBitmap* buf)
{
    PaintButton(ButtonImage, kButtonFaceFrameCount, FrameOf(kButtonFaceFrames, TVisualState::Hot), buf);
}

void TsuiCustomButton::PaintButtonMouseDown(TBitmap* buf)
{
    PaintButton(ButtonImage, kButtonFaceFrameCount, FrameOf(kButtonFaceFrames, TVisualState::Pressed), buf);
}

void TsuiCustomButton::PaintButtonDisabled(TBitmap* buf)
{
    PaintButton(ButtonImage, kButtonFaceFrameCount, FrameOf(kButtonFaceFrames, TVisualState::Disabled), buf);
}

void TsuiCustomButton::LoadFace(TVisualState state, TBitmap* face)
{
    try {
        switch (state) {
        case TVisualState::Disabled: PaintButtonDisabled(face); break;
        case TVisualState::Pressed: PaintButtonMouseDown(face); break;
        case TVisualState::Hot: PaintButtonMouseOn(face); break;
        case TVisualState::Normal: PaintButtonNormal(face); break;
        }
    } catch (const Exception&) {
        // A face that cannot be loaded never stops the paint.
        TBitmap fallback(kFallbackFaceWidth, kFallbackFaceHeight);
        face->Assign(fallback);
    }
}

void TsuiCustomButton::PaintBackground(TBitmap* buffer)
{
    TCanvas* canvas = buffer->Canvas();
    if (!m_transparent) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
        return;
    }
    if (Parent() && PaintsBehindButton(Parent())) DoTrans(canvas, Parent());
    else DoTrans(canvas, this);
}

void TsuiCustomButton::Paint()
{
    TBitmap buffer(Width(), Height());
    TBitmap face;
    LoadFace(State(), &face);
    face.SetTransparent(m_picTransparent);
    PaintBackground(&buffer);
    TCanvas* canvas = buffer.Canvas();
    PaintPic(canvas, &face);
    if (Focused() && TabStop()) PaintFocus(canvas);
    canvas->SetFont(Font());
    Canvas()->SetFont(Font());
    const std::string caption = Caption();
    if (!IsBlank(caption)) PaintText(canvas, caption);
    Canvas()->Draw(0, 0, &buffer);
}

void TsuiCustomButton::PaintPic(TCanvas* canvas, TBitmap* face)
{
    if (face->Width() == 0 || face->Height() == 0) return;
    TImageList images(nullptr);
    images.SetWidth(face->Width());
    images.SetHeight(face->Height());
    if (m_picTransparent) images.AddMasked(face, face->Canvas()->Pixels(0, 0));
    else images.Add(face, nullptr);
    images.Draw(canvas, 0, 0, 0, Enabled());
}

void TsuiCustomButton::PaintFocus(TCanvas* canvas)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->DrawFocusRect(ClientRect().Inflated(-kFocusInset, -kFocusInset));
}

void TsuiCustomButton::PaintText(TCanvas* canvas, const std::string& text)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    if (m_boldCaption) {
        TFontStyles style = canvas->Font()->Style();
        style.Include(fsBold);
        canvas->Font()->SetStyle(style);
    }
    constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    const TRect client = ClientRect();
    RECT shifted = client.Offset(1, 1);
    RECT plain = client;
    if (!Enabled()) {
        canvas->Font()->SetColor(kDisabledHighlight);
        DrawText(canvas->Handle(), text, -1, shifted, kFormat);
        canvas->Font()->SetColor(kDisabledText);
        DrawText(canvas->Handle(), text, -1, plain, kFormat);
    } else if (m_mouseDown) {
        DrawText(canvas->Handle(), text, -1, shifted, kFormat);
    } else {
        DrawText(canvas->Handle(), text, -1, plain, kFormat);
    }
    m_boldCaption = false;
}
