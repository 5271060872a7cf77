#include "skin/core/InsideThemeTables.h"

#include "skin/core/ThemeElementTable.h"

#include <array>

namespace {

using TInsideTable = std::array<TInsideValue, kThemeElementCount>;

constexpr TInsideValue Int(std::int32_t value)
{
    return {TThemeElementKind::Integer, value, {}};
}
constexpr TInsideValue Clr(std::uint32_t bgr)
{
    return {TThemeElementKind::Color, std::int32_t(bgr), {}};
}
constexpr TInsideValue Bool(bool value)
{
    return {TThemeElementKind::Bool, value ? 1 : 0, {}};
}
constexpr TInsideValue Bmp(std::string_view resource)
{
    return {TThemeElementKind::Bitmap, 0, resource};
}

// clang-format off
constexpr TInsideTable kMacOS{{
    Bmp("MACOS_BUTTON"),  // 1 ButtonImage
    Bool(true),  // 2 ButtonTransparentBool
    Bmp("MACOS_CHECKBOX"),  // 3 CheckBoxImage
    Bmp("MACOS_RADIOBUTTON"),  // 4 RadioButtonImage
    Bmp("MACOS_TITLEBTN"),  // 5 TitleBarButtonImage
    Bool(false),  // 6 TitleBarButtonTransparentBool
    Int(3),  // 7 TitleBarButtonLeftOffsetInt
    Int(-2),  // 8 TitleBarButtonRightOffsetInt
    Int(4),  // 9 TitleBarButtonTopInt
    Bmp("MACOS_TITLE_LEFT"),  // 10 TitleBarLeftImage
    Bmp("MACOS_TITLE_CLIENT"),  // 11 TitleBarClientImage
    Bmp("MACOS_TITLE_RIGHT"),  // 12 TitleBarRightImage
    Int(130),  // 13 FormMinWidthInt
    Int(0),  // 14 FormRoundCornerInt
    Clr(0xE7E7E7),  // 15 FormBackgroundColor
    Clr(0x7F7F7F),  // 16 FormBorderColor
    Int(1),  // 17 FormBorderWidthInt
    Clr(0xC47339),  // 18 MenuSelectedBorderColor
    Clr(0xC47339),  // 19 MenuSelectedBackgroundColor
    Clr(0xFFFFFF),  // 20 MenuSelectedFontColor
    Clr(0x000000),  // 21 MenuBackgroundColor
    Clr(0x000000),  // 22 MenuFontColor
    Clr(0x000000),  // 23 MenuBarColor
    Bmp("MACOS_PROGRESSBAR"),  // 24 ProgressBarImage
    Clr(0x7F7F7F),  // 25 ControlBorderColor
    Clr(0xE7E7E7),  // 26 ControlBackgroundColor
    Clr(0x000000),  // 27 ControlFontColor
    Bmp("MACOS_TRACKBAR_BAR"),  // 28 TrackBarBarImage
    Bmp("MACOS_TRACKBAR_SLIDER"),  // 29 TrackBarSliderImage
    Bmp("MACOS_TRACKBAR_SLIDER_V"),  // 30 TrackBarSliderVImage
    Clr(0xC9C9C9),  // 31 ScrollBarBackgroundColor
    Bmp("MACOS_SCROLLBAR_BUTTON"),  // 32 ScrollBarButtonImage
    Bmp("MACOS_SCROLLBAR_TRACK"),  // 33 ScrollBarSliderImage
    Bmp("MACOS_CHECKLIST"),  // 34 CheckListBoxImage
    Clr(0x474747),  // 35 ToolBarButtonBorderColor
    Clr(0xEFEFEF),  // 36 ToolBarButtonBackgroundColor
    Clr(0xD8D8D8),  // 37 ToolBarButtonDownBackgroundColor
    Bmp("MACOS_SCROLLBUTTON"),  // 38 ScrollButtonImage
    Bmp("MACOS_TAB"),  // 39 TabControlTabImage
    Bmp("MACOS_TAB_LINE"),  // 40 TabControlBarImage
    Bmp("MACOS_SIDECHENNEL_HANDLE"),  // 41 SideChannelHandleImage
    Bmp("MACOS_SIDECHENNEL_BAR"),  // 42 SideChannelBarImage
}};

constexpr TInsideTable kWinXP{{
    Bmp("WINXP_BUTTON"),  // 1 ButtonImage
    Bool(false),  // 2 ButtonTransparentBool
    Bmp("WINXP_CHECKBOX"),  // 3 CheckBoxImage
    Bmp("WINXP_RADIOBUTTON"),  // 4 RadioButtonImage
    Bmp("WINXP_TITLEBTN"),  // 5 TitleBarButtonImage
    Bool(false),  // 6 TitleBarButtonTransparentBool
    Int(2),  // 7 TitleBarButtonLeftOffsetInt
    Int(-2),  // 8 TitleBarButtonRightOffsetInt
    Int(5),  // 9 TitleBarButtonTopInt
    Bmp("WINXP_TITLE_LEFT"),  // 10 TitleBarLeftImage
    Bmp("WINXP_TITLE_CLIENT"),  // 11 TitleBarClientImage
    Bmp("WINXP_TITLE_RIGHT"),  // 12 TitleBarRightImage
    Int(150),  // 13 FormMinWidthInt
    Int(13),  // 14 FormRoundCornerInt
    Clr(0xDEEBEF),  // 15 FormBackgroundColor
    Clr(0xC82C00),  // 16 FormBorderColor
    Int(3),  // 17 FormBorderWidthInt
    Clr(0xC66931),  // 18 MenuSelectedBorderColor
    Clr(0xEFD3C6),  // 19 MenuSelectedBackgroundColor
    Clr(0x000000),  // 20 MenuSelectedFontColor
    Clr(0xFFFFFF),  // 21 MenuBackgroundColor
    Clr(0x000000),  // 22 MenuFontColor
    Clr(0xCED3D6),  // 23 MenuBarColor
    Bmp("WINXP_PROGRESSBAR"),  // 24 ProgressBarImage
    Clr(0x686868),  // 25 ControlBorderColor
    Clr(0xDEEBEF),  // 26 ControlBackgroundColor
    Clr(0xCF4602),  // 27 ControlFontColor
    Bmp("WINXP_TRACKBAR_BAR"),  // 28 TrackBarBarImage
    Bmp("WINXP_TRACKBAR_SLIDER"),  // 29 TrackBarSliderImage
    Bmp("WINXP_TRACKBAR_SLIDER_V"),  // 30 TrackBarSliderVImage
    Clr(0xF9F9F9),  // 31 ScrollBarBackgroundColor
    Bmp("WINXP_SCROLLBAR_BUTTON"),  // 32 ScrollBarButtonImage
    Bmp("WINXP_SCROLLBAR_TRACK"),  // 33 ScrollBarSliderImage
    Bmp("WINXP_CHECKLIST"),  // 34 CheckListBoxImage
    Clr(0xC66931),  // 35 ToolBarButtonBorderColor
    Clr(0xEFD3C6),  // 36 ToolBarButtonBackgroundColor
    Clr(0xE1AC93),  // 37 ToolBarButtonDownBackgroundColor
    Bmp("WINXP_SCROLLBUTTON"),  // 38 ScrollButtonImage
    Bmp("WINXP_TAB"),  // 39 TabControlTabImage
    Bmp("WINXP_TAB_LINE"),  // 40 TabControlBarImage
    Bmp("WINXP_SIDECHENNEL_HANDLE"),  // 41 SideChannelHandleImage
    Bmp("WINXP_SIDECHENNEL_BAR"),  // 42 SideChannelBarImage
}};

constexpr TInsideTable kDeepBlue{{
    Bmp("DEEPBLUE_BUTTON"),  // 1 ButtonImage
    Bool(false),  // 2 ButtonTransparentBool
    Bmp("DEEPBLUE_CHECKBOX"),  // 3 CheckBoxImage
    Bmp("DEEPBLUE_RADIOBUTTON"),  // 4 RadioButtonImage
    Bmp("DEEPBLUE_TITLEBTN"),  // 5 TitleBarButtonImage
    Bool(false),  // 6 TitleBarButtonTransparentBool
    Int(0),  // 7 TitleBarButtonLeftOffsetInt
    Int(0),  // 8 TitleBarButtonRightOffsetInt
    Int(2),  // 9 TitleBarButtonTopInt
    Bmp("DEEPBLUE_TITLE_LEFT"),  // 10 TitleBarLeftImage
    Bmp("DEEPBLUE_TITLE_CLIENT"),  // 11 TitleBarClientImage
    Bmp("DEEPBLUE_TITLE_RIGHT"),  // 12 TitleBarRightImage
    Int(130),  // 13 FormMinWidthInt
    Int(0),  // 14 FormRoundCornerInt
    Clr(0xE8E8E8),  // 15 FormBackgroundColor
    Clr(0x000000),  // 16 FormBorderColor
    Int(1),  // 17 FormBorderWidthInt
    Clr(0xA04A44),  // 18 MenuSelectedBorderColor
    Clr(0xA04A44),  // 19 MenuSelectedBackgroundColor
    Clr(0xFFFFFF),  // 20 MenuSelectedFontColor
    Clr(0xFFFFFF),  // 21 MenuBackgroundColor
    Clr(0x000000),  // 22 MenuFontColor
    Clr(0xCED3D6),  // 23 MenuBarColor
    Bmp("DEEPBLUE_PROGRESSBAR"),  // 24 ProgressBarImage
    Clr(0x000000),  // 25 ControlBorderColor
    Clr(0xE8E8E8),  // 26 ControlBackgroundColor
    Clr(0x000000),  // 27 ControlFontColor
    Bmp("DEEPBLUE_TRACKBAR_BAR"),  // 28 TrackBarBarImage
    Bmp("DEEPBLUE_TRACKBAR_SLIDER"),  // 29 TrackBarSliderImage
    Bmp("DEEPBLUE_TRACKBAR_SLIDER_V"),  // 30 TrackBarSliderVImage
    Clr(0xF5F5F5),  // 31 ScrollBarBackgroundColor
    Bmp("DEEPBLUE_SCROLLBAR_BUTTON"),  // 32 ScrollBarButtonImage
    Bmp("DEEPBLUE_SCROLLBAR_TRACK"),  // 33 ScrollBarSliderImage
    Bmp("DEEPBLUE_CHECKLIST"),  // 34 CheckListBoxImage
    Clr(0x474747),  // 35 ToolBarButtonBorderColor
    Clr(0xEFEFEF),  // 36 ToolBarButtonBackgroundColor
    Clr(0xD8D8D8),  // 37 ToolBarButtonDownBackgroundColor
    Bmp("MORE_SCROLLBUTTON"),  // 38 ScrollButtonImage
    Bmp("DEEPBLUE_TAB"),  // 39 TabControlTabImage
    Bmp("DEEPBLUE_TAB_LINE"),  // 40 TabControlBarImage
    Bmp("DEEPBLUE_SIDECHENNEL_HANDLE"),  // 41 SideChannelHandleImage
    Bmp("DEEPBLUE_SIDECHENNEL_BAR"),  // 42 SideChannelBarImage
}};

constexpr TInsideTable kProtein{{
    Bmp("PROTEIN_BUTTON"),  // 1 ButtonImage
    Bool(false),  // 2 ButtonTransparentBool
    Bmp("PROTEIN_CHECKBOX"),  // 3 CheckBoxImage
    Bmp("PROTEIN_RADIOBUTTON"),  // 4 RadioButtonImage
    Bmp("PROTEIN_TITLEBTN"),  // 5 TitleBarButtonImage
    Bool(true),  // 6 TitleBarButtonTransparentBool
    Int(0),  // 7 TitleBarButtonLeftOffsetInt
    Int(0),  // 8 TitleBarButtonRightOffsetInt
    Int(2),  // 9 TitleBarButtonTopInt
    Bmp("PROTEIN_TITLE_LEFT"),  // 10 TitleBarLeftImage
    Bmp("PROTEIN_TITLE_CLIENT"),  // 11 TitleBarClientImage
    Bmp("PROTEIN_TITLE_RIGHT"),  // 12 TitleBarRightImage
    Int(130),  // 13 FormMinWidthInt
    Int(0),  // 14 FormRoundCornerInt
    Clr(0xFBFBFB),  // 15 FormBackgroundColor
    Clr(0x000000),  // 16 FormBorderColor
    Int(1),  // 17 FormBorderWidthInt
    Clr(0xC4302D),  // 18 MenuSelectedBorderColor
    Clr(0xC4302D),  // 19 MenuSelectedBackgroundColor
    Clr(0xFFFFFF),  // 20 MenuSelectedFontColor
    Clr(0xFFFFFF),  // 21 MenuBackgroundColor
    Clr(0x000000),  // 22 MenuFontColor
    Clr(0xCED3D6),  // 23 MenuBarColor
    Bmp("PROTEIN_PROGRESSBAR"),  // 24 ProgressBarImage
    Clr(0x000000),  // 25 ControlBorderColor
    Clr(0xFBFBFB),  // 26 ControlBackgroundColor
    Clr(0x000000),  // 27 ControlFontColor
    Bmp("PROTEIN_TRACKBAR_BAR"),  // 28 TrackBarBarImage
    Bmp("PROTEIN_TRACKBAR_SLIDER"),  // 29 TrackBarSliderImage
    Bmp("PROTEIN_TRACKBAR_SLIDER_V"),  // 30 TrackBarSliderVImage
    Clr(0xF5F5F5),  // 31 ScrollBarBackgroundColor
    Bmp("PROTEIN_SCROLLBAR_BUTTON"),  // 32 ScrollBarButtonImage
    Bmp("PROTEIN_SCROLLBAR_TRACK"),  // 33 ScrollBarSliderImage
    Bmp("PROTEIN_CHECKLIST"),  // 34 CheckListBoxImage
    Clr(0x474747),  // 35 ToolBarButtonBorderColor
    Clr(0xEFEFEF),  // 36 ToolBarButtonBackgroundColor
    Clr(0xD8D8D8),  // 37 ToolBarButtonDownBackgroundColor
    Bmp("MORE_SCROLLBUTTON"),  // 38 ScrollButtonImage
    Bmp("PROTEIN_TAB"),  // 39 TabControlTabImage
    Bmp("PROTEIN_TAB_LINE"),  // 40 TabControlBarImage
    Bmp("PROTEIN_SIDECHENNEL_HANDLE"),  // 41 SideChannelHandleImage
    Bmp("PROTEIN_SIDECHENNEL_BAR"),  // 42 SideChannelBarImage
}};

constexpr TInsideTable kBlueGlass{{
    Bmp("BLUEGLASS_BUTTON"),  // 1 ButtonImage
    Bool(true),  // 2 ButtonTransparentBool
    Bmp("BLUEGLASS_CHECKBOX"),  // 3 CheckBoxImage
    Bmp("BLUEGLASS_RADIOBUTTON"),  // 4 RadioButtonImage
    Bmp("BLUEGLASS_TITLEBTN"),  // 5 TitleBarButtonImage
    Bool(true),  // 6 TitleBarButtonTransparentBool
    Int(4),  // 7 TitleBarButtonLeftOffsetInt
    Int(-3),  // 8 TitleBarButtonRightOffsetInt
    Int(6),  // 9 TitleBarButtonTopInt
    Bmp("BLUEGLASS_TITLE_LEFT"),  // 10 TitleBarLeftImage
    Bmp("BLUEGLASS_TITLE_CLIENT"),  // 11 TitleBarClientImage
    Bmp("BLUEGLASS_TITLE_RIGHT"),  // 12 TitleBarRightImage
    Int(270),  // 13 FormMinWidthInt
    Int(11),  // 14 FormRoundCornerInt
    Clr(0xE7E7E7),  // 15 FormBackgroundColor
    Clr(0x000000),  // 16 FormBorderColor
    Int(1),  // 17 FormBorderWidthInt
    Clr(0xEC5E5E),  // 18 MenuSelectedBorderColor
    Clr(0xEC5E5E),  // 19 MenuSelectedBackgroundColor
    Clr(0xFFFFFF),  // 20 MenuSelectedFontColor
    Clr(0xE7E7E7),  // 21 MenuBackgroundColor
    Clr(0x000000),  // 22 MenuFontColor
    Clr(0xCED3D6),  // 23 MenuBarColor
    Bmp("BLUEGLASS_PROGRESSBAR"),  // 24 ProgressBarImage
    Clr(0x000000),  // 25 ControlBorderColor
    Clr(0xE7E7E7),  // 26 ControlBackgroundColor
    Clr(0x000000),  // 27 ControlFontColor
    Bmp("BLUEGLASS_TRACKBAR_BAR"),  // 28 TrackBarBarImage
    Bmp("BLUEGLASS_TRACKBAR_SLIDER"),  // 29 TrackBarSliderImage
    Bmp("BLUEGLASS_TRACKBAR_SLIDER_V"),  // 30 TrackBarSliderVImage
    Clr(0xF4F4F4),  // 31 ScrollBarBackgroundColor
    Bmp("BLUEGLASS_SCROLLBAR_BUTTON"),  // 32 ScrollBarButtonImage
    Bmp("BLUEGLASS_SCROLLBAR_TRACK"),  // 33 ScrollBarSliderImage
    Bmp("BLUEGLASS_CHECKLIST"),  // 34 CheckListBoxImage
    Clr(0x474747),  // 35 ToolBarButtonBorderColor
    Clr(0xEFEFEF),  // 36 ToolBarButtonBackgroundColor
    Clr(0xD8D8D8),  // 37 ToolBarButtonDownBackgroundColor
    Bmp("MORE_SCROLLBUTTON"),  // 38 ScrollButtonImage
    Bmp("BLUEGLASS_TAB"),  // 39 TabControlTabImage
    Bmp("BLUEGLASS_TAB_LINE"),  // 40 TabControlBarImage
    Bmp("BLUEGLASS_SIDECHENNEL_HANDLE"),  // 41 SideChannelHandleImage
    Bmp("BLUEGLASS_SIDECHENNEL_BAR"),  // 42 SideChannelBarImage
}};
// clang-format on

// Every table must give each element a value of the element's kind.
constexpr bool KindsMatch(const TInsideTable& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].Kind != SuiThemeDetail::kElements[i].Kind) return false;
    }
    return true;
}
static_assert(KindsMatch(kMacOS), "MacOS values must match the element kinds");
static_assert(KindsMatch(kWinXP), "WinXP values must match the element kinds");
static_assert(KindsMatch(kDeepBlue), "DeepBlue values must match the element kinds");
static_assert(KindsMatch(kProtein), "Protein values must match the element kinds");
static_assert(KindsMatch(kBlueGlass), "BlueGlass values must match the element kinds");

const TInsideTable* TableOf(TsuiUIStyle style)
{
    switch (style) {
    case MacOS: return &kMacOS;
    case WinXP: return &kWinXP;
    case DeepBlue: return &kDeepBlue;
    case Protein: return &kProtein;
    case BlueGlass: return &kBlueGlass;
    case FromThemeFile: return nullptr;
    }
    return nullptr;
}

}  // namespace

TInsideValue LookupInsideTheme(TsuiUIStyle style, int id)
{
    const TInsideTable* table = TableOf(style);
    if (!table || id < 1 || id > kThemeElementCount) return {};
    return (*table)[std::size_t(id - 1)];
}
