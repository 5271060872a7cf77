#include "skin/controls/SUIPanel.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/base/Timer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/win/Gdi.h"
#include "platform/win/Messages.h"
#include "platform/win/WinApi.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

using namespace SuiThemeId;

namespace {

constexpr const char* kRollButtonResource = "PANEL_BUTTON";
constexpr int kRollButtonFrames = 4;
constexpr int kButtonMargin = 4;    // pixels between the roll button and the right outline
constexpr int kCaptionLeft = 10;    // pixels
constexpr int kChildInset = 3;      // pixels between aligned children and the outline
constexpr TColor kPanelColor = clWhite;

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiPanel);

void TsuiPanel::Publish(TClassBuilder<TsuiPanel>& c)
{
    c.Creatable<TComponent>();
    c.Color("BorderColor", &TsuiPanel::BorderColor, &TsuiPanel::SetBorderColor);
    PublishSkinStyle(c);
    c.Property("ShowButton", &TsuiPanel::ShowButton, &TsuiPanel::SetShowButton).Default(true);
    c.Property("OnPush", &TsuiPanel::OnPush);
    c.Property("OnPop", &TsuiPanel::OnPop);
    c.Property("Height", &TsuiPanel::Height2, &TsuiPanel::SetHeight2);
    c.Color("CaptionFontColor", &TsuiPanel::CaptionFontColor, &TsuiPanel::SetCaptionFontColor);
    PublishCaption(c);
    PublishColorAndFont(c);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}

TsuiPanel::TsuiPanel(TComponent* owner)
    : TCustomPanel(owner), m_titleBitmap(std::make_unique<TBitmap>()), m_rollTimer(std::make_unique<TTimer>(nullptr))
{
    m_rollTimer->SetEnabled(false);
    m_rollTimer->SetInterval(kRollTickMs);
    m_rollTimer->SetOnTimer([this](TObject*) { RollTick(); });
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    SetWidth(kDefaultHeight);
    SetHeight2(kDefaultHeight);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiPanel::~TsuiPanel() = default;

void TsuiPanel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; break;
    default: TCustomPanel::Dispatch(message); break;
    }
}

void TsuiPanel::SetUIStyle(TsuiUIStyle style)
{
    m_style.SetStyle(style);
    SetColor(kPanelColor);
    const TThemeReader theme(FileTheme(), style);
    theme.Bitmap(SideChannelBarImage, m_titleBitmap.get());
    m_borderColor = theme.Color(ControlBorderColor);
    m_captionFontColor = !theme.FromFile() && theme.Style() == MacOS ? clBlack : theme.Color(MenuSelectedFontColor);
    ContainerApplyUIStyle(this, style, FileTheme());
    Realign();
    Invalidate();
}

void TsuiPanel::SetFileTheme(TsuiFileTheme* fileTheme)
{
    m_style.SetFileTheme(fileTheme);
    SetUIStyle(UIStyle());
}

void TsuiPanel::Notification(TComponent* component, TOperation operation)
{
    TCustomPanel::Notification(component, operation);
    if (operation != opRemove || !m_style.Removed(component)) return;
    ContainerApplyUIStyle(this, DeepBlue, nullptr);
    SetUIStyle(DeepBlue);
}

void TsuiPanel::SetBorderColor(TColor color)
{
    m_borderColor = color;
    Invalidate();
}

void TsuiPanel::SetCaptionFontColor(TColor color)
{
    m_captionFontColor = color;
    Invalidate();
}

void TsuiPanel::SetShowButton(bool show)
{
    m_showButton = show;
    Invalidate();
}

void TsuiPanel::SetHeight2(int height)
{
    m_expandedHeight = height;
    if (m_expanded) SetHeight(height);
}

int TsuiPanel::TitleHeight() const
{
    return m_titleBitmap->Height();
}

int TsuiPanel::RolledUpHeight() const
{
    return TitleHeight() > 0 ? TitleHeight() : kDefaultTitle;
}

void TsuiPanel::AdjustClientRect(TRect& rect)
{
    rect.Left += kChildInset;
    rect.Right -= kChildInset;
    rect.Bottom -= kChildInset;
    rect.Top = TitleHeight() + kChildInset;
}

// --- rolling -------------------------------------------------------------------------------

void TsuiPanel::Push()
{
    StartRoll(false);
}

void TsuiPanel::Pop()
{
    StartRoll(true);
}

void TsuiPanel::StartRoll(bool expanding)
{
    m_rollingDown = expanding;
    m_animating = true;
    m_rollTimer->SetEnabled(true);
}

void TsuiPanel::RollTick()
{
    const int height = Height();
    if (m_rollingDown && height + kRollStep < m_expandedHeight) {
        SetHeight(height + kRollStep);
    } else if (!m_rollingDown && height - kRollStep > RolledUpHeight()) {
        SetHeight(height - kRollStep);
    } else {
        m_rollTimer->SetEnabled(false);
        SetHeight(m_rollingDown ? m_expandedHeight : RolledUpHeight());
        m_animating = false;
        m_expanded = m_rollingDown;
        Invalidate();
        const TNotifyEvent& done = m_expanded ? OnPop : OnPush;
        if (done) done(this);
        return;
    }
    Update();
}

void TsuiPanel::Resize()
{
    TCustomPanel::Resize();
    if (!m_animating && m_expanded) m_expandedHeight = Height();
}

// --- mouse -----------------------------------------------------------------------------------

void TsuiPanel::MouseMove(TShiftState shift, int x, int y)
{
    TCustomPanel::MouseMove(shift, x, y);
    if (m_showButton) Invalidate();
}

void TsuiPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomPanel::MouseUp(button, shift, x, y);
    // The release point decides, not the hover state of the last paint,
    // which may be stale when the pointer jumped before the press.
    if (button != mbLeft || !m_showButton || !InRect(x, y, RollButtonRect())) return;
    const bool rolledDown = m_animating ? m_rollingDown : m_expanded;
    StartRoll(!rolledDown);
    Invalidate();
}

// --- painting -----------------------------------------------------------------------------------

void TsuiPanel::Paint()
{
    const int width = Width();
    const int title = TitleHeight();
    TBitmap buffer(width, std::max(m_expandedHeight, Height()));
    TCanvas* canvas = buffer.Canvas();
    canvas->Pen()->SetColor(m_borderColor);
    canvas->Brush()->SetColor(Color());
    canvas->Rectangle(ClientRect());
    canvas->StretchDraw(TRect(1, 0, width - 1, title), m_titleBitmap.get());

    canvas->SetFont(Font());
    canvas->Font()->SetColor(m_captionFontColor);
    canvas->Brush()->SetStyle(bsClear);
    TRect captionRect(kCaptionLeft, 0, width - 1, title);
    const std::string caption = Caption();
    DrawText(canvas->Handle(), caption, -1, captionRect, DT_SINGLELINE | DT_VCENTER);

    if (m_showButton) PaintRollButton(canvas);
    Canvas()->Draw(0, 0, &buffer);
}

TRect TsuiPanel::RollButtonRect() const
{
    TBitmap strip;
    strip.LoadFromResourceName(nullptr, kRollButtonResource);
    return RollButtonRect(strip);
}

TRect TsuiPanel::RollButtonRect(const TBitmap& strip) const
{
    const int frameWidth = strip.Width() / kRollButtonFrames;
    const int frameHeight = strip.Height();
    const int top = (TitleHeight() - frameHeight) / 2;
    const int right = Width() - 1 - kButtonMargin;
    return {right - frameWidth, top, right, top + frameHeight};
}

void TsuiPanel::PaintRollButton(TCanvas* canvas)
{
    TBitmap strip;
    strip.LoadFromResourceName(nullptr, kRollButtonResource);
    const TRect hit = RollButtonRect(strip);
    POINT pointer;
    GetCursorPos(pointer);
    m_overButton = InRect(ScreenToClient(pointer), hit);
    const int frame = (m_expanded ? 1 : 3) + (m_overButton ? 1 : 0);
    TBitmap face;
    SpitBitmap(&strip, &face, kRollButtonFrames, frame);
    canvas->Draw(hit.Left + 1, hit.Top / 2 + 2, &face);
}
