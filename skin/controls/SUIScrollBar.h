#pragma once
// TsuiScrollBar: a skinned scroll bar standing on a form as a control of
// its own: a decrement arrow, a track with a slider (TsuiScrollTrackBar)
// and an increment arrow. The arrows step Position by SmallChange on each
// tick of their repeat timer while held; the track pages, drags and takes
// keys. Min, Max, Position, PageSize, LargeChange and OnChange live in the
// track; OnChange is called with the track as sender.
//
// The style's pictures are stored for a vertical bar (arrows up and down)
// and a horizontal slider (left cap, middle, right cap); the other
// orientation turns them a quarter. The slider is PageSize percent of the
// track long, or LineButton pixels when that is set (at least 18).

#include "platform/ui/controls/CustomPanel.h"
#include "skin/controls/SUIScrollBarOrientation.h"
#include "skin/controls/SUISkinnedControl.h"

#include <memory>

class TBitmap;
class TsuiImageButton;
class TsuiScrollTrackBar;

class TsuiScrollBar : public TCustomPanel {
    QZ_DECLARE_CLASS(TsuiScrollBar, TCustomPanel)

public:
    static constexpr int kDefaultLength = 185;  // pixels
    static constexpr int kArrowRepeatMs = 100;  // ms between arrow steps while held
    static constexpr int kMaxSmallChange = 32767;

    explicit TsuiScrollBar(TComponent* owner);
    ~TsuiScrollBar() override;

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_style.Style(); }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_style.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TsuiProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TsuiProgressBarOrientation orientation);

    [[nodiscard]] int Min() const;
    void SetMin(int value);
    [[nodiscard]] int Max() const;
    void SetMax(int value);
    [[nodiscard]] int Position() const;
    void SetPosition(int value);
    // Rebuilds the slider picture at once.
    [[nodiscard]] int PageSize() const;
    void SetPageSize(int value);
    // The track's page size too, but the slider keeps its length until its next rebuild.
    [[nodiscard]] int LargeChange() const;
    void SetLargeChange(int value);
    // 1..32767; other values are clamped.
    [[nodiscard]] int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int value);
    // The slider's length from outside (0: from PageSize); longer than the
    // room between the arrows is refused.
    [[nodiscard]] int LineButton() const { return m_lineButton; }
    void SetLineButton(int value);
    [[nodiscard]] bool SliderVisible() const;
    void SetSliderVisible(bool visible);
    [[nodiscard]] const TNotifyEvent& OnChange() const;
    void SetOnChange(TNotifyEvent handler);

    [[nodiscard]] TsuiScrollTrackBar* TrackBar() const { return m_trackBar; }
    [[nodiscard]] TsuiImageButton* DecButton() const { return m_decButton; }
    [[nodiscard]] TsuiImageButton* IncButton() const { return m_incButton; }

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;

private:
    [[nodiscard]] TsuiImageButton* MakeArrow(int direction);
    void UpdatePictures();
    void SetArrowPictures(TsuiImageButton* button, TBitmap* strip, int firstFrame);
    void PlaceTrackBarAndButton();
    void UpdateSliderPic();
    [[nodiscard]] int RoomBetweenArrows() const;
    void CMColorChanged(TMessage& message);

    TsuiStyleLink m_style{this};
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    int m_smallChange = 1;
    int m_lineButton = 0;  // pixels; 0: from PageSize
    bool m_placing = false;  // PlaceTrackBarAndButton is resizing the bar
    TsuiScrollTrackBar* m_trackBar = nullptr;  // owned as child components
    TsuiImageButton* m_decButton = nullptr;
    TsuiImageButton* m_incButton = nullptr;
    std::unique_ptr<TBitmap> m_sliderStart;
    std::unique_ptr<TBitmap> m_sliderMiddle;
    std::unique_ptr<TBitmap> m_sliderEnd;
};
