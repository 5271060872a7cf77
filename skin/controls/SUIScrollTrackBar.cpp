#include "skin/controls/SUIScrollTrackBar.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/base/Timer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/win/Messages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/core/SUIPublic.h"

#include <algorithm>
#include <cstdint>

QZ_IMPLEMENT_CLASS(TsuiScrollTrackBar);

void TsuiScrollTrackBar::Publish(TClassBuilder<TsuiScrollTrackBar>& /*c*/) {}

TsuiScrollTrackBar::TsuiScrollTrackBar(TComponent* owner) : TCustomPanel(owner)
{
    TControlStyle style = ControlStyle();
    style.Exclude(csAcceptsControls);
    SetControlStyle(style);
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    SetTabStop(false);
    m_slider = new TsuiImagePanel(this);
    m_slider->SetParent(this);
    m_slider->SetAutoSize(true);
    m_slider->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
        OnSliderMouseDown(button, shift, x, y);
    };
}

TsuiScrollTrackBar::~TsuiScrollTrackBar() = default;

void TsuiScrollTrackBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; break;
    case WM_GETDLGCODE: WMGetDlgCode(message); break;
    case CM_FOCUSCHANGED: TCustomPanel::Dispatch(message); Invalidate(); break;
    default: TCustomPanel::Dispatch(message); break;
    }
}

void TsuiScrollTrackBar::WMGetDlgCode(TMessage& message)
{
    TCustomPanel::Dispatch(message);
    message.Result = DLGC_WANTARROWS;
}

// --- the value ---------------------------------------------------------------------------

void TsuiScrollTrackBar::SetMin(int value)
{
    if (value == m_min) return;
    m_min = std::min(value, m_max);
    m_position = std::max(m_position, m_min);
    UpdateSlider();
}

void TsuiScrollTrackBar::SetMax(int value)
{
    if (value == m_max) return;
    m_max = std::max(value, m_min);
    m_position = std::min(m_position, m_max);
    UpdateSlider();
}

void TsuiScrollTrackBar::SetPosition(int value)
{
    m_position = std::clamp(value, m_min, m_max);
    UpdateSlider();
}

void TsuiScrollTrackBar::StepBy(std::int64_t delta)
{
    SetPosition(int(std::clamp<std::int64_t>(m_position + delta, m_min, m_max)));
}

void TsuiScrollTrackBar::SetPageSize(int value)
{
    if (value >= 0 && value <= m_max) m_pageSize = value;
}

void TsuiScrollTrackBar::SetLineSize(int value)
{
    if (value >= 0 && value <= m_max) m_lineSize = value;
}

void TsuiScrollTrackBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == m_orientation) return;
    m_orientation = orientation;
    UpdateSlider();
}

// --- the slider ----------------------------------------------------------------------------

void TsuiScrollTrackBar::SetSliderImage(const TBitmap* bitmap)
{
    m_slider->Picture()->SetBitmap(bitmap);
}

bool TsuiScrollTrackBar::SliderVisible() const
{
    return m_slider->Visible();
}

void TsuiScrollTrackBar::SetSliderVisible(bool visible)
{
    if (visible != m_slider->Visible()) m_slider->SetVisible(visible);
}

int TsuiScrollTrackBar::TrackLength() const
{
    return m_orientation == suiHorizontal ? Width() : Height();
}

int TsuiScrollTrackBar::SliderLengthNow() const
{
    return m_orientation == suiHorizontal ? m_slider->Width() : m_slider->Height();
}

TPoint TsuiScrollTrackBar::SliderPlace() const
{
    const int along = SliderOffset(Range(), TrackLength(), SliderLengthNow());
    if (m_orientation == suiHorizontal) return {along, SliderCrossOffset(Height(), m_slider->Height())};
    return {SliderCrossOffset(Width(), m_slider->Width()), along};
}

void TsuiScrollTrackBar::MoveSlider()
{
    PlaceControl(m_slider, SliderPlace());
}

void TsuiScrollTrackBar::UpdateSlider()
{
    MoveSlider();
    Invalidate();
    ReportChange();
}

void TsuiScrollTrackBar::ReportChange()
{
    if (m_position == m_lastPosition) return;
    m_lastPosition = m_position;
    if (OnChange) OnChange(this);
}

void TsuiScrollTrackBar::Resize()
{
    TCustomPanel::Resize();
    UpdateSlider();
}

void TsuiScrollTrackBar::Paint()
{
    TBitmap buffer(Width(), Height());
    TCanvas* canvas = buffer.Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    Canvas()->Draw(0, 0, &buffer);
}

// --- paging --------------------------------------------------------------------------------

void TsuiScrollTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomPanel::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    PageToward(x, y, m_pageSize);
    if (!m_pageTimer) {
        m_pageTimer = std::make_unique<TTimer>(nullptr);
        m_pageTimer->SetInterval(kPageRepeatMs);
        m_pageTimer->SetOnTimer([this](TObject*) { PageTick(); });
    }
    FocusIfPossible();
}

void TsuiScrollTrackBar::PageToward(int x, int y, int step)
{
    const TPoint slider = SliderPlace();
    const int target = PositionAtPoint(Range(), TrackLength(), SliderLengthNow(), Along(x, y));
    SetPosition(PagedPosition(Range(), Along(slider.X, slider.Y), Along(x, y), target, step));
}

void TsuiScrollTrackBar::PageTick()
{
    POINT cursor;
    GetCursorPos(cursor);
    const TPoint p = ScreenToClient(cursor);
    const int factor = m_orientation == suiHorizontal ? kHorizontalPageFactor : 1;
    PageToward(p.X, p.Y, factor * m_pageSize);
}

void TsuiScrollTrackBar::StopPaging()
{
    m_pageTimer.reset();
}

void TsuiScrollTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    TCustomPanel::MouseMove(shift, x, y);
    if (m_dragging) {
        DragTo(x, y);
    } else if (x < 0 || x > Width() || y < 0 || y > Height()) {
        StopPaging();
    }
}

void TsuiScrollTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomPanel::MouseUp(button, shift, x, y);
    StopPaging();
    m_dragging = false;
    SetMouseCapture(false);
}

// --- dragging ------------------------------------------------------------------------------

void TsuiScrollTrackBar::OnSliderMouseDown(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/, int /*y*/)
{
    m_dragging = true;
    FocusIfPossible();
    SetMouseCapture(true);
}

void TsuiScrollTrackBar::DragTo(int x, int y)
{
    // The slider snaps to the pixel of the new value instead of following the cursor freely.
    m_position = std::clamp(PositionAtPoint(Range(), TrackLength(), SliderLengthNow(), Along(x, y)), m_min, m_max);
    MoveSlider();
    ReportChange();
}

void TsuiScrollTrackBar::FocusIfPossible()
{
    if (CanFocus() && Enabled()) SetFocus();
}

// --- keys -----------------------------------------------------------------------------------

void TsuiScrollTrackBar::KeyDown(WORD& key, TShiftState shift)
{
    TCustomPanel::KeyDown(key, shift);
    switch (key) {
    case VK_PRIOR: StepBy(-std::int64_t(m_pageSize)); break;
    case VK_NEXT: StepBy(m_pageSize); break;
    case VK_END: SetPosition(m_max); break;
    case VK_HOME: SetPosition(m_min); break;
    case VK_LEFT:
    case VK_UP: StepBy(-std::int64_t(m_lineSize)); break;
    case VK_RIGHT:
    case VK_DOWN: StepBy(m_lineSize); break;
    default: break;
    }
}
