#pragma once
// The skin's menu-drawing routines, shared by the skinned pop-up and main
// menus: where the parts of an item go (a pure function, so tests and both
// menus agree), and the free routines that hook items up and draw them.

#include "platform/core/Color.h"
#include "platform/core/Rect.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/win/WinTypes.h"

class TCanvas;
class TFont;

inline constexpr int kMenuTextIndent = 4;      // px after the bar, and from the item's top
inline constexpr int kMenuShortCutMargin = 16; // px between the shortcut and the item's right edge
inline constexpr int kMenuWidthExtra = 40;     // px a measured item adds to its texts and bar
inline constexpr int kMacOSItemRows = 20;      // rows of the MacOS pictures an item shows
inline constexpr int kMacOSSeparatorRows = 12; // rows of the MacOS bar a separator shows

// Where the parts of an item in rect go.
struct TSkinMenuItemParts {
    TRect Bar;          // the side bar (empty without one)
    TRect Background;   // right of the bar
    TRect Caption;      // the caption's box, drawn left-aligned on one line
    TPoint ShortCut;    // top-left of the shortcut text
    TPoint Glyph;       // top-left of the check picture or the item's image
    TRect ImageFrame;   // the black frame behind a checked item's image
    TRect ImageFill;    // inside it, filled with the selected colour
    TPoint LineFrom;    // a separator's line
    TPoint LineTo;
};
[[nodiscard]] TSkinMenuItemParts SkinMenuItemParts(const TRect& rect, int barWidth, int shortCutWidth);

// The width and height a skinned item measures.
[[nodiscard]] TSize SkinMenuItemSize(bool separator, int captionWidth, int shortCutWidth, int barWidth,
                                     int itemHeight, int separatorHeight);

// Sets item's measure and draw events, then those of all its descendants.
void Menu_SetItemEvent(TMenuItem* item, const TMenuMeasureItemEvent& measure, const TMenuDrawItemEvent& draw);
void Menu_DrawBorder(TCanvas* canvas, const TRect& rect, TColor color);
void Menu_DrawBackGround(TCanvas* canvas, const TRect& rect, TColor color);
void Menu_DrawLineItem(TCanvas* canvas, const TRect& rect, TColor color, int barWidth);
void Menu_DrawMacOSLineItem(TCanvas* canvas, const TRect& rect);
void Menu_DrawMacOSSelectedItem(TCanvas* canvas, const TRect& rect);
void Menu_DrawMacOSNonSelectedItem(TCanvas* canvas, const TRect& rect);
// A flat border just inside the window's edge: a frame in color1, a white
// frame inside it, and color2 along the bottom, right and top edges.
void Menu_DrawWindowBorder(HWND window, TColor color1, TColor color2);
// The platform's menu font in the system menu-text colour; unchanged when
// the platform does not tell.
void Menu_GetSystemFont(TFont* font);
