#pragma once
// TsuiScrollTrackBar: the track of a skinned scroll bar. It keeps the value
// (Min <= Position <= Max), places its slider (a picture panel child
// window) from the position, and changes the position by paging, dragging
// and keys. The owner supplies the slider picture; the track loads no skin
// images and paints only its Color behind the slider.
//
// States:
//   idle      --left press on the track-->   paging (page timer; steps until
//                                            the slider's middle is under the cursor)
//   paging    --mouse up, or leaving the track-->  idle
//   idle      --press on the slider-->       dragging (mouse captured)
//   dragging  --mouse up-->                  idle
//
// OnChange fires once per real change of Position, with the track as sender.

#include "platform/ui/controls/CustomPanel.h"
#include "skin/controls/SUIScrollBarOrientation.h"
#include "skin/controls/SUIScrollTrackBarLayout.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TTimer;
class TsuiImagePanel;

class TsuiScrollTrackBar : public TCustomPanel {
    QZ_DECLARE_CLASS(TsuiScrollTrackBar, TCustomPanel)

public:
    static constexpr int kPageRepeatMs = 100;       // ms between page steps while the press is held
    static constexpr int kHorizontalPageFactor = 3;  // later page steps of a horizontal track

    explicit TsuiScrollTrackBar(TComponent* owner);
    ~TsuiScrollTrackBar() override;

    [[nodiscard]] int Min() const { return m_min; }
    void SetMin(int value);
    [[nodiscard]] int Max() const { return m_max; }
    void SetMax(int value);
    [[nodiscard]] int Position() const { return m_position; }
    // Clamped to [Min, Max]; always places the slider again.
    void SetPosition(int value);
    // Position moved by delta, clamped (no overflow near the ends of the range).
    void StepBy(std::int64_t delta);
    // Taken only within 0..Max.
    [[nodiscard]] int PageSize() const { return m_pageSize; }
    void SetPageSize(int value);
    [[nodiscard]] int LineSize() const { return m_lineSize; }
    void SetLineSize(int value);
    [[nodiscard]] TsuiProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TsuiProgressBarOrientation orientation);

    // The slider shows bitmap at its size.
    void SetSliderImage(const TBitmap* bitmap);
    [[nodiscard]] bool SliderVisible() const;
    void SetSliderVisible(bool visible);
    [[nodiscard]] TsuiImagePanel* Slider() const { return m_slider; }
    [[nodiscard]] bool Dragging() const { return m_dragging; }
    [[nodiscard]] bool Paging() const { return m_pageTimer != nullptr; }

    TNotifyEvent OnChange;

    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    [[nodiscard]] TScrollTrackRange Range() const { return {m_min, m_max, m_position}; }
    [[nodiscard]] int Along(int x, int y) const { return m_orientation == suiHorizontal ? x : y; }
    [[nodiscard]] int TrackLength() const;
    [[nodiscard]] int SliderLengthNow() const;
    [[nodiscard]] TPoint SliderPlace() const;
    // Moves the slider to the position, repaints, and reports a change.
    void UpdateSlider();
    void MoveSlider();
    void ReportChange();
    // One page step toward the point (track coordinates).
    void PageToward(int x, int y, int step);
    void PageTick();
    void StopPaging();
    void OnSliderMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void DragTo(int x, int y);
    void FocusIfPossible();
    void WMGetDlgCode(TMessage& message);

    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_pageSize = 2;
    int m_lineSize = 1;
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    TsuiImagePanel* m_slider = nullptr;  // owned as a child component
    int m_lastPosition = 0;              // the position last reported through OnChange
    bool m_dragging = false;
    std::unique_ptr<TTimer> m_pageTimer;  // only while a page press is held
};
