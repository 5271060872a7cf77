#include "skin/controls/SUIPopupMenu.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SUIPopupMenuDraw.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

using namespace SuiThemeId;

namespace {

constexpr TColor kSeparatorColor = 0x848284;
constexpr TColor kDisabledFontColor = 0x808080;

}  // namespace

TImageList& CheckImages()
{
    static const std::unique_ptr<TImageList> images = [] {
        auto list = std::make_unique<TImageList>(nullptr);
        TBitmap check;
        check.LoadFromResourceName(nullptr, "MENU_CHECKED");
        list->AddMasked(&check, clWhite);
        return list;
    }();
    return *images;
}

QZ_IMPLEMENT_CLASS(TsuiPopupMenu);

void TsuiPopupMenu::Publish(TClassBuilder<TsuiPopupMenu>& c)
{
    c.Creatable<TComponent>();
    c.Property("OwnerDraw", &TsuiPopupMenu::OwnerDraw, &TsuiPopupMenu::SetOwnerDraw);
    c.Reference("FileTheme", &TsuiPopupMenu::FileTheme, &TsuiPopupMenu::SetFileTheme);
    c.Property("UIStyle", &TsuiPopupMenu::UIStyle, &TsuiPopupMenu::SetUIStyle);
    c.Property("MenuItemHeight", &TsuiPopupMenu::MenuItemHeight, &TsuiPopupMenu::SetHeight);
    c.Property("SeparatorHeight", &TsuiPopupMenu::SeparatorHeight, &TsuiPopupMenu::SetSeparatorHeight);
    c.Property("BarWidth", &TsuiPopupMenu::BarWidth);
    c.Color("BarColor", &TsuiPopupMenu::BarColor);
    c.Color("Color", &TsuiPopupMenu::Color);
    c.Color("SeparatorColor", &TsuiPopupMenu::SeparatorColor);
    c.Color("SelectedBorderColor", &TsuiPopupMenu::SelectedBorderColor);
    c.Color("SelectedColor", &TsuiPopupMenu::SelectedColor);
    c.Color("SelectedFontColor", &TsuiPopupMenu::SelectedFontColor);
    c.Color("FontColor", &TsuiPopupMenu::FontColor);
    c.Color("BorderColor", &TsuiPopupMenu::BorderColor);
    c.Property("FlatMenu", &TsuiPopupMenu::FlatMenu);
    c.Property("FontName", &TsuiPopupMenu::FontName);
    c.Property("FontSize", &TsuiPopupMenu::FontSize);
    c.Property("FontCharset", &TsuiPopupMenu::FontCharset);
    c.Property("UseSystemFont", &TsuiPopupMenu::UseSystemFont);
}

TsuiPopupMenu::TsuiPopupMenu(TComponent* owner) : TPopupMenu(owner)
{
    TMenu::SetOwnerDraw(true);
    SetUIStyle(GetSUIFormStyle(owner));
}

// --- style -------------------------------------------------------------------------

void TsuiPopupMenu::SetFileTheme(TsuiFileTheme* fileTheme)
{
    if (m_fileTheme) RemoveFreeNotification(m_fileTheme);
    m_fileTheme = fileTheme;
    if (m_fileTheme) FreeNotification(m_fileTheme);
    SetUIStyle(m_uiStyle);
}

void TsuiPopupMenu::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    BarWidth = kBarWidth;
    const bool macOS = style == MacOS;
    m_menuItemHeight = macOS ? kMacOSItemHeight : kItemHeight;
    m_separatorHeight = macOS ? kMacOSSeparatorHeight : kSeparatorHeight;
    SeparatorColor = macOS ? clBlack : kSeparatorColor;
    const TThemeReader theme(m_fileTheme, style);
    BarColor = theme.Color(MenuBarColor);
    Color = theme.Color(MenuBackgroundColor);
    FontColor = theme.Color(MenuFontColor);
    SelectedBorderColor = theme.Color(MenuSelectedBorderColor);
    SelectedColor = theme.Color(MenuSelectedBackgroundColor);
    SelectedFontColor = theme.Color(MenuSelectedFontColor);
}

void TsuiPopupMenu::SetHeight(int height)
{
    if (m_uiStyle != MacOS) m_menuItemHeight = height;
}

void TsuiPopupMenu::SetSeparatorHeight(int height)
{
    if (m_uiStyle != MacOS) m_separatorHeight = height;
}

void TsuiPopupMenu::Loaded()
{
    TPopupMenu::Loaded();
    MenuAdded();
}

void TsuiPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TPopupMenu::Notification(component, operation);
    if (operation == opRemove && component == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TsuiPopupMenu::MenuAdded()
{
    const TMenuMeasureItemEvent measure = [this](TObject* sender, TCanvas* canvas, int& width, int& height) {
        MeasureItem(sender, canvas, width, height);
    };
    const TMenuDrawItemEvent draw = [this](TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
        DrawItem(sender, canvas, rect, selected);
    };
    for (int i = 0; i < Items()->Count(); ++i) Menu_SetItemEvent(Items()->Items(i), measure, draw);
}

// --- measuring and drawing --------------------------------------------------------------

void TsuiPopupMenu::MeasureItem(TObject* sender, TCanvas* canvas, int& width, int& height)
{
    const auto* item = dynamic_cast<const TMenuItem*>(sender);
    if (!item || !canvas) return;
    const TSize size = SkinMenuItemSize(item->IsLine(), canvas->TextWidth(item->Caption()),
                                        canvas->TextWidth(ShortCutToText(item->ShortCut())), BarWidth,
                                        m_menuItemHeight, m_separatorHeight);
    width = size.cx;
    height = size.cy;
}

bool TsuiPopupMenu::HasImage(const TMenuItem& item) const
{
    return item.ImageIndex() != -1 && Images() && item.ImageIndex() < Images()->Count();
}

void TsuiPopupMenu::DrawBackground(TCanvas& canvas, const TRect& rect, bool highlighted) const
{
    const bool macOS = m_uiStyle == MacOS;
    if (highlighted) {
        if (macOS) {
            Menu_DrawMacOSSelectedItem(&canvas, rect);
            return;
        }
        Menu_DrawBackGround(&canvas, rect, SelectedColor);
        Menu_DrawBorder(&canvas, rect, SelectedBorderColor);
        return;
    }
    if (macOS) {
        Menu_DrawMacOSNonSelectedItem(&canvas, rect);
        return;
    }
    const TSkinMenuItemParts parts = SkinMenuItemParts(rect, BarWidth, 0);
    if (BarWidth > 0) Menu_DrawBackGround(&canvas, parts.Bar, BarColor);
    Menu_DrawBackGround(&canvas, parts.Background, Color);
}

void TsuiPopupMenu::SelectFont(TCanvas& canvas, const TMenuItem& item, bool selected) const
{
    TFont* font = canvas.Font();
    if (UseSystemFont) {
        Menu_GetSystemFont(font);
    } else {
        font->SetName(FontName);
        font->SetSize(FontSize);
        font->SetCharset(FontCharset);
    }
    font->SetStyle(item.Default() ? TFontStyles{fsBold} : TFontStyles{});
    if (!item.Enabled()) font->SetColor(kDisabledFontColor);
    else font->SetColor(selected ? SelectedFontColor : FontColor);
    canvas.Brush()->SetStyle(bsClear);
}

void TsuiPopupMenu::DrawGlyphs(TCanvas& canvas, const TMenuItem& item, const TRect& rect) const
{
    const TSkinMenuItemParts parts = SkinMenuItemParts(rect, BarWidth, 0);
    const bool image = HasImage(item);
    if (item.Checked()) {
        if (image) {
            Menu_DrawBorder(&canvas, parts.ImageFrame, clBlack);
            Menu_DrawBackGround(&canvas, parts.ImageFill, SelectedColor);
        } else {
            CheckImages().Draw(&canvas, parts.Glyph.X, parts.Glyph.Y, 0, item.Enabled());
        }
    }
    if (image) Images()->Draw(&canvas, parts.Glyph.X, parts.Glyph.Y, item.ImageIndex(), item.Enabled());
}

void TsuiPopupMenu::DrawItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected)
{
    const auto* item = dynamic_cast<const TMenuItem*>(sender);
    if (!item || !canvas) return;
    if (FlatMenu) {
        const TThemeReader theme(m_fileTheme, m_uiStyle);
        Menu_DrawWindowBorder(WindowFromDC(canvas->Handle()), clBlack, theme.Color(FormBackgroundColor));
    }
    if (item->IsLine()) {
        if (m_uiStyle == MacOS) {
            Menu_DrawMacOSLineItem(canvas, rect);
        } else {
            DrawBackground(*canvas, rect, false);
            Menu_DrawLineItem(canvas, rect, SeparatorColor, BarWidth);
        }
        return;
    }
    DrawBackground(*canvas, rect, selected && item->Enabled());
    SelectFont(*canvas, *item, selected);
    const std::string shortCut = ShortCutToText(item->ShortCut());
    const TSkinMenuItemParts parts = SkinMenuItemParts(rect, BarWidth, canvas->TextWidth(shortCut));
    RECT caption = parts.Caption;
    DrawText(canvas->Handle(), item->Caption(), -1, caption, DT_LEFT | DT_SINGLELINE);
    if (!shortCut.empty()) canvas->TextOut(parts.ShortCut.X, parts.ShortCut.Y, shortCut);
    DrawGlyphs(*canvas, *item, rect);
}
