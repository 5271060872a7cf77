#pragma once
// TsuiCustomPanel: a flicker-free panel that shows a picture at its natural
// size, stretched or tiled, may look transparent by painting its parent
// behind itself, and writes its caption on one line. It paints its whole
// area into an off-screen bitmap and copies that once; it never erases.
//
// The caption is centred vertically and aligned by Alignment unless both
// CaptionPosX and CaptionPosY are set (not -1): then its top-left corner
// goes there. A caption of blanks only draws nothing. Where neither the
// picture nor the parent covers the panel (suiNormal with a smaller
// picture), the off-screen bitmap keeps what it was made with.

#include "platform/ui/controls/CustomPanel.h"

#include <memory>

class TBitmap;
class TPicture;

QZ_ENUM(TsuiDrawStyle, suiNormal, suiStretch, suiTile)

class TsuiCustomPanel : public TCustomPanel {
    QZ_DECLARE_CLASS(TsuiCustomPanel, TCustomPanel)

public:
    explicit TsuiCustomPanel(TComponent* owner);
    ~TsuiCustomPanel() override;

    [[nodiscard]] TPicture* Picture() const { return m_picture.get(); }
    // Copies the picture (nullptr empties it).
    void SetPicture(TPicture* picture);
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool transparent);
    // Take the picture's size (each side only where Align leaves it free).
    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    [[nodiscard]] int CaptionPosX() const { return m_captionPosX; }
    void SetCaptionPosX(int x);
    [[nodiscard]] int CaptionPosY() const { return m_captionPosY; }
    void SetCaptionPosY(int y);
    [[nodiscard]] TsuiDrawStyle DrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(TsuiDrawStyle style);

    void Dispatch(TMessage& message) override;

protected:
    // Sets the canvas brush to Color before a repaint.
    virtual void ClearPanel();
    // Hook for subclasses that draw their caption elsewhere.
    virtual void RepaintText(const TRect& rect);
    virtual void PictureChanged(TObject* sender);

    void Paint() override;
    void Resize() override;

private:
    void ApplyAutoSize();
    void ApplyTransparent();
    [[nodiscard]] bool HasGraphic() const;
    void DrawPicture(TCanvas* canvas);
    void DrawCaption(TCanvas* canvas);
    void CMTextChanged(TMessage& message);

    std::unique_ptr<TPicture> m_picture;
    bool m_transparent = false;
    bool m_autoSize = false;
    int m_captionPosX = -1;  // pixels; -1: aligned
    int m_captionPosY = -1;  // pixels; -1: aligned
    TsuiDrawStyle m_drawStyle = suiNormal;
    TRect m_captionRect;
};
