#pragma once
// TIcon: the program's icon, or any small picture with a transparent key.
// Icons are stored as BMP files (any depth) whose pixels of the key colour
// clFuchsia (RGB 255, 0, 255) are transparent; the main icon is the icon
// resource MAINICON. An icon is always transparent and draws at its own
// size (Draw) or stretched (StretchDraw: 16 x 16 for a title bar).

#include "platform/core/Color.h"
#include "platform/ui/graphics/Graphic.h"
#include "platform/win/WinTypes.h"

#include <memory>
#include <string>

class TBitmap;

class TIcon : public TGraphic {
    QZ_DECLARE_CLASS(TIcon, TGraphic)
public:
    static constexpr TColor kKeyColor = clFuchsia;

    TIcon();
    ~TIcon() override;

    [[nodiscard]] bool Empty() const override;
    [[nodiscard]] int Width() const override;
    [[nodiscard]] int Height() const override;
    // Icons take their size from their file; setting it raises EInvalidGraphic.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    [[nodiscard]] bool Transparent() const override { return true; }
    void SetTransparent(bool) override {}

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    // An icon resource compiled into the program ("MAINICON"); the
    // instance is ignored. A missing one raises EResNotFound.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);

    // The icon's pixels, key colour included.
    [[nodiscard]] const TBitmap& Image() const { return *m_image; }

    // A copy of another icon.
    void Assign(const TPersistent& source) override;

protected:
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    void AssignTo(TPersistent& dest) const override;

private:
    std::unique_ptr<TBitmap> m_image;
};
