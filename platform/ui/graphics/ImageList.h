#pragma once
// TImageList: a list of small images of one size (Width x Height, 16 x 16
// unless set), each with a mask saying which pixels are drawn. Tool bars
// and menus draw them by index, enabled or greyed.
//
// Adding. Add and AddMasked cut a bitmap wider than Width into Width-wide
// images (a narrower one gives one image); columns left over at the right
// are dropped, and parts of a cell the bitmap does not reach are
// transparent. A mask bitmap is white where the image is transparent and
// any other colour where it is drawn; AddMasked makes the mask from a key
// colour instead (clDefault: the bitmap's bottom-left pixel).
//
// Drawing. Masked lists (the default) draw only the mask's pixels; with
// BkColor other than clNone and DrawingStyle dsNormal the whole cell is
// filled with BkColor first. dsFocus and dsSelected blend the image a
// quarter or a half with clHighlight. Greyed images are drawn in the
// classic embossed way: the shape (the drawn pixels that are not white)
// once in clBtnHighlight one pixel down and right, then in clBtnShadow in
// place.

#include "platform/core/Color.h"
#include "platform/ui/base/Component.h"

#include <functional>
#include <memory>

class TBitmap;
class TCanvas;
class PixelBuffer;

QZ_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)

class TImageList : public TComponent {
    QZ_DECLARE_CLASS(TImageList, TComponent)
public:
    static constexpr int kDefaultSize = 16;  // pixels

    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    // Changing the size empties the list.
    [[nodiscard]] int Width() const { return m_width; }
    void SetWidth(int width);
    [[nodiscard]] int Height() const { return m_height; }
    void SetHeight(int height);
    [[nodiscard]] int Count() const { return m_count; }

    [[nodiscard]] TColor BkColor() const { return m_bkColor; }
    void SetBkColor(TColor color);
    [[nodiscard]] TDrawingStyle DrawingStyle() const { return m_drawingStyle; }
    void SetDrawingStyle(TDrawingStyle style);
    [[nodiscard]] bool Masked() const { return m_masked; }
    void SetMasked(bool masked);

    // Both return the index of the first image added. mask may be nullptr
    // (every pixel drawn). Raise EOutOfResources when the list would grow
    // beyond the size a bitmap may have.
    int Add(const TBitmap* image, const TBitmap* mask);
    int AddMasked(const TBitmap* image, TColor maskColor);
    // Indices out of range raise EListError.
    void Delete(int index);
    void Clear();

    // Draws image index with its top-left at (x, y); out-of-range indices
    // draw nothing.
    enum class TDrawState { Enabled, Disabled };
    void Draw(TCanvas* canvas, int x, int y, int index, TDrawState state = TDrawState::Enabled) const;
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled) const
    {
        Draw(canvas, x, y, index, enabled ? TDrawState::Enabled : TDrawState::Disabled);
    }
    // Sets image to Width x Height and copies the image's pixels into it
    // (transparent pixels keep the colour they were added with).
    void GetBitmap(int index, TBitmap* image) const;

    TNotifyEvent OnChange;

private:
    // Appends one cell; mask pixels are true where the image is drawn.
    int AddCells(const PixelBuffer& image, const std::function<bool(int x, int y)>& drawn);
    void SetSize(int width, int height);
    void DrawGreyed(TCanvas& canvas, int x, int y, int index) const;
    void Changed();

    int m_width = kDefaultSize;
    int m_height = kDefaultSize;
    int m_count = 0;
    TColor m_bkColor = clNone;
    TDrawingStyle m_drawingStyle = dsNormal;
    bool m_masked = true;
    // One row of cells: the images, and the masks (black where drawn, white elsewhere).
    std::unique_ptr<TBitmap> m_images;
    std::unique_ptr<TBitmap> m_masks;
};
