#include "tools/skinart/Catalog.h"

#include "platform/core/Exception.h"
#include "skin/core/InsideThemeTables.h"
#include "tools/skinart/ButtonArt.h"
#include "tools/skinart/CheckArt.h"
#include "tools/skinart/MenuArt.h"
#include "tools/skinart/MessageIconArt.h"
#include "tools/skinart/MiscArt.h"
#include "tools/skinart/ProgressArt.h"
#include "tools/skinart/ScrollBarArt.h"
#include "tools/skinart/SideChannelArt.h"
#include "tools/skinart/TabArt.h"
#include "tools/skinart/TitleBarArt.h"
#include "tools/skinart/TrackBarArt.h"

#include <algorithm>

namespace {

// Sizes in the styles' order: MacOS, WinXP, DeepBlue, Protein, BlueGlass.
const BitmapElement kElements[] = {
    {SuiThemeId::ButtonImage, {{{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}}, DrawButtonStrip},
    {SuiThemeId::CheckBoxImage, {{{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}, DrawCheckBoxStrip},
    {SuiThemeId::RadioButtonImage, {{{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}, DrawRadioStrip},
    {SuiThemeId::TitleBarButtonImage, {{{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}}, DrawTitleButtons},
    {SuiThemeId::TitleBarLeftImage, {{{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}}, DrawTitleLeft},
    {SuiThemeId::TitleBarClientImage, {{{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}}, DrawTitleClient},
    {SuiThemeId::TitleBarRightImage, {{{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}}, DrawTitleRight},
    {SuiThemeId::ProgressBarImage, {{{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}}, DrawProgress},
    {SuiThemeId::TrackBarBarImage, {{{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}}, DrawTrackBar},
    {SuiThemeId::TrackBarSliderImage, {{{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}}, DrawTrackSlider},
    {SuiThemeId::TrackBarSliderVImage, {{{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
     DrawTrackSliderV},
    {SuiThemeId::ScrollBarButtonImage, {{{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
     DrawScrollArrows},
    {SuiThemeId::ScrollBarSliderImage, {{{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}}, DrawScrollSlider},
    {SuiThemeId::CheckListBoxImage, {{{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}}, DrawCheckBoxStrip},
    {SuiThemeId::ScrollButtonImage, {{{72, 18}, {72, 18}, {72, 17}, {72, 17}, {72, 17}}}, DrawScrollButtons},
    {SuiThemeId::TabControlTabImage, {{{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}}, DrawTab},
    {SuiThemeId::TabControlBarImage, {{{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}}, DrawTabLine},
    {SuiThemeId::SideChannelHandleImage, {{{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
     DrawSideChannelHandle},
    {SuiThemeId::SideChannelBarImage, {{{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}}, DrawSideChannelBar},
};

// Skin bitmaps outside the element table, each in the look that uses it.
// Those every style uses are drawn in the fallback look.
struct ExtraPicture {
    std::string_view Name;
    TSize Size;
    std::string_view LookName;
    ArtPainter Paint;
};
constexpr std::string_view kFallbackLook = "DeepBlue";
constexpr ExtraPicture kExtras[] = {
    {"MACOS_COMBOBOX_BUTTON", {16, 17}, "MacOS", DrawComboButtonPlain},
    {"WINXP_COMBOBOX_BUTTON", {16, 18}, "WinXP", DrawComboButtonArrow},
    {"MACOS_FORM_BACKGROUND", {8, 8}, "MacOS", DrawFormBackground},
    {"PROTEIN_FORM_BACKGROUND", {8, 8}, "Protein", DrawFormBackground},
    {"MACOS_MENU_BAR", {1, 22}, "MacOS", DrawMenuBar},
    {"MACOS_MENU_SELECT", {1, 21}, "MacOS", DrawMenuSelect},
    {"MDI_CONTROL_BUTTON", {48, 16}, kFallbackLook, DrawMdiButtons},
    {"MENU_CHECKED", {16, 16}, kFallbackLook, DrawMenuCheck},
    {"MSGDLG", {168, 42}, kFallbackLook, DrawMessageIcons},
    {"PANEL_BUTTON", {52, 12}, kFallbackLook, DrawPanelButton},
    {"DBNAV_BUTTON", {160, 16}, kFallbackLook, DrawNavigatorButtons},
    {"SIDECHANNEL_BTN", {7, 9}, kFallbackLook, DrawSideChannelButton},
    {"STATUSBAR_HANDLE", {11, 11}, kFallbackLook, DrawSizeGrip},
    {"FONTCOMBO_DEVICE_FNT", {20, 12}, kFallbackLook, DrawDeviceFontMark},
    {"FONTCOMBO_TRUETYPE_FNT", {20, 12}, kFallbackLook, DrawTrueTypeFontMark},
};

constexpr TSize kMainIconSize{32, 32};  // pixels

}  // namespace

PixelBuffer ArtPiece::Render() const
{
    return Paint(*Style, Size);
}

std::span<const BitmapElement> BitmapElements()
{
    return kElements;
}

const BitmapElement& BitmapElementByKey(std::string_view key)
{
    for (const BitmapElement& element : kElements) {
        if (element.Key() == key) return element;
    }
    throw EInvalidOperation("No bitmap element " + std::string(key));
}

std::string ResourceNameOf(const BitmapElement& element, const Look& look)
{
    const TInsideValue value = LookupInsideTheme(look.Style, element.Id);
    if (value.Kind != TThemeElementKind::Bitmap) {
        throw EInvalidOperation("No built-in picture of " + std::string(element.Key()) + " in " + std::string(look.Name));
    }
    return std::string(value.Resource);
}

std::string_view BitmapElement::Key() const
{
    return ThemeElementKey(Id);
}

std::vector<ArtPiece> BuiltInPieces()
{
    std::vector<ArtPiece> pieces;
    const auto known = [&](const std::string& name) {
        return std::any_of(pieces.begin(), pieces.end(), [&](const ArtPiece& p) { return p.Name == name; });
    };
    for (const Look& look : BuiltInLooks()) {
        for (const BitmapElement& element : kElements) {
            std::string name = ResourceNameOf(element, look);
            if (known(name)) continue;  // shared, drawn with the first style that has it
            pieces.push_back({std::move(name), element.Sizes[std::size_t(look.SizeColumn)], &look, element.Paint});
        }
    }
    for (const ExtraPicture& extra : kExtras) {
        pieces.push_back({std::string(extra.Name), extra.Size, &LookNamed(extra.LookName), extra.Paint});
    }
    return pieces;
}

ArtPiece MainIconPiece()
{
    return {"MAINICON", kMainIconSize, &LookNamed(kFallbackLook), DrawMainIcon};
}

std::vector<ArtPiece> ElementPieces(const Look& look)
{
    std::vector<ArtPiece> pieces;
    for (const BitmapElement& element : kElements) {
        pieces.push_back({std::string(element.Key()), element.Sizes[std::size_t(look.SizeColumn)], &look, element.Paint});
    }
    return pieces;
}
