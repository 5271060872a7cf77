#pragma once
// Where everything of a title bar goes, as one pure function of its size,
// its sections, its buttons and its offsets: painting draws these boxes and
// the mouse handling finds the button under the pointer in the same ones,
// so the two never disagree.
//
// Sections: left ones packed from x 0, right ones from the right edge (a
// right section is skipped when W - L + 1 < its width, L being the left
// sections' width so far), the client section stretched over what is left.
// Buttons: the control box at LeftBtnXOffset; every other visible button
// laid out leftwards from W + RightBtnXOffset + 1, each taking its width
// + ButtonInterval + 1; hidden ones take no room. The caption starts after
// the control box (5 pixels after its picture, or 21 after LeftBtnXOffset
// with the application icon; x 6 when that comes to 0) and has up to the
// leftmost right-side button.

#include "platform/core/Rect.h"
#include "skin/frame/SUITitleBarTypes.h"

#include <span>
#include <string>
#include <vector>

struct TTitleSectionPiece {
    TsuiTitleBarAlign Align = suiLeft;
    int Width = 0;  // px
};

struct TTitleButtonPiece {
    TsuiTitleBarBtnType Type = suiCustom;
    bool Visible = true;
    TSize Size;   // px, of the button's normal picture
    int Top = 0;  // px
};

struct TTitleBarOptions {
    int LeftBtnXOffset = 0;   // px
    int RightBtnXOffset = 0;  // px
    int ButtonInterval = 0;   // px
    bool DrawAppIcon = false;
};

inline constexpr int kControlBoxCaptionGap = 5;  // px between the control box and the caption
inline constexpr int kAppIconIndent = 3;         // px from LeftBtnXOffset to the icon
inline constexpr int kAppIconCaptionStart = 21;  // px from LeftBtnXOffset to the caption, with the icon
inline constexpr int kBareCaptionStart = 6;      // px, a caption with nothing before it
inline constexpr int kAppIconSize = 16;          // px

struct TTitleBarLayout {
    // One box per section: empty for a skipped right section and for a
    // client section other than the one that is drawn.
    std::vector<TRect> Sections;
    // One box per button (edges included when hit, see InRect): empty for a
    // hidden button and for a control box other than the visible one.
    std::vector<TRect> Buttons;
    int ControlBox = -1;  // the visible control box's index (the last one wins)
    TPoint AppIcon;       // where the application icon goes, with DrawAppIcon
    int CaptionLeft = 0;  // px
    int CaptionRight = 0; // px, the leftmost right-side button's x

    // The button whose box holds p, as a paint finds it: the right-side
    // buttons in order, then the control box; -1 for none.
    [[nodiscard]] int ButtonAt(TPoint p) const;
};

[[nodiscard]] TTitleBarLayout LayoutTitleBar(TSize bar, std::span<const TTitleSectionPiece> sections,
                                             std::span<const TTitleButtonPiece> buttons,
                                             const TTitleBarOptions& options);

// The caption as drawn in room pixels: whole when its width fits, else its
// first two characters (whole UTF-8 characters) and "..."; an empty
// caption stays empty.
[[nodiscard]] std::string FittedCaption(const std::string& caption, int captionWidth, int room);
