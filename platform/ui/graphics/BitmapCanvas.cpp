#include "platform/ui/graphics/BitmapCanvas.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/win/Gdi.h"

QZ_IMPLEMENT_CLASS(TBitmapCanvas);

void TBitmapCanvas::Publish(TClassBuilder<TBitmapCanvas>&) {}

TBitmapCanvas::~TBitmapCanvas()
{
    FreeContext();
}

void TBitmapCanvas::FreeContext()
{
    if (!m_dc) return;
    SetHandle(nullptr);
    SelectObject(m_dc, m_previousBitmap);
    DeleteDC(m_dc);
    m_dc = nullptr;
    m_previousBitmap = nullptr;
}

void TBitmapCanvas::CreateHandle()
{
    m_dc = CreateCompatibleDC(nullptr);
    m_previousBitmap = SelectObject(m_dc, m_bitmap.Handle());
    SetHandle(m_dc);
}
