#pragma once
// TBrush: how a canvas fills. Color and Style make the HBRUSH; bsClear
// fills nothing (and makes text backgrounds transparent). A pattern bitmap,
// when set, takes the place of the style (unless the style is bsClear).
//
// The brush keeps its own copy of the pattern bitmap (SetBitmap copies);
// changing that copy through Bitmap() changes the brush.

#include "platform/core/Color.h"
#include "platform/gfx/PenBrush.h"
#include "platform/ui/graphics/GraphicsObject.h"
#include "platform/win/WinTypes.h"

#include <memory>

class TBitmap;

// TBrushStyle comes from platform/gfx; this names its values for published
// properties ("Brush.Style = bsClear").
[[nodiscard]] const TEnumInfo& EnumInfoOf(TBrushStyle);

class TBrush : public TGraphicsObject {
    QZ_DECLARE_CLASS(TBrush, TGraphicsObject)
public:
    TBrush();
    ~TBrush() override;

    [[nodiscard]] TColor Color() const { return m_color; }
    void SetColor(TColor color);
    [[nodiscard]] TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style);
    // The brush's pattern, or nullptr.
    [[nodiscard]] TBitmap* Bitmap() const { return m_bitmap.get(); }
    // Copies the pattern; nullptr removes it.
    void SetBitmap(const TBitmap* pattern);

    // Made on first use; owned by the brush (bsClear gives the stock null
    // brush). Invalid after the next change.
    [[nodiscard]] HBRUSH Handle() const;

    void Assign(const TPersistent& source) override;

protected:
    void Changed() override;

private:
    void CopyPattern(const TBitmap* pattern);
    void ReleaseHandle() const;

    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
    std::unique_ptr<TBitmap> m_bitmap;
    mutable HBRUSH m_handle = nullptr;
};
