#pragma once
// TsuiImageButton: a skinned button drawn from four pictures of its own
// (the scroll bar's arrow buttons). A state whose picture is empty shows
// PicNormal. With Stretch the picture fills the button; DrawFocused adds
// the focus rectangle. AutoSize sizes the button to PicNormal. Its look
// never comes from a theme, so UIStyle always reads FromThemeFile.

#include "skin/controls/SUICustomButton.h"

#include <memory>

class TPicture;

class TsuiImageButton : public TsuiCustomButton {
    QZ_DECLARE_CLASS(TsuiImageButton, TsuiCustomButton)

public:
    explicit TsuiImageButton(TComponent* owner);
    ~TsuiImageButton() override;

    [[nodiscard]] TPicture* PicNormal() const { return m_picNormal.get(); }
    void SetPicNormal(TPicture* picture);
    [[nodiscard]] TPicture* PicMouseOn() const { return m_picMouseOn.get(); }
    void SetPicMouseOn(TPicture* picture);
    [[nodiscard]] TPicture* PicMouseDown() const { return m_picMouseDown.get(); }
    void SetPicMouseDown(TPicture* picture);
    [[nodiscard]] TPicture* PicDisabled() const { return m_picDisabled.get(); }
    void SetPicDisabled(TPicture* picture);
    [[nodiscard]] bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    [[nodiscard]] bool DrawFocused() const { return m_drawFocused; }
    void SetDrawFocused(bool drawFocused);

    [[nodiscard]] TsuiUIStyle UIStyle() const override { return FromThemeFile; }

protected:
    void AutoSizeChanged() override;
    void PaintPic(TCanvas* canvas, TBitmap* face) override;
    void PaintFocus(TCanvas* canvas) override;
    void PaintButtonNormal(TBitmap* buf) override;
    void PaintButtonMouseOn(TBitmap* buf) override;
    void PaintButtonMouseDown(TBitmap* buf) override;
    void PaintButtonDisabled(TBitmap* buf) override;

private:
    void SetPicture(TPicture& target, TPicture* source);
    // The state's picture, or PicNormal when that one is empty, into buf.
    void CopyPicture(const TPicture& picture, TBitmap* buf) const;

    std::unique_ptr<TPicture> m_picNormal;
    std::unique_ptr<TPicture> m_picMouseOn;
    std::unique_ptr<TPicture> m_picMouseDown;
    std::unique_ptr<TPicture> m_picDisabled;
    bool m_stretch = false;
    bool m_drawFocused = false;
};
