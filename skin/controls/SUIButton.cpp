#include "skin/controls/SUIButton.h"

#include "platform/ui/actions/ActionList.h"
#include "platform/ui/actions/CustomAction.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/win/Gdi.h"
#include "skin/controls/SUIButtonGlyphLayout.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

using namespace SuiThemeId;

namespace {

// Styles whose focused button shows a bold caption instead of a focus rectangle.
bool FocusShownBold(TsuiUIStyle style)
{
    return style == MacOS || style == BlueGlass;
}

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiButton);

void TsuiButton::Publish(TClassBuilder<TsuiButton>& c)
{
    c.Creatable<TComponent>();
    c.SubObject("Glyph", &TsuiButton::Glyph, &TsuiButton::SetGlyph);
    c.Property("Layout", &TsuiButton::Layout, &TsuiButton::SetLayout).Default(blGlyphLeft);
    c.Property("Spacing", &TsuiButton::Spacing, &TsuiButton::SetSpacing).Default(kDefaultSpacing);
    c.Property("ResHandle", &TsuiButton::ResHandle, &TsuiButton::SetResHandle);
}

TsuiButton::TsuiButton(TComponent* owner) : TsuiCustomButton(owner), m_glyph(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    // The base constructor set the style before this class's steps existed.
    UIStyleChanged();
}

TsuiButton::~TsuiButton() = default;

void TsuiButton::SetGlyph(TBitmap* glyph)
{
    if (glyph) m_glyph->Assign(*glyph);
    else m_glyph = std::make_unique<TBitmap>();
    Invalidate();
}

void TsuiButton::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    Invalidate();
}

void TsuiButton::SetSpacing(int spacing)
{
    m_spacing = spacing;
    Invalidate();
}

void TsuiButton::UIStyleChanged()
{
    const TThemeReader theme(FileTheme(), UIStyle());
    SetTransparent(theme.Bool(ButtonTransparentBool));
}

// One frame of the face the theme gives; a theme without a face (a file
// theme that lacks ButtonImage) gives the fallback size.
void TsuiButton::AutoSizeChanged()
{
    if (!AutoSize()) return;
    const TThemeReader theme(FileTheme(), UIStyle());
    TBitmap image;
    theme.Bitmap(ButtonImage, &image);
    if (image.Empty()) SetBounds(Left(), Top(), kFallbackWidth, kFallbackHeight);
    else SetBounds(Left(), Top(), image.Width() / 3, image.Height());
}

void TsuiButton::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    TsuiCustomButton::ActionChange(sender, checkDefaults);
    const auto* action = dynamic_cast<const TCustomAction*>(sender);
    if (!action || !m_glyph->Empty() || !action->ActionList()) return;
    const TImageList* images = action->ActionList()->Images();
    if (!images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return;
    images->GetBitmap(action->ImageIndex(), m_glyph.get());
    Invalidate();
}

bool TsuiButton::ShowsGlyph() const
{
    return !m_glyph->Empty();
}

void TsuiButton::PaintPic(TCanvas* canvas, TBitmap* face)
{
    canvas->SetFont(Font());
    SpitDraw(face, canvas, ClientRect(), PicTransparent());
    if (ShowsGlyph()) PaintGlyph(canvas);
}

void TsuiButton::PaintGlyph(TCanvas* canvas)
{
    TSize glyph{m_glyph->Width(), m_glyph->Height()};
    const bool twoFrames = HasDisabledFrame(glyph);
    if (twoFrames) glyph.cx = glyph.cy;
    const TGlyphPlacement at = GlyphLayout({.Button = {Width(), Height()},
                                            .Text = canvas->TextExtent(Caption()),
                                            .Glyph = glyph,
                                            .Layout = m_layout,
                                            .Spacing = m_spacing,
                                            .Pressed = MouseDownShown()});
    m_textPos = at.Text;
    TImageList images(nullptr);
    images.SetWidth(glyph.cx);
    images.SetHeight(glyph.cy);
    images.AddMasked(m_glyph.get(), m_glyph->Canvas()->Pixels(0, 0));
    if (twoFrames) images.Draw(canvas, at.Glyph.X, at.Glyph.Y, Enabled() ? 0 : 1, true);
    else images.Draw(canvas, at.Glyph.X, at.Glyph.Y, 0, Enabled());
}

void TsuiButton::PaintText(TCanvas* canvas, const std::string& text)
{
    if (!ShowsGlyph()) {
        TsuiCustomButton::PaintText(canvas, text);
        return;
    }
    constexpr UINT kFormat = DT_SINGLELINE;
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    if (!Enabled()) {
        canvas->Font()->SetColor(kDisabledHighlight);
        RECT below{m_textPos.X + 1, m_textPos.Y + 1, Width(), Height()};
        DrawText(canvas->Handle(), text, -1, below, kFormat);
        canvas->Font()->SetColor(kDisabledText);
    }
    RECT rect{m_textPos.X, m_textPos.Y, Width(), Height()};
    DrawText(canvas->Handle(), text, -1, rect, kFormat);
}

void TsuiButton::PaintFocus(TCanvas* canvas)
{
    if (FocusShownBold(UIStyle())) SetBoldCaption();
    else TsuiCustomButton::PaintFocus(canvas);
}
