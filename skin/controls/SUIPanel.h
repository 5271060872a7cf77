#pragma once
// TsuiPanel: a skinned container with a title strip (the style's side
// channel bar, stretched), a one-pixel outline and a roll button in the
// title that rolls the panel up to its title strip and down again.
//
// Rolling runs on a message timer: each tick moves the height 15 pixels
// toward the goal and the last tick lands on it, so the rest of the
// program keeps running while the panel moves. A click on the roll button
// while it moves turns it back. Height (published) is the expanded height;
// the window's own height follows it only while the panel is expanded.
//
// Roll button frames (PANEL_BUTTON, 4 frames):
//   expanded   1, pointer over 2
//   rolled up  3, pointer over 4

#include "platform/ui/controls/CustomPanel.h"
#include "skin/controls/SUISkinnedControl.h"

#include <memory>

class TBitmap;
class TTimer;

class TsuiPanel : public TCustomPanel {
    QZ_DECLARE_CLASS(TsuiPanel, TCustomPanel)

public:
    static constexpr int kRollStep = 15;        // pixels per animation tick
    static constexpr int kRollTickMs = 10;      // ms between animation ticks
    static constexpr int kDefaultTitle = 20;    // pixels rolled up to when the style has no title strip
    static constexpr int kDefaultHeight = 100;  // pixels

    explicit TsuiPanel(TComponent* owner);
    ~TsuiPanel() override;

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_style.Style(); }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_style.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    [[nodiscard]] TColor CaptionFontColor() const { return m_captionFontColor; }
    void SetCaptionFontColor(TColor color);
    [[nodiscard]] bool ShowButton() const { return m_showButton; }
    void SetShowButton(bool show);
    // The expanded height.
    [[nodiscard]] int Height2() const { return m_expandedHeight; }
    void SetHeight2(int height);

    [[nodiscard]] bool Expanded() const { return m_expanded; }
    [[nodiscard]] bool Animating() const { return m_animating; }
    // Roll up to the title strip, or down to Height.
    void Push();
    void Pop();
    // The title strip's height in the current style (pixels).
    [[nodiscard]] int TitleHeight() const;

    TNotifyEvent OnPush;
    TNotifyEvent OnPop;

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void AdjustClientRect(TRect& rect) override;
    void Paint() override;
    void Resize() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    [[nodiscard]] int RolledUpHeight() const;
    void StartRoll(bool expanding);
    void RollTick();
    // Where the roll button lies (inclusive), for hit tests and painting.
    [[nodiscard]] TRect RollButtonRect() const;
    [[nodiscard]] TRect RollButtonRect(const TBitmap& strip) const;
    void PaintRollButton(TCanvas* canvas);

    TColor m_borderColor = clBlack;
    TsuiStyleLink m_style{this};
    std::unique_ptr<TBitmap> m_titleBitmap;
    bool m_showButton = true;
    bool m_overButton = false;  // at the last paint
    bool m_expanded = true;
    int m_expandedHeight = kDefaultHeight;  // pixels
    bool m_animating = false;
    bool m_rollingDown = false;  // the direction while animating
    TColor m_captionFontColor = clBlack;
    std::unique_ptr<TTimer> m_rollTimer;
};
