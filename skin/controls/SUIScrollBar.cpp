#include "skin/controls/SUIScrollBar.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/win/Messages.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIScrollBarLayout.h"
#include "skin/controls/SUIScrollTrackBar.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

#include <algorithm>

using namespace SuiThemeId;

namespace {

constexpr int kArrowFrames = 6;   // dec normal, on, down; inc normal, on, down
constexpr int kSliderPieces = 3;  // start cap, middle, end cap
constexpr int kTrackMax = 100;

[[nodiscard]] TSize SizeOf(const TControl* control)
{
    return {control->Width(), control->Height()};
}

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiScrollBar);

void TsuiScrollBar::Publish(TClassBuilder<TsuiScrollBar>& c)
{
    c.Creatable<TComponent>();
    PublishSkinStyle(c);
    c.Property("Orientation", &TsuiScrollBar::Orientation, &TsuiScrollBar::SetOrientation).Default(suiHorizontal);
    c.Property("Max", &TsuiScrollBar::Max, &TsuiScrollBar::SetMax);
    c.Property("Min", &TsuiScrollBar::Min, &TsuiScrollBar::SetMin);
    c.Property("Position", &TsuiScrollBar::Position, &TsuiScrollBar::SetPosition);
    c.Property("PageSize", &TsuiScrollBar::PageSize, &TsuiScrollBar::SetPageSize);
    c.Property("LargeChange", &TsuiScrollBar::LargeChange, &TsuiScrollBar::SetLargeChange);
    c.Property("SmallChange", &TsuiScrollBar::SmallChange, &TsuiScrollBar::SetSmallChange).Default(1);
    c.Property("LineButton", &TsuiScrollBar::LineButton, &TsuiScrollBar::SetLineButton).Default(0);
    c.Property("OnChange", &TsuiScrollBar::OnChange, &TsuiScrollBar::SetOnChange);
    PublishColorAndFont(c);
    c.Property("OnEnter", &TWinControl::OnEnter);
    c.Property("OnExit", &TWinControl::OnExit);
}

TsuiScrollBar::TsuiScrollBar(TComponent* owner)
    : TCustomPanel(owner),
      m_sliderStart(std::make_unique<TBitmap>()),
      m_sliderMiddle(std::make_unique<TBitmap>()),
      m_sliderEnd(std::make_unique<TBitmap>())
{
    TControlStyle style = ControlStyle();
    style.Exclude(csAcceptsControls);
    SetControlStyle(style);

    m_trackBar = new TsuiScrollTrackBar(this);
    m_trackBar->SetParent(this);
    m_trackBar->SetTabStop(false);
    m_trackBar->SetMax(kTrackMax);
    m_incButton = MakeArrow(+1);
    m_decButton = MakeArrow(-1);

    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    SetWidth(kDefaultLength);
    SetUIStyle(GetSUIFormStyle(owner));
    PlaceTrackBarAndButton();
}

TsuiScrollBar::~TsuiScrollBar() = default;

TsuiImageButton* TsuiScrollBar::MakeArrow(int direction)
{
    auto* button = new TsuiImageButton(this);
    button->SetParent(this);
    button->SetMouseContinuouslyDownInterval(kArrowRepeatMs);
    button->OnMouseContinuouslyDown = [this, direction](TObject*) {
        m_trackBar->StepBy(std::int64_t(direction) * m_smallChange);
    };
    button->SetTabStop(false);
    return button;
}

void TsuiScrollBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; break;
    case CM_COLORCHANGED: CMColorChanged(message); break;
    default: TCustomPanel::Dispatch(message); break;
    }
}

void TsuiScrollBar::CMColorChanged(TMessage& message)
{
    TCustomPanel::Dispatch(message);
    m_trackBar->SetColor(Color());
}

// --- style ---------------------------------------------------------------------------------

void TsuiScrollBar::SetUIStyle(TsuiUIStyle style)
{
    m_style.SetStyle(style);
    m_trackBar->SetColor(Color());
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::SetFileTheme(TsuiFileTheme* fileTheme)
{
    m_style.SetFileTheme(fileTheme);
    SetUIStyle(UIStyle());
}

void TsuiScrollBar::Notification(TComponent* component, TOperation operation)
{
    TCustomPanel::Notification(component, operation);
    if (operation == opRemove && m_style.Removed(component)) SetUIStyle(DeepBlue);
}

void TsuiScrollBar::UpdatePictures()
{
    const TThemeReader theme(FileTheme(), UIStyle());
    SetColor(theme.Color(ScrollBarBackgroundColor));
    theme.Bitmap(ScrollBarSliderImage, m_sliderStart.get(), kSliderPieces, 1);
    theme.Bitmap(ScrollBarSliderImage, m_sliderMiddle.get(), kSliderPieces, 2);
    theme.Bitmap(ScrollBarSliderImage, m_sliderEnd.get(), kSliderPieces, 3);
    if (m_orientation == suiVertical) {
        for (TBitmap* piece : {m_sliderStart.get(), m_sliderMiddle.get(), m_sliderEnd.get()}) RoundPicture3(piece);
    }
    TBitmap strip;
    theme.Bitmap(ScrollBarButtonImage, &strip);
    SetArrowPictures(m_decButton, &strip, 1);
    SetArrowPictures(m_incButton, &strip, 4);
    Invalidate();
}

void TsuiScrollBar::SetArrowPictures(TsuiImageButton* button, TBitmap* strip, int firstFrame)
{
    // Normal, mouse-on and mouse-down pictures: three frames in a row.
    const auto load = [&](int offset, auto set) {
        TBitmap frame;
        SpitBitmap(strip, &frame, kArrowFrames, firstFrame + offset);
        if (m_orientation == suiHorizontal) RoundPicture(&frame);
        TPicture picture;
        picture.SetBitmap(&frame);
        set(&picture);
    };
    load(0, [button](TPicture* picture) { button->SetPicNormal(picture); });
    load(1, [button](TPicture* picture) { button->SetPicMouseOn(picture); });
    load(2, [button](TPicture* picture) { button->SetPicMouseDown(picture); });
    button->SetAutoSize2(true);
}

// --- layout ------------------------------------------------------------------------------------

void TsuiScrollBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == m_orientation) return;
    m_orientation = orientation;
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::Resize()
{
    TCustomPanel::Resize();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::PlaceTrackBarAndButton()
{
    // Setting the bar's own cross size below resizes it again.
    if (m_placing) return;
    m_placing = true;
    m_trackBar->SetOrientation(m_orientation);
    const bool vertical = m_orientation == suiVertical;
    const TScrollBarParts parts =
        LayoutScrollBarParts(m_orientation, vertical ? Height() : Width(), SizeOf(m_decButton), SizeOf(m_incButton));
    PlaceControl(m_decButton, parts.Dec);
    PlaceControl(m_trackBar, parts.Track);
    PlaceControl(m_incButton, parts.Inc);
    if (vertical) SetWidth(parts.CrossSize);
    else SetHeight(parts.CrossSize);
    m_placing = false;
    UpdateSliderPic();
}

int TsuiScrollBar::RoomBetweenArrows() const
{
    return ScrollBarRoom(m_orientation, m_orientation == suiVertical ? Height() : Width(), SizeOf(m_decButton),
                         SizeOf(m_incButton));
}

void TsuiScrollBar::UpdateSliderPic()
{
    const bool vertical = m_orientation == suiVertical;
    if (m_lineButton > 0) m_lineButton = std::max(m_lineButton, kMinSliderLength);
    const int trackLength = vertical ? m_trackBar->Height() : m_trackBar->Width();
    const int length = SliderLength(trackLength, PageSize(), m_lineButton);
    const int cross = vertical ? m_sliderStart->Width() : m_sliderStart->Height();
    const int startLength = vertical ? m_sliderStart->Height() : m_sliderStart->Width();
    const int endLength = vertical ? m_sliderEnd->Height() : m_sliderEnd->Width();

    TBitmap slider;
    slider.SetSize(vertical ? cross : length, vertical ? length : cross);
    TCanvas* canvas = slider.Canvas();
    canvas->Draw(0, 0, m_sliderStart.get());
    const TRect middle = vertical ? TRect(0, startLength, cross, length - endLength)
                                  : TRect(startLength, 0, length - endLength, cross);
    canvas->Draw(vertical ? 0 : middle.Right, vertical ? middle.Bottom : 0, m_sliderEnd.get());
    canvas->StretchDraw(middle, m_sliderMiddle.get());
    m_trackBar->SetSliderImage(&slider);
    // A slider of a new length belongs at a new place.
    m_trackBar->SetPosition(m_trackBar->Position());
}

// --- the value, through the track ----------------------------------------------------------------

int TsuiScrollBar::Min() const { return m_trackBar->Min(); }
void TsuiScrollBar::SetMin(int value) { m_trackBar->SetMin(value); }
int TsuiScrollBar::Max() const { return m_trackBar->Max(); }
void TsuiScrollBar::SetMax(int value) { m_trackBar->SetMax(value); }
int TsuiScrollBar::Position() const { return m_trackBar->Position(); }

void TsuiScrollBar::SetPosition(int value)
{
    if (value != m_trackBar->Position()) m_trackBar->SetPosition(value);
}

int TsuiScrollBar::PageSize() const { return m_trackBar->PageSize(); }

void TsuiScrollBar::SetPageSize(int value)
{
    m_trackBar->SetPageSize(value);
    UpdateSliderPic();
}

int TsuiScrollBar::LargeChange() const { return m_trackBar->PageSize() & 0xFFFF; }
void TsuiScrollBar::SetLargeChange(int value) { m_trackBar->SetPageSize(value); }

void TsuiScrollBar::SetSmallChange(int value)
{
    m_smallChange = std::clamp(value, 1, kMaxSmallChange);
}

void TsuiScrollBar::SetLineButton(int value)
{
    if (value == m_lineButton || value > RoomBetweenArrows()) return;
    m_lineButton = value;
    UpdateSliderPic();
}

bool TsuiScrollBar::SliderVisible() const { return m_trackBar->SliderVisible(); }
void TsuiScrollBar::SetSliderVisible(bool visible) { m_trackBar->SetSliderVisible(visible); }
const TNotifyEvent& TsuiScrollBar::OnChange() const { return m_trackBar->OnChange; }
void TsuiScrollBar::SetOnChange(TNotifyEvent handler) { m_trackBar->OnChange = std::move(handler); }
