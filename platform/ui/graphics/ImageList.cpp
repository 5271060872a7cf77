#include "platform/ui/graphics/ImageList.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/BitmapDC.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/win/Gdi.h"

#include <algorithm>
#include <string>

QZ_IMPLEMENT_CLASS(TImageList);

void TImageList::Publish(TClassBuilder<TImageList>& c)
{
    c.Creatable<TComponent>();
    c.Color("BkColor", &TImageList::BkColor, &TImageList::SetBkColor).Default(clNone);
    c.Property("DrawingStyle", &TImageList::DrawingStyle, &TImageList::SetDrawingStyle).Default(dsNormal);
    c.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(kDefaultSize);
    c.Property("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true);
    c.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(kDefaultSize);
    c.Property("OnChange", &TImageList::OnChange);
}

namespace {

constexpr TPixel kDrawn = kOpaque;                // mask: black where the image is drawn
constexpr TPixel kLeftOut = kOpaque | kColorBits;  // mask: white elsewhere

bool IsDrawn(TPixel mask)
{
    return (mask & kColorBits) == 0;
}

// c moved toward h by weight / 256.
TPixel Blend(TPixel c, TPixel h, unsigned weight)
{
    TPixel out = kOpaque;
    for (unsigned shift = 0; shift < 24; shift += 8) {
        const unsigned a = (c >> shift) & 0xFF;
        const unsigned b = (h >> shift) & 0xFF;
        out |= TPixel((a * (256 - weight) + b * weight) >> 8) << shift;
    }
    return out;
}

// Blend weights of the highlight for the drawing styles (out of 256).
unsigned HighlightWeight(TDrawingStyle style)
{
    switch (style) {
    case dsFocus: return 64;
    case dsSelected: return 128;
    default: return 0;
    }
}

// A bitmap handle for the length of a draw call.
class TScratchBitmap {
public:
    explicit TScratchBitmap(PixelBuffer pixels) : m_handle(CreateBitmapFromPixels(std::move(pixels))) {}
    TScratchBitmap(const TScratchBitmap&) = delete;
    TScratchBitmap& operator=(const TScratchBitmap&) = delete;
    ~TScratchBitmap() { DeleteObject(m_handle); }
    [[nodiscard]] HBITMAP Handle() const { return m_handle; }
    [[nodiscard]] PixelBuffer& Pixels() const { return *BitmapPixels(m_handle); }

private:
    HBITMAP m_handle;
};

}  // namespace

TImageList::TImageList(TComponent* owner)
    : TComponent(owner), m_images(std::make_unique<TBitmap>()), m_masks(std::make_unique<TBitmap>())
{
    m_images->SetHeight(m_height);
    m_masks->SetHeight(m_height);
}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int width)
{
    SetSize(width, m_height);
}

void TImageList::SetHeight(int height)
{
    SetSize(m_width, height);
}

void TImageList::SetSize(int width, int height)
{
    if (width == m_width && height == m_height) return;
    if (width <= 0 || height <= 0 || !PixelBuffer::SizeAllowed(width, height)) {
        throw EInvalidOperation("Invalid image size");
    }
    m_width = width;
    m_height = height;
    m_count = 0;
    m_images->SetSize(0, height);
    m_masks->SetSize(0, height);
    Changed();
}

void TImageList::SetBkColor(TColor color)
{
    if (color == m_bkColor) return;
    m_bkColor = color;
    Changed();
}

void TImageList::SetDrawingStyle(TDrawingStyle style)
{
    if (style == m_drawingStyle) return;
    m_drawingStyle = style;
    Changed();
}

void TImageList::SetMasked(bool masked)
{
    if (masked == m_masked) return;
    m_masked = masked;
    Changed();
}

int TImageList::Add(const TBitmap* image, const TBitmap* mask)
{
    if (!image || image->Empty()) return -1;
    const PixelBuffer* maskPixels = mask ? &mask->Pixels() : nullptr;
    return AddCells(image->Pixels(), [maskPixels](int x, int y) {
        // Pixels beyond the mask are drawn.
        return !maskPixels || !maskPixels->Contains(x, y) || (maskPixels->At(x, y) & kColorBits) != kColorBits;
    });
}

int TImageList::AddMasked(const TBitmap* image, TColor maskColor)
{
    if (!image || image->Empty()) return -1;
    const PixelBuffer& pixels = image->Pixels();
    const TPixel key = maskColor == clDefault ? pixels.At(0, pixels.Height() - 1) & kColorBits
                                              : PixelFromColor(maskColor) & kColorBits;
    return AddCells(pixels, [&pixels, key](int x, int y) { return (pixels.At(x, y) & kColorBits) != key; });
}

int TImageList::AddCells(const PixelBuffer& image, const std::function<bool(int x, int y)>& drawn)
{
    const int cells = std::max(1, image.Width() / m_width);
    const std::int64_t newWidth = std::int64_t(m_count + cells) * m_width;
    if (!PixelBuffer::SizeAllowed(newWidth, m_height)) throw EOutOfResources("The image list is full");
    const int first = m_count;
    m_images->SetSize(int(newWidth), m_height);
    m_masks->SetSize(int(newWidth), m_height);
    PixelBuffer& images = m_images->Pixels();
    PixelBuffer& masks = m_masks->Pixels();
    masks.Fill({first * m_width, 0, int(newWidth), m_height}, kLeftOut);
    for (int cell = 0; cell < cells; ++cell) {
        const int sourceLeft = cell * m_width;
        const int columns = std::min(m_width, image.Width() - sourceLeft);
        const int rows = std::min(m_height, image.Height());
        const int left = (first + cell) * m_width;
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < columns; ++x) {
                images.At(left + x, y) = image.At(sourceLeft + x, y);
                masks.At(left + x, y) = drawn(sourceLeft + x, y) ? kDrawn : kLeftOut;
            }
        }
    }
    m_count += cells;
    Changed();
    return first;
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= m_count) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    for (TBitmap* strip : {m_images.get(), m_masks.get()}) {
        PixelBuffer& pixels = strip->Pixels();
        for (int y = 0; y < m_height; ++y) {
            TPixel* row = pixels.Row(y);
            std::copy(row + (index + 1) * m_width, row + m_count * m_width, row + index * m_width);
        }
        strip->SetSize((m_count - 1) * m_width, m_height);
    }
    --m_count;
    Changed();
}

void TImageList::Clear()
{
    if (m_count == 0) return;
    m_count = 0;
    m_images->SetSize(0, m_height);
    m_masks->SetSize(0, m_height);
    Changed();
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawState state) const
{
    if (!canvas || index < 0 || index >= m_count) return;
    if (state == TDrawState::Disabled) {
        DrawGreyed(*canvas, x, y, index);
        return;
    }
    const HDC dc = canvas->Handle();
    const int cellLeft = index * m_width;
    if (m_bkColor != clNone && m_drawingStyle == dsNormal) {
        const HBRUSH background = CreateSolidBrush(COLORREF(m_bkColor));
        FillRect(dc, Bounds(x, y, m_width, m_height), background);
        DeleteObject(background);
    }

    // The focus and selected styles draw a blended copy of the cell.
    const unsigned weight = HighlightWeight(m_drawingStyle);
    std::unique_ptr<TScratchBitmap> blended;
    if (weight) {
        blended = std::make_unique<TScratchBitmap>(PixelBuffer(m_width, m_height));
        const TPixel highlight = PixelFromColor(clHighlight);
        const PixelBuffer& images = m_images->Pixels();
        for (int row = 0; row < m_height; ++row) {
            for (int column = 0; column < m_width; ++column) {
                blended->Pixels().At(column, row) = Blend(images.At(cellLeft + column, row), highlight, weight);
            }
        }
    }
    const TBitmapDC source(blended ? blended->Handle() : m_images->Handle());
    const int sourceLeft = blended ? 0 : cellLeft;
    if (m_masked) MaskedBitBlt(dc, x, y, m_width, m_height, source.Handle(), sourceLeft, 0, m_masks->Handle(), cellLeft, 0);
    else BitBlt(dc, x, y, m_width, m_height, source.Handle(), sourceLeft, 0, SRCCOPY);
}

void TImageList::DrawGreyed(TCanvas& canvas, int x, int y, int index) const
{
    // The shape: drawn pixels that are not white.
    const int cellLeft = index * m_width;
    const PixelBuffer& images = m_images->Pixels();
    const PixelBuffer& masks = m_masks->Pixels();
    const TScratchBitmap shape(PixelBuffer(m_width, m_height, kLeftOut));
    for (int row = 0; row < m_height; ++row) {
        for (int column = 0; column < m_width; ++column) {
            const bool drawn = !m_masked || IsDrawn(masks.At(cellLeft + column, row));
            const bool white = (images.At(cellLeft + column, row) & kColorBits) == kColorBits;
            if (drawn && !white) shape.Pixels().At(column, row) = kDrawn;
        }
    }
    const HDC dc = canvas.Handle();
    const TScratchBitmap ink(PixelBuffer(m_width, m_height, PixelFromColor(clBtnHighlight)));
    const TBitmapDC source(ink.Handle());
    MaskedBitBlt(dc, x + 1, y + 1, m_width, m_height, source.Handle(), 0, 0, shape.Handle(), 0, 0);
    ink.Pixels().Fill(ink.Pixels().Bounds(), PixelFromColor(clBtnShadow));
    MaskedBitBlt(dc, x, y, m_width, m_height, source.Handle(), 0, 0, shape.Handle(), 0, 0);
}

void TImageList::GetBitmap(int index, TBitmap* image) const
{
    if (!image || index < 0 || index >= m_count) return;
    PixelBuffer cell(m_width, m_height);
    const PixelBuffer& images = m_images->Pixels();
    for (int row = 0; row < m_height; ++row) {
        std::copy_n(images.Row(row) + index * m_width, m_width, cell.Row(row));
    }
    image->SetSize(m_width, m_height);
    image->Pixels() = std::move(cell);
    image->SetModified(true);
}

void TImageList::Changed()
{
    if (OnChange) OnChange(this);
}
