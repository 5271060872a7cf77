#pragma once
// TImage: shows a picture (a bitmap or an icon). The picture is drawn at
// its own size at the top-left, or centred (Center), or stretched over the
// whole control (Stretch). AutoSize gives the control the picture's size
// whenever the picture changes. Transparent makes a bitmap leave out its
// transparent colour so that the parent shows through. The control counts
// as opaque only when an opaque picture covers all of it.
//
// Form descriptions give the picture as "Picture.Data = {...}" (see
// TPicture).

#include "platform/ui/base/GraphicControl.h"

#include <memory>

class TPicture;

class TImage : public TGraphicControl {
    QZ_DECLARE_CLASS(TImage, TGraphicControl)

public:
    static constexpr int kDefaultSize = 105;  // pixels, width and height

    explicit TImage(TComponent* owner);
    ~TImage() override;

    [[nodiscard]] TPicture* Picture() const { return m_picture.get(); }
    // Copies picture into the image's own.
    void SetPicture(TPicture* picture);
    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    [[nodiscard]] bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    [[nodiscard]] bool Center() const { return m_center; }
    void SetCenter(bool center);
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

    // Where the picture is drawn, in client coordinates.
    [[nodiscard]] TRect DestRect() const;

protected:
    void Paint() override;
    void Resize() override;

private:
    void PictureChanged();
    void UpdateOpaque();

    std::unique_ptr<TPicture> m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_center = false;
    bool m_transparent = false;
};
