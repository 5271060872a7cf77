#pragma once
// TBitmap: a picture in memory behind an HBITMAP. Pixels are always stored
// 32 bits deep (0xAARRGGBB); PixelFormat only says how SaveToStream writes
// the file (pf32bit keeps alpha, everything else is written 24-bit) and is
// set from the file's depth when loading.
//
// Size. SetSize keeps the pixels of the common top-left part; new pixels
// are white. The handle stays the same across size changes and loads, so
// a context with the bitmap selected (Canvas) keeps drawing into it.
//
// Transparency. A transparent bitmap drawn on a canvas leaves out the
// pixels of its transparent colour: with tmAuto the colour of the
// bottom-left pixel (0, Height - 1), read when drawing; with tmFixed the
// colour set. Setting TransparentColor selects tmFixed (clDefault selects
// tmAuto).
//
// Files are BMP (platform/gfx BmpCodec): any depth is read; hostile files
// raise EReadError or EInvalidGraphic. An empty bitmap saves as no bytes,
// and loading no bytes empties the bitmap.

#include "platform/core/Color.h"
#include "platform/ui/graphics/Graphic.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class PixelBuffer;
class TBitmapCanvas;

QZ_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)
QZ_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmap : public TGraphic {
    QZ_DECLARE_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    [[nodiscard]] bool Empty() const override;
    [[nodiscard]] int Width() const override;
    [[nodiscard]] int Height() const override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    // Raises EOutOfResources for negative sizes or sizes beyond PixelBuffer's limits.
    void SetSize(int width, int height);

    // A canvas drawing into the bitmap; it lives as long as the bitmap.
    // Drawing on it fires the bitmap's OnChange.
    [[nodiscard]] TCanvas* Canvas();
    // The bitmap's handle, owned by the bitmap.
    [[nodiscard]] HBITMAP Handle() const { return m_handle; }
    // Takes over a bitmap handle (the old one is deleted); an invalid handle
    // raises EInvalidGraphic.
    void SetHandle(HBITMAP bitmap);

    // Direct access to the pixels for fast per-pixel work. Writing through
    // it fires nothing; call SetModified(true) when done.
    [[nodiscard]] PixelBuffer& Pixels();
    [[nodiscard]] const PixelBuffer& Pixels() const;

    [[nodiscard]] TPixelFormat PixelFormat() const { return m_pixelFormat; }
    void SetPixelFormat(TPixelFormat format);

    // With tmAuto the bottom-left pixel's colour (clDefault when empty).
    [[nodiscard]] TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    [[nodiscard]] TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    // A bitmap resource compiled into the program (Resources.h); the
    // instance is ignored. A missing one raises EResNotFound.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);

    // A deep copy of another bitmap (pixels, format, transparency), or an
    // icon drawn into the bitmap: its pixels, transparent with the icon's key.
    void Assign(const TPersistent& source) override;

protected:
    friend class TIcon;  // draws through its bitmap
    void Draw(TCanvas& canvas, const TRect& rect) const override;

private:
    // Replaces the pixels, keeping the handle; fires OnChange.
    void TakePixels(PixelBuffer pixels);
    void LoadBmp(std::span<const std::uint8_t> bytes);

    HBITMAP m_handle = nullptr;
    std::unique_ptr<TBitmapCanvas> m_canvas;
    TPixelFormat m_pixelFormat = pf24bit;
    TColor m_transparentColor = clDefault;
    TTransparentMode m_transparentMode = tmAuto;
};
