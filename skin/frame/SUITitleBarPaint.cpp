// TsuiTitleBar's painting: sections, buttons, caption and the outline of
// rounded corners, all into one off-screen bitmap copied in one transfer.

#include "skin/frame/SUITitleBar.h"

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Icon.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/VisualState.h"
#include "skin/frame/SUITitleBarButtons.h"
#include "skin/frame/SUITitleBarSections.h"

namespace {

constexpr int kOutlineDepth = 50;  // px the outline's rectangle reaches below the bar
constexpr const char* kMainIcon = "MAINICON";

// The picture a button shows in a visual state.
const TPicture* PictureFor(const TsuiTitleBarButton& button, TVisualState state)
{
    switch (state) {
    case TVisualState::Pressed: return button.PicMouseDown();
    case TVisualState::Hot: return button.PicMouseOn();
    default: return button.PicNormal();
    }
}

void DrawSection(TCanvas& canvas, const TsuiTitleBarSection& section, const TRect& box)
{
    const TGraphic* graphic = section.Picture()->Graphic();
    if (!graphic || graphic->Empty() || box.IsEmpty()) return;
    if (section.Stretch()) {
        canvas.StretchDraw(box, graphic);
        return;
    }
    const HDC dc = canvas.Handle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, box.Left, box.Top, box.Right, box.Bottom);
    canvas.Draw(box.Left, box.Top, graphic);
    RestoreDC(dc, saved);
}

}  // namespace

void TsuiTitleBar::Paint()
{
    const int width = Width();
    const int height = Height();
    if (width <= 0 || height <= 0) return;
    TBitmap bitmap(width, height);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    DrawSectionsTo(&bitmap);
    DrawButtons(&bitmap);
    if (m_uiStyle != WinXP && m_roundCorner != 0) {
        canvas->Pen()->SetColor(m_borderColor);
        canvas->Brush()->SetStyle(bsClear);
        canvas->RoundRect(-1, 0, width + 1, height + kOutlineDepth, m_roundCorner + 1, m_roundCorner);
    }
    Canvas()->Draw(0, 0, &bitmap);
}

void TsuiTitleBar::DrawSectionsTo(TBitmap* bitmap)
{
    const TTitleBarLayout layout = Layout();
    for (int i = 0; i < m_sections->Count(); ++i) {
        DrawSection(*bitmap->Canvas(), *m_sections->Items(i), layout.Sections[std::size_t(i)]);
    }
}

void TsuiTitleBar::DrawButtonPicture(TBitmap* bitmap, int index, TPoint at, bool hot)
{
    const TsuiTitleBarButton& button = *m_buttons->Items(index);
    const TPicture* normal = button.PicNormal();
    const TPicture* picture = PictureFor(button, VisualStateOf({true, hot && m_mouseDown, hot}));
    if (!picture->Graphic() || normal->Width() <= 0 || normal->Height() <= 0) return;
    TBitmap scratch(normal->Width(), normal->Height());
    scratch.Canvas()->Draw(0, 0, picture->Graphic());
    scratch.SetTransparent(button.Transparent());
    bitmap->Canvas()->Draw(at.X, at.Y, &scratch);
}

void TsuiTitleBar::DrawButtons(TBitmap* bitmap)
{
    const TTitleBarLayout layout = Layout();
    const TPoint cursor = CursorInBar();
    m_hotIndex = layout.ButtonAt(cursor);
    for (int i = 0; i < m_buttons->Count(); ++i) {
        const TRect& box = layout.Buttons[std::size_t(i)];
        if (i == layout.ControlBox || box.IsEmpty()) continue;
        DrawButtonPicture(bitmap, i, box.TopLeft(), InRect(cursor, box));
    }
    if (layout.ControlBox >= 0) {
        const TRect& box = layout.Buttons[std::size_t(layout.ControlBox)];
        if (m_drawAppIcon) {
            TIcon icon;
            icon.LoadFromResourceName(nullptr, kMainIcon);
            bitmap->Canvas()->StretchDraw(TRect::FromSize(layout.AppIcon.X, layout.AppIcon.Y, kAppIconSize, kAppIconSize),
                                          &icon);
        } else {
            DrawButtonPicture(bitmap, layout.ControlBox, box.TopLeft(), InRect(cursor, box));
        }
    }
    DrawCaption(bitmap, layout);
}

void TsuiTitleBar::DrawCaption(TBitmap* bitmap, const TTitleBarLayout& layout)
{
    TCanvas* canvas = bitmap->Canvas();
    canvas->SetFont(Font());
    if (!m_formActive) canvas->Font()->SetColor(GetSysColor(COLOR_INACTIVECAPTION));
    canvas->Brush()->SetStyle(bsClear);
    const std::string text =
        FittedCaption(m_caption, canvas->TextWidth(m_caption), layout.CaptionRight - layout.CaptionLeft);
    const int y = m_buttonRowTop + (m_buttonRowHeight - canvas->TextHeight(text)) / 2;
    canvas->TextOut(layout.CaptionLeft, y, text);
}
