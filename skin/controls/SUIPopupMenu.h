#pragma once
// TsuiPopupMenu: a pop-up menu whose items the skin measures and draws in
// the colours of the menu's style: a side bar, the background, a framed
// highlight for the selected item, skinned separators, the check picture or
// the item's image, the caption (bold for the default item, grey when
// disabled) and the shortcut text. MacOS draws items on its own pictures.
// Items added after construction draw skinned once MenuAdded has run.

#include "platform/core/Color.h"
#include "platform/ui/menus/PopupMenu.h"
#include "skin/core/UIStyle.h"

#include <string>

class TCanvas;
class TImageList;
class TsuiFileTheme;

// The picture of a checked item without an image, shared by every skinned menu.
[[nodiscard]] TImageList& CheckImages();

class TsuiPopupMenu : public TPopupMenu {
    QZ_DECLARE_CLASS(TsuiPopupMenu, TPopupMenu)

public:
    static constexpr int kItemHeight = 21;         // px
    static constexpr int kSeparatorHeight = 5;     // px
    static constexpr int kMacOSItemHeight = 20;    // px
    static constexpr int kMacOSSeparatorHeight = 12;  // px
    static constexpr int kBarWidth = 26;           // px

    explicit TsuiPopupMenu(TComponent* owner);

    [[nodiscard]] bool OwnerDraw() const { return true; }
    void SetOwnerDraw(bool) {}
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_uiStyle; }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] int MenuItemHeight() const { return m_menuItemHeight; }
    // Ignored while the style is MacOS.
    void SetHeight(int height);
    [[nodiscard]] int SeparatorHeight() const { return m_separatorHeight; }
    // Ignored while the style is MacOS.
    void SetSeparatorHeight(int height);

    int BarWidth = 0;  // px
    TColor BarColor = clBtnFace;
    TColor Color = clWhite;
    TColor SeparatorColor = clGray;
    TColor SelectedBorderColor = clHighlight;
    TColor SelectedColor = clHighlight;
    TColor SelectedFontColor = clWhite;
    TColor FontColor = clWhite;
    TColor BorderColor = clBlack;  // kept for form descriptions; not drawn
    bool FlatMenu = false;
    std::string FontName = "MS Sans Serif";
    int FontSize = 8;  // points
    int FontCharset = 1;
    bool UseSystemFont = true;

    // Hooks every item and its descendants up to the skinned measuring and drawing.
    void MenuAdded();
    void MeasureItem(TObject* sender, TCanvas* canvas, int& width, int& height);
    void DrawItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SelectFont(TCanvas& canvas, const TMenuItem& item, bool selected) const;
    void DrawBackground(TCanvas& canvas, const TRect& rect, bool highlighted) const;
    void DrawGlyphs(TCanvas& canvas, const TMenuItem& item, const TRect& rect) const;
    [[nodiscard]] bool HasImage(const TMenuItem& item) const;

    TsuiFileTheme* m_fileTheme = nullptr;
    TsuiUIStyle m_uiStyle = DeepBlue;
    int m_menuItemHeight = kItemHeight;     // px
    int m_separatorHeight = kItemHeight;    // px
};
