// The look table. A built-in look lists only what the pictures alone need;
// its theme fields come from the skin's built-in theme table.

#include "platform/core/Exception.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "tools/skinart/Look.h"

#include <string>

namespace {

[[nodiscard]] Keying KeyingOf(bool transparent)
{
    return transparent ? Keying::Keyed : Keying::Opaque;
}

// Completes a built-in look with the values the skin reads for its style.
[[nodiscard]] Look FromThemeTable(Look look)
{
    using namespace SuiThemeId;
    const TsuiUIStyle s = look.Style;
    look.SizeColumn = int(s) - int(MacOS);
    look.Background = GetInsideThemeColor(s, FormBackgroundColor);
    look.Border = GetInsideThemeColor(s, FormBorderColor);
    look.BorderWidth = GetInsideThemeInt(s, FormBorderWidthInt);
    look.ControlBorder = GetInsideThemeColor(s, ControlBorderColor);
    look.Accent = GetInsideThemeColor(s, MenuSelectedBorderColor);
    look.Track = GetInsideThemeColor(s, ScrollBarBackgroundColor);
    look.ButtonKeying = KeyingOf(GetInsideThemeBool(s, ButtonTransparentBool));
    look.Title.ButtonTop = GetInsideThemeInt(s, TitleBarButtonTopInt);
    look.Title.LeftOffset = GetInsideThemeInt(s, TitleBarButtonLeftOffsetInt);
    look.Title.RightOffset = GetInsideThemeInt(s, TitleBarButtonRightOffsetInt);
    look.Title.ButtonKeying = KeyingOf(GetInsideThemeBool(s, TitleBarButtonTransparentBool));
    look.Title.RoundCorner = GetInsideThemeInt(s, FormRoundCornerInt);
    return look;
}

// Light grey with fine horizontal lines; dark text on light chrome.
Look MacOSLook()
{
    return FromThemeTable({
        .Name = "MacOS",
        .Style = MacOS,
        .Face = RGB(232, 232, 234),
        .Edge = RGB(128, 130, 136),
        .Mark = RGB(38, 40, 46),
        .Thumb = RGB(96, 140, 204),
        .Progress = RGB(72, 128, 206),
        .PanelTop = RGB(246, 246, 246),
        .PanelBottom = RGB(212, 212, 214),
        .Shading = Finish::Soft,
        .Radius = 11,
        .Tile = BackgroundTile::Pinstripe,
        .Title = {.Rows = {{0, RGB(252, 252, 252)}, {22, RGB(206, 206, 208)}, {22, RGB(140, 140, 144)}},
                  .Stripe = 0.035,
                  .Ornament = TitleOrnament::None,
                  .Knob = KnobShape::Plate,
                  .KnobColor = RGB(226, 226, 230),
                  .GlyphColor = RGB(64, 66, 72),
                  .CloseColor = RGB(214, 84, 70),
                  .Close = CloseLook::LitOnHover},
    });
}

// A bright blue bar with rounded top corners on a warm light body.
Look WinXPLook()
{
    return FromThemeTable({
        .Name = "WinXP",
        .Style = WinXP,
        .Face = RGB(244, 242, 232),
        .Edge = RGB(28, 70, 140),
        .Mark = RGB(30, 86, 200),
        .Thumb = RGB(150, 182, 246),
        .Progress = RGB(60, 184, 74),
        .PanelTop = RGB(255, 255, 255),
        .PanelBottom = RGB(196, 212, 242),
        .Shading = Finish::Soft,
        .Radius = 3,
        .Tile = BackgroundTile::Plain,
        .Title = {.Rows = {{0, RGB(104, 164, 255)},
                           {3, RGB(36, 112, 246)},
                           {14, RGB(12, 88, 232)},
                           {25, RGB(4, 72, 214)},
                           {29, RGB(0, 48, 170)}},
                  .Ornament = TitleOrnament::Rim,
                  .OrnamentColor = RGB(150, 196, 255),
                  .Knob = KnobShape::Plate,
                  .KnobColor = RGB(44, 118, 246),
                  .GlyphColor = clWhite,
                  .CloseColor = RGB(222, 86, 48),
                  .Close = CloseLook::LitAlways},
    });
}

// A deep navy bar over a steel-blue band; the fallback style.
Look DeepBlueLook()
{
    return FromThemeTable({
        .Name = "DeepBlue",
        .Style = DeepBlue,
        .Face = RGB(222, 228, 242),
        .Edge = RGB(34, 50, 108),
        .Mark = RGB(22, 36, 96),
        .Thumb = RGB(62, 84, 164),
        .Progress = RGB(52, 78, 172),
        .PanelTop = RGB(72, 92, 172),
        .PanelBottom = RGB(24, 38, 98),
        .Shading = Finish::Soft,
        .Radius = 2,
        .Tile = BackgroundTile::Plain,
        .Title = {.Rows = {{0, RGB(92, 112, 186)},
                           {1, RGB(44, 62, 136)},
                           {22, RGB(14, 24, 74)},
                           {22, RGB(6, 10, 40)},
                           {23, RGB(6, 10, 40)},
                           {23, RGB(104, 122, 178)},
                           {32, RGB(176, 186, 212)}},
                  .Ornament = TitleOrnament::Glow,
                  .OrnamentColor = RGB(130, 156, 240),
                  .Knob = KnobShape::Plate,
                  .KnobColor = RGB(50, 70, 150),
                  .GlyphColor = clWhite,
                  .CloseColor = RGB(196, 48, 52),
                  .Close = CloseLook::LitOnHover},
    });
}

// Plain: flat faces, a flat slate bar, a nearly white body.
Look ProteinLook()
{
    return FromThemeTable({
        .Name = "Protein",
        .Style = Protein,
        .Face = RGB(255, 255, 255),
        .Edge = RGB(146, 148, 166),
        .Mark = RGB(45, 48, 196),
        .Thumb = RGB(172, 176, 212),
        .Progress = RGB(45, 48, 196),
        .PanelTop = RGB(104, 108, 136),
        .PanelBottom = RGB(104, 108, 136),
        .Shading = Finish::Flat,
        .Radius = 1,
        .Tile = BackgroundTile::Dots,
        .Title = {.Rows = {{0, RGB(132, 136, 160)},
                           {1, RGB(90, 94, 122)},
                           {22, RGB(90, 94, 122)},
                           {22, RGB(54, 56, 76)}},
                  .Ornament = TitleOrnament::AccentTab,
                  .OrnamentColor = RGB(45, 48, 196),
                  .Knob = KnobShape::Bare,
                  .KnobColor = RGB(124, 128, 156),
                  .GlyphColor = clWhite,
                  .CloseColor = RGB(204, 62, 62),
                  .Close = CloseLook::LitOnHover},
    });
}

// Glassy blue: bright upper halves, round glass buttons.
Look BlueGlassLook()
{
    return FromThemeTable({
        .Name = "BlueGlass",
        .Style = BlueGlass,
        .Face = RGB(160, 198, 248),
        .Edge = RGB(40, 82, 164),
        .Mark = RGB(24, 60, 150),
        .Thumb = RGB(84, 138, 230),
        .Progress = RGB(66, 128, 232),
        .PanelTop = RGB(128, 176, 244),
        .PanelBottom = RGB(38, 92, 200),
        .Shading = Finish::Glass,
        .Radius = 8,
        .Tile = BackgroundTile::Plain,
        .Title = {.Rows = {{0, RGB(170, 208, 252)},
                           {16, RGB(96, 154, 236)},
                           {16, RGB(34, 92, 204)},
                           {33, RGB(76, 140, 232)}},
                  .Ornament = TitleOrnament::Sheen,
                  .OrnamentColor = clWhite,
                  .Knob = KnobShape::Orb,
                  .KnobColor = RGB(58, 118, 222),
                  .GlyphColor = clWhite,
                  .CloseColor = RGB(218, 70, 58),
                  .Close = CloseLook::LitAlways},
    });
}

// Sample theme: warm amber chrome on a cream body, rounded faces.
Look AmberLook()
{
    return {
        .Name = "Amber",
        .SizeColumn = 2,
        .Background = RGB(246, 238, 222),
        .Border = RGB(112, 62, 20),
        .ControlBorder = RGB(150, 100, 52),
        .Accent = RGB(226, 132, 28),
        .Face = RGB(252, 224, 176),
        .Edge = RGB(158, 94, 30),
        .Mark = RGB(120, 58, 10),
        .Thumb = RGB(232, 148, 50),
        .Track = RGB(249, 243, 232),
        .Progress = RGB(238, 148, 32),
        .PanelTop = RGB(236, 160, 70),
        .PanelBottom = RGB(176, 92, 24),
        .Shading = Finish::Soft,
        .Radius = 9,
        .ButtonKeying = Keying::Keyed,
        .Tile = BackgroundTile::Plain,
        .Title = {.Rows = {{0, RGB(252, 196, 100)},
                           {1, RGB(236, 156, 56)},
                           {30, RGB(172, 86, 22)},
                           {30, RGB(118, 58, 14)}},
                  .Ornament = TitleOrnament::Glow,
                  .OrnamentColor = RGB(255, 226, 150),
                  .Knob = KnobShape::Orb,
                  .KnobColor = RGB(204, 112, 30),
                  .GlyphColor = clWhite,
                  .CloseColor = RGB(198, 50, 40),
                  .Close = CloseLook::LitOnHover,
                  .ButtonTop = 6,
                  .LeftOffset = 3,
                  .RightOffset = -3,
                  .ButtonKeying = Keying::Keyed,
                  .RoundCorner = 9},
    };
}

// Sample theme: dark charcoal chrome with a cyan accent on a cool grey body.
Look GraphiteLook()
{
    return {
        .Name = "Graphite",
        .SizeColumn = 2,
        .Background = RGB(208, 210, 214),
        .Border = RGB(36, 38, 42),
        .BorderWidth = 2,
        .ControlBorder = RGB(70, 72, 78),
        .Accent = RGB(64, 160, 206),
        .Face = RGB(226, 228, 232),
        .Edge = RGB(66, 68, 76),
        .Mark = RGB(34, 36, 42),
        .Thumb = RGB(92, 96, 106),
        .Track = RGB(188, 190, 196),
        .Progress = RGB(64, 160, 206),
        .PanelTop = RGB(74, 77, 84),
        .PanelBottom = RGB(44, 46, 52),
        .Shading = Finish::Flat,
        .Radius = 2,
        .ButtonKeying = Keying::Opaque,
        .Tile = BackgroundTile::Plain,
        .Title = {.Rows = {{0, RGB(84, 87, 94)},
                           {1, RGB(60, 62, 68)},
                           {29, RGB(34, 36, 40)},
                           {29, RGB(64, 160, 206)}},
                  .Ornament = TitleOrnament::None,
                  .Knob = KnobShape::Plate,
                  .KnobColor = RGB(72, 75, 82),
                  .GlyphColor = RGB(226, 229, 234),
                  .CloseColor = RGB(196, 58, 52),
                  .Close = CloseLook::LitOnHover,
                  .ButtonTop = 6,
                  .LeftOffset = 2,
                  .RightOffset = -2,
                  .ButtonKeying = Keying::Opaque,
                  .RoundCorner = 0},
    };
}

}  // namespace

const std::vector<Look>& BuiltInLooks()
{
    static const std::vector<Look> looks = {MacOSLook(), WinXPLook(), DeepBlueLook(), ProteinLook(),
                                            BlueGlassLook()};
    return looks;
}

const std::vector<Look>& SampleLooks()
{
    static const std::vector<Look> looks = {AmberLook(), GraphiteLook()};
    return looks;
}

const Look& LookNamed(std::string_view name)
{
    for (const auto* list : {&BuiltInLooks(), &SampleLooks()}) {
        for (const Look& look : *list) {
            if (look.Name == name) return look;
        }
    }
    throw EInvalidOperation("No look named " + std::string(name));
}
