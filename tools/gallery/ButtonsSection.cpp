// The buttons section: push buttons in their states, with glyphs in two
// layouts, a repeating button with a counter, an auto-sized button, an
// image button, a control button (a title-bar button frame) and a tool-bar
// speed button.

#include "platform/core/SysUtils.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/ui/graphics/Picture.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIControlButton.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIToolBarSpeedButton.h"
#include "skin/core/ThemeElements.h"
#include "tools/gallery/GallerySection.h"

#include <string>

namespace {

constexpr int kGlyphSize = 16;  // pixels; one frame
constexpr TColor kGlyphKey = clFuchsia;
constexpr TColor kGlyphInk = TColor(0x00804000);  // dark blue
constexpr TColor kGlyphGrey = TColor(0x00A0A0A0);
// The title-bar button strip holds this many frames.
constexpr int kTitleButtonFrames = 18;

// A right-pointing arrow on the key colour.
void DrawArrow(TCanvas* canvas, int left, TColor ink)
{
    canvas->Brush()->SetColor(ink);
    canvas->Pen()->SetColor(ink);
    canvas->Polygon({TPoint{left + 4, 3}, TPoint{left + 12, 8}, TPoint{left + 4, 13}});
}

// Two frames, enabled then disabled.
void DrawArrowGlyph(TBitmap& glyph)
{
    glyph.SetSize(2 * kGlyphSize, kGlyphSize);
    glyph.Canvas()->Brush()->SetColor(kGlyphKey);
    glyph.Canvas()->FillRect({0, 0, 2 * kGlyphSize, kGlyphSize});
    DrawArrow(glyph.Canvas(), 0, kGlyphInk);
    DrawArrow(glyph.Canvas(), kGlyphSize, kGlyphGrey);
}

void SetArrowPicture(TPicture* picture, TColor face, TColor ink)
{
    TBitmap bitmap(kGlyphSize, kGlyphSize);
    bitmap.Canvas()->Brush()->SetColor(face);
    bitmap.Canvas()->FillRect({0, 0, kGlyphSize, kGlyphSize});
    DrawArrow(bitmap.Canvas(), 0, ink);
    picture->SetBitmap(&bitmap);
}

TsuiButton* AddButton(TWinControl* parent, const std::string& name, const std::string& caption, TRect bounds)
{
    auto* button = new TsuiButton(GalleryOwner(parent));
    button->SetName(name);
    button->SetParent(parent);
    button->SetBoundsRect(bounds);
    button->SetCaption2(caption);
    return button;
}

}  // namespace

void BuildButtonsSection(TWinControl* parent)
{
    AddButton(parent, "sbtnNormal", "确定", {0, 0, 80, 27});
    AddButton(parent, "sbtnDefault", "默认(&D)", {88, 0, 168, 27})->SetDefault(true);
    AddButton(parent, "sbtnDisabled", "不可用", {176, 0, 256, 27})->SetEnabled(false);

    TBitmap glyph;
    DrawArrowGlyph(glyph);
    TsuiButton* left = AddButton(parent, "sbtnGlyph", "前进", {0, 35, 80, 62});
    left->SetGlyph(&glyph);
    TsuiButton* top = AddButton(parent, "sbtnGlyphTop", "上方", {88, 35, 168, 85});
    top->SetGlyph(&glyph);
    top->SetLayout(blGlyphTop);
    TsuiButton* off = AddButton(parent, "sbtnGlyphOff", "不可用", {176, 35, 256, 62});
    off->SetGlyph(&glyph);
    off->SetEnabled(false);

    auto* counter = new TLabel(GalleryOwner(parent));
    counter->SetName("lblRepeat");
    counter->SetParent(parent);
    counter->SetBounds(88, 97, 120, 16);
    counter->SetCaption("连续：0");
    TsuiButton* repeat = AddButton(parent, "sbtnRepeat", "按住", {0, 93, 80, 120});
    repeat->OnMouseContinuouslyDown = [counter, ticks = 0](TObject*) mutable {
        counter->SetCaption("连续：" + IntToStr(++ticks));
    };

    TsuiButton* autoSized = AddButton(parent, "sbtnAuto", "自动", {176, 93, 256, 120});
    autoSized->SetAutoSize2(true);

    auto* image = new TsuiImageButton(GalleryOwner(parent));
    image->SetName("sibArrow");
    image->SetParent(parent);
    image->SetBounds(264, 0, kGlyphSize, kGlyphSize);
    SetArrowPicture(image->PicNormal(), clBtnFace, kGlyphInk);
    SetArrowPicture(image->PicMouseOn(), clWhite, kGlyphInk);
    SetArrowPicture(image->PicMouseDown(), kGlyphInk, clWhite);

    auto* control = new TsuiControlButton(GalleryOwner(parent));
    control->SetName("sctlTitle");
    control->SetParent(parent);
    control->SetLeft(264);
    control->SetTop(35);
    control->SetThemeID(SuiThemeId::TitleBarButtonImage);
    control->SetPicCount(kTitleButtonFrames);
    control->SetTransparent(true);

    auto* speed = new TsuiToolBarSpeedButton(GalleryOwner(parent));
    speed->SetName("stbSpeed");
    speed->SetParent(parent);
    speed->SetLeft(264);
    speed->SetTop(70);
    TBitmap arrow;
    DrawArrowGlyph(arrow);
    arrow.SetWidth(kGlyphSize);
    speed->SetGlyph(&arrow);
}
