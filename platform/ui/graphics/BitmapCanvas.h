#pragma once
// TBitmapCanvas: the canvas of a TBitmap. It makes a memory context with
// the bitmap's handle selected when first drawn on, and gives it back when
// the bitmap takes another handle or goes away.

#include "platform/ui/graphics/Canvas.h"

class TBitmap;

class TBitmapCanvas : public TCanvas {
    QZ_DECLARE_CLASS(TBitmapCanvas, TCanvas)
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : m_bitmap(bitmap) {}
    ~TBitmapCanvas() override;

    // Deselects everything and deletes the context; the next drawing call
    // makes a new one.
    void FreeContext();

protected:
    void CreateHandle() override;

private:
    TBitmap& m_bitmap;
    HDC m_dc = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
};
