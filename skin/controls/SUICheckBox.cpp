// TsuiCheckBox: properties, clicks and keys, and the off-screen paint:
//   1. the state picture (frame by Checked and Enabled) loaded afresh
//   2. the background: Color, or what lies behind the control
//   3. the picture at the left, vertically centred
//   4. the caption after it, then the focus rectangle around the caption
//   5. one copy onto the control's canvas

#include "skin/controls/SUICheckBox.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/controls/CaptionText.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/win/Messages.h"
#include "platform/win/WinConst.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"
#include "skin/core/VisualState.h"

#include <algorithm>

namespace {

// Frames of the four-frame strip by state (Normal, Hot, Pressed, Disabled):
// a check box shows no hot or pressed look of its own.
constexpr TStateFrames kCheckedFrames{1, 1, 1, 3};
constexpr TStateFrames kUncheckedFrames{2, 2, 2, 4};
constexpr int kStateFrameCount = 4;

constexpr int kPictureLeft = 1;   // pixels
constexpr int kCaptionGap = 4;    // pixels between picture and caption
constexpr int kTextPadding = 2;   // pixels added to the text height
constexpr int kHeightPadding = 4;  // pixels added to the taller of text and picture
constexpr int kWidthPadding = 8;   // pixels added to picture and caption
// The text whose height decides the caption line.
constexpr const char* kLineSample = "W";

bool PaintsBehindCheckBox(const TWinControl* parent)
{
    return std::string_view(parent->ClassName()) == "TTabSheet";
}

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiCheckBox);

void TsuiCheckBox::Publish(TClassBuilder<TsuiCheckBox>& c)
{
    c.Creatable<TComponent>();
    PublishSkinStyle(c);
    c.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    c.Property("AutoSize", &TsuiCheckBox::AutoSize, &TsuiCheckBox::SetAutoSize2).Default(true);
    c.Property("Checked", &TsuiCheckBox::Checked, &TsuiCheckBox::SetChecked).Default(false);
    PublishCaption(c);
    c.SubObject("Font", &TControl::Font, &TControl::SetFont);
    c.Color("Color", &TControl::Color, &TControl::SetColor);
    c.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    c.Property("State", &TsuiCheckBox::State, &TsuiCheckBox::SetState).Default(cbUnchecked);
    c.Property("Transparent", &TsuiCheckBox::Transparent, &TsuiCheckBox::SetTransparent).Default(false);
    c.Property("OnClick", &TControl::OnClick);
    c.Property("OnDblClick", &TControl::OnDblClick);
    c.Property("OnMouseDown", &TControl::OnMouseDown);
    c.Property("OnMouseMove", &TControl::OnMouseMove);
    c.Property("OnMouseUp", &TControl::OnMouseUp);
    c.Property("OnKeyDown", &TWinControl::OnKeyDown);
    c.Property("OnKeyPress", &TWinControl::OnKeyPress);
    c.Property("OnKeyUp", &TWinControl::OnKeyUp);
}

TsuiCheckBox::TsuiCheckBox(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    TControlStyle style = ControlStyle();
    // A fast second click is a second click and toggles again.
    style.Exclude(csDoubleClicks);
    SetControlStyle(style);
    SetTabStop(true);
    // The background around picture and caption is the parent's.
    SetParentColor(true);
    m_style.SetStyle(GetSUIFormStyle(owner));
}

// --- properties ---------------------------------------------------------------

void TsuiCheckBox::SetChecked(bool checked)
{
    if (m_checked == checked) return;
    m_checked = checked;
    CheckStateChanged();
    Invalidate();
}

void TsuiCheckBox::SetUIStyle(TsuiUIStyle style)
{
    m_style.SetStyle(style);
    Changed();
}

void TsuiCheckBox::SetFileTheme(TsuiFileTheme* fileTheme)
{
    m_style.SetFileTheme(fileTheme);
    SetUIStyle(UIStyle());
}

void TsuiCheckBox::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    Invalidate();
}

void TsuiCheckBox::SetAutoSize2(bool autoSize)
{
    m_autoSize = autoSize;
    Changed();
}

void TsuiCheckBox::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && m_style.Removed(component)) SetUIStyle(DeepBlue);
}

// The size follows picture and caption from the first paint on.
void TsuiCheckBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    AdjustSize();
}

// Picture or caption may have changed size.
void TsuiCheckBox::Changed()
{
    AdjustSize();
    Invalidate();
}

int TsuiCheckBox::GetPicThemeIndex() const
{
    return SuiThemeId::CheckBoxImage;
}

int TsuiCheckBox::StateFrame() const
{
    const TVisualState state = VisualStateOf({.Enabled = Enabled()});
    return FrameOf(m_checked ? kCheckedFrames : kUncheckedFrames, state);
}

void TsuiCheckBox::LoadPicture(TBitmap* picture) const
{
    const TThemeReader theme(FileTheme(), UIStyle());
    theme.Bitmap(GetPicThemeIndex(), picture, kStateFrameCount, StateFrame());
}

void TsuiCheckBox::AdjustSize()
{
    if (!m_autoSize) return;
    TBitmap picture;
    LoadPicture(&picture);
    TBitmap measure;
    measure.Canvas()->SetFont(Font());
    const int lineHeight = measure.Canvas()->TextHeight(kLineSample);
    const int height = std::max(lineHeight + kTextPadding, picture.Height()) + kHeightPadding;
    const int width = picture.Width() + measure.Canvas()->TextWidth(Caption()) + kWidthPadding;
    SetBounds(Left(), Top(), width, height);
}

// --- messages -------------------------------------------------------------------

void TsuiCheckBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        TCustomControl::Dispatch(message);
        Changed();
        break;
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    // Every paint covers the whole client area: nothing is erased first.
    case WM_ERASEBKGND: message.Result = 1; break;
    case CM_ENABLEDCHANGED:
    case CM_FOCUSCHANGED:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(message);
        Invalidate();
        break;
    default: TCustomControl::Dispatch(message); break;
    }
}

void TsuiCheckBox::CMDialogChar(TMessage& message)
{
    TCustomControl::Dispatch(message);
    if (!Enabled() || !IsAccel(char32_t(message.WParam), Caption())) {
        message.Result = 0;
        return;
    }
    if (CanFocus()) SetFocus();
    message.Result = 1;
    Click();
}

void TsuiCheckBox::KeyUp(WORD& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if ((key != VK_SPACE && key != VK_RETURN) || !Focused() || !Enabled()) return;
    Invalidate();
    Click();
}

// --- clicks ------------------------------------------------------------------------

void TsuiCheckBox::DoClick()
{
    SetChecked(!m_checked);
    Toggle();
}

void TsuiCheckBox::Click()
{
    if (CanFocus() && Enabled()) SetFocus();
    DoClick();
    TCustomControl::Click();
}

// --- paint ----------------------------------------------------------------------------

void TsuiCheckBox::Paint()
{
    TBitmap picture;
    picture.SetTransparent(GetPicTransparent());
    LoadPicture(&picture);

    TBitmap buffer(Width(), Height());
    TCanvas* canvas = buffer.Canvas();
    canvas->SetFont(Font());
    if (!m_transparent) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
    } else if (Parent() && PaintsBehindCheckBox(Parent())) {
        DoTrans(canvas, Parent());
    } else {
        DoTrans(canvas, this);
    }
    canvas->Draw(kPictureLeft, (ClientHeight() - picture.Height()) / 2, &picture);

    const int lineHeight = canvas->TextHeight(kLineSample);
    const int tx = picture.Width() + kCaptionGap;
    const int ty = (ClientHeight() - lineHeight) / 2;
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(tx, ty, Caption());
    if (TabStop() && Focused()) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->DrawFocusRect({tx - 1, ty, Width(), ty + lineHeight + kTextPadding});
    }
    Canvas()->Draw(0, 0, &buffer);
}
