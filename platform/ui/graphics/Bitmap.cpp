#include "platform/ui/graphics/Bitmap.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/Resources.h"
#include "platform/core/Stream.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/ui/graphics/BitmapCanvas.h"
#include "platform/ui/graphics/BitmapDC.h"
#include "platform/win/Gdi.h"

QZ_IMPLEMENT_CLASS(TBitmap);

void TBitmap::Publish(TClassBuilder<TBitmap>& c)
{
    c.Property("Height", &TBitmap::Height, &TBitmap::SetHeight);
    c.Property("PixelFormat", &TBitmap::PixelFormat, &TBitmap::SetPixelFormat).Default(pf24bit);
    c.Property("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent).Default(false);
    c.Color("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor);
    c.Property("TransparentMode", &TBitmap::TransparentMode, &TBitmap::SetTransparentMode).Default(tmAuto);
    c.Property("Width", &TBitmap::Width, &TBitmap::SetWidth);
}

namespace {

constexpr TPixel kNewPixel = 0xFFFFFFFFu;  // opaque white

TPixelFormat FormatOfDepth(int bitCount)
{
    switch (bitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 32: return pf32bit;
    default: return pf24bit;
    }
}

}  // namespace

TBitmap::TBitmap() : m_handle(CreateBitmapFromPixels(PixelBuffer())) {}

TBitmap::TBitmap(int width, int height) : TBitmap()
{
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    m_canvas.reset();
    DeleteObject(m_handle);
}

bool TBitmap::Empty() const
{
    return Pixels().IsEmpty();
}

int TBitmap::Width() const
{
    return Pixels().Width();
}

int TBitmap::Height() const
{
    return Pixels().Height();
}

void TBitmap::SetWidth(int width)
{
    SetSize(width, Height());
}

void TBitmap::SetHeight(int height)
{
    SetSize(Width(), height);
}

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height()) return;
    Pixels().Resize(width, height, kNewPixel);
    Changed();
}

TCanvas* TBitmap::Canvas()
{
    if (!m_canvas) {
        m_canvas = std::make_unique<TBitmapCanvas>(*this);
        m_canvas->OnChange = [this](TObject*) { Changed(); };
    }
    return m_canvas.get();
}

void TBitmap::SetHandle(HBITMAP bitmap)
{
    if (bitmap == m_handle) return;
    if (!BitmapPixels(bitmap)) throw EInvalidGraphic("Invalid bitmap handle");
    if (m_canvas) m_canvas->FreeContext();
    DeleteObject(m_handle);
    m_handle = bitmap;
    Changed();
}

PixelBuffer& TBitmap::Pixels()
{
    PixelBuffer* pixels = BitmapPixels(m_handle);
    if (!pixels) throw EInvalidOperation("The bitmap's handle was deleted");
    return *pixels;
}

const PixelBuffer& TBitmap::Pixels() const
{
    return const_cast<TBitmap*>(this)->Pixels();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == m_pixelFormat) return;
    m_pixelFormat = format;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (m_transparentMode == tmFixed) return m_transparentColor;
    if (Empty()) return clDefault;
    return ColorFromPixel(Pixels().At(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor color)
{
    const TTransparentMode mode = color == clDefault ? tmAuto : tmFixed;
    if (color == m_transparentColor && mode == m_transparentMode) return;
    m_transparentColor = color;
    m_transparentMode = mode;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == m_transparentMode) return;
    // Fixing the mode keeps the colour that was automatic until now.
    m_transparentColor = mode == tmFixed ? TransparentColor() : clDefault;
    m_transparentMode = mode;
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream)
{
    const std::string bytes = stream.ReadToEnd();
    if (bytes.empty()) {
        TakePixels(PixelBuffer());
        return;
    }
    LoadBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

void TBitmap::SaveToStream(TStream& stream) const
{
    if (Empty()) return;
    const std::vector<std::uint8_t> bytes =
        EncodeBmp(Pixels(), m_pixelFormat == pf32bit ? BmpPixelFormat::Argb32 : BmpPixelFormat::Rgb24);
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

void TBitmap::LoadFromResourceName(HINSTANCE, const std::string& name)
{
    LoadBmp(LoadResource(TResourceKind::Bitmap, name));
}

void TBitmap::LoadBmp(std::span<const std::uint8_t> bytes)
{
    BmpImage image = DecodeBmp(bytes);
    m_pixelFormat = FormatOfDepth(image.SourceBitCount);
    TakePixels(std::move(image.Pixels));
}

void TBitmap::TakePixels(PixelBuffer pixels)
{
    // The buffer is replaced in place, so the handle and any context with
    // it selected stay valid.
    Pixels() = std::move(pixels);
    Changed();
}

void TBitmap::Assign(const TPersistent& source)
{
    const auto* bitmap = dynamic_cast<const TBitmap*>(&source);
    if (!bitmap) {
        inherited::Assign(source);
        return;
    }
    if (bitmap == this) return;
    m_pixelFormat = bitmap->m_pixelFormat;
    m_transparentColor = bitmap->m_transparentColor;
    m_transparentMode = bitmap->m_transparentMode;
    StoreTransparent(bitmap->Transparent());
    TakePixels(bitmap->Pixels());
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const
{
    const HDC dc = canvas.Handle();
    const TBitmapDC source(m_handle);
    if (Transparent()) {
        TransparentBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Handle(), 0, 0, Width(), Height(),
                       COLORREF(ColorToRGB(TransparentColor())));
    } else {
        StretchBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Handle(), 0, 0, Width(), Height(),
                   canvas.CopyMode());
    }
}
