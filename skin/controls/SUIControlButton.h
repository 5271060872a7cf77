#pragma once
// TsuiControlButton: a small button showing frames of any theme element:
// frame PicIndex of PicCount frames of element ThemeID when normal, pressed
// or disabled, frame PicIndex + 1 under the pointer. It takes the size of
// its face whenever what the face comes from changes. It is no tab stop and
// starts in DeepBlue. Out-of-range settings are ignored.

#include "skin/controls/SUICustomButton.h"

class TsuiControlButton : public TsuiCustomButton {
    QZ_DECLARE_CLASS(TsuiControlButton, TsuiCustomButton)

public:
    explicit TsuiControlButton(TComponent* owner);

    [[nodiscard]] int ThemeID() const { return m_themeId; }
    void SetThemeID(int id);
    [[nodiscard]] int PicIndex() const { return m_picIndex; }
    void SetPicIndex(int index);
    [[nodiscard]] int PicCount() const { return m_picCount; }
    void SetPicCount(int count);

protected:
    void UIStyleChanged() override;
    void PaintPic(TCanvas* canvas, TBitmap* face) override;
    void PaintButtonNormal(TBitmap* buf) override;
    void PaintButtonMouseOn(TBitmap* buf) override;
    void PaintButtonMouseDown(TBitmap* buf) override;
    void PaintButtonDisabled(TBitmap* buf) override;

private:
    // The button takes the size of its normal face.
    void SizeToFace();

    int m_themeId;
    int m_picIndex = 1;
    int m_picCount;
};
