#pragma once
// A look: the colours and shapes from which every picture of one style is
// drawn. The five built-in styles and the two sample themes are each one
// entry of the look table (Look.cpp); the drawing code reads only these
// fields, so a style is its data, never a branch in the drawing code.
//
// The fields marked "theme" are values the skin itself reads too. For a
// built-in look they are taken from the skin's built-in theme table, so that
// the pictures and the skin cannot disagree; a sample theme sets its own
// and writes them into its theme file.

#include "platform/core/Color.h"
#include "skin/core/UIStyle.h"
#include "tools/skinart/Gradient.h"

#include <string_view>
#include <vector>

// How raised faces are shaded.
enum class Finish {
    Flat,   // one colour
    Soft,   // light at the top, the base colour at the bottom
    Glass,  // a bright upper half over a deeper lower half
};

// Whether the pixels around a picture's figure are the key colour (drawn
// transparent by the skin) or the background the picture sits on.
enum class Keying { Opaque, Keyed };

// Decoration of the title bar's left piece.
enum class TitleOrnament {
    None,
    Glow,       // a soft light behind the control box
    Sheen,      // a glassy highlight over the upper half
    AccentTab,  // a block of the accent colour behind the control box
    Rim,        // a light rim along rounded top corners
};

// The plate behind a title-bar button's glyph.
enum class KnobShape {
    Plate,  // a rounded square
    Orb,    // a round, glassy button
    Bare,   // the glyph alone; hovering and pressing show a plate
};

enum class CloseLook { LitOnHover, LitAlways };

// The 8 x 8 tile the skinned form paints its background with.
enum class BackgroundTile { Plain, Pinstripe, Dots };

struct TitleLook {
    std::vector<Gradient::Stop> Rows;  // colours down the bar, from its top edge
    double Stripe = 0;                 // odd rows darkened by this much (0..1)
    TitleOrnament Ornament = TitleOrnament::None;
    TColor OrnamentColor = clWhite;
    KnobShape Knob = KnobShape::Plate;
    TColor KnobColor = clGray;
    TColor GlyphColor = clWhite;
    TColor CloseColor = clRed;
    CloseLook Close = CloseLook::LitOnHover;
    int ButtonTop = 0;       // theme: pixels from the bar's top to the buttons
    int LeftOffset = 0;      // theme: x of the control box
    int RightOffset = 0;     // theme: shift of the right-hand button row
    Keying ButtonKeying = Keying::Opaque;  // theme
    int RoundCorner = 0;     // theme: diameter of the window's rounded top corners
};

struct Look {
    std::string_view Name;               // "DeepBlue"
    TsuiUIStyle Style = FromThemeFile;   // the built-in style, FromThemeFile for a sample theme
    int SizeColumn = 0;                  // column of the element size table its pictures take (the style's)

    TColor Background = clSilver;  // theme: the form's background
    TColor Border = clBlack;       // theme: the form's border
    int BorderWidth = 1;           // theme: pixels
    TColor ControlBorder = clBlack;  // theme
    TColor Accent = clNavy;        // theme: selection and highlight colour
    TColor Face = clSilver;        // raised faces of buttons
    TColor Edge = clGray;          // outlines of faces
    TColor Mark = clBlack;         // check marks, arrows, dots
    TColor Thumb = clGray;         // scroll-bar and track-bar sliders
    TColor Track = clSilver;       // theme: scroll-bar background
    TColor Progress = clNavy;      // progress-bar fill
    TColor PanelTop = clNavy;      // the image panel's title strip
    TColor PanelBottom = clNavy;
    Finish Shading = Finish::Soft;
    int Radius = 2;                // corner radius of faces, pixels
    Keying ButtonKeying = Keying::Opaque;  // theme
    BackgroundTile Tile = BackgroundTile::Plain;
    TitleLook Title;
};

inline constexpr TColor kKeyColor = clFuchsia;
inline constexpr int kBuiltInLookCount = 5;

// MacOS, WinXP, DeepBlue, Protein, BlueGlass, in the styles' order.
[[nodiscard]] const std::vector<Look>& BuiltInLooks();
// The two sample themes, Amber and Graphite; they take DeepBlue's sizes.
[[nodiscard]] const std::vector<Look>& SampleLooks();
// A look of either list by name; throws EInvalidOperation for an unknown one.
[[nodiscard]] const Look& LookNamed(std::string_view name);
