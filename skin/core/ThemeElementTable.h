#pragma once
// The theme elements' key names and kinds as one constexpr table, for the
// code of this folder that checks its own tables against it at compile time.

#include "skin/core/ThemeElements.h"

#include <array>

namespace SuiThemeDetail {

struct ElementInfo {
    int Id;
    std::string_view Key;
    TThemeElementKind Kind;
};

// The key is spelt from the id constant's name, so the two cannot drift apart.
#define QZ_THEME_ELEMENT(Key, Kind) ElementInfo{SuiThemeId::Key, #Key, TThemeElementKind::Kind}

inline constexpr std::array<ElementInfo, kThemeElementCount> kElements{{
    QZ_THEME_ELEMENT(ButtonImage, Bitmap),
    QZ_THEME_ELEMENT(ButtonTransparentBool, Bool),
    QZ_THEME_ELEMENT(CheckBoxImage, Bitmap),
    QZ_THEME_ELEMENT(RadioButtonImage, Bitmap),
    QZ_THEME_ELEMENT(TitleBarButtonImage, Bitmap),
    QZ_THEME_ELEMENT(TitleBarButtonTransparentBool, Bool),
    QZ_THEME_ELEMENT(TitleBarButtonLeftOffsetInt, Integer),
    QZ_THEME_ELEMENT(TitleBarButtonRightOffsetInt, Integer),
    QZ_THEME_ELEMENT(TitleBarButtonTopInt, Integer),
    QZ_THEME_ELEMENT(TitleBarLeftImage, Bitmap),
    QZ_THEME_ELEMENT(TitleBarClientImage, Bitmap),
    QZ_THEME_ELEMENT(TitleBarRightImage, Bitmap),
    QZ_THEME_ELEMENT(FormMinWidthInt, Integer),
    QZ_THEME_ELEMENT(FormRoundCornerInt, Integer),
    QZ_THEME_ELEMENT(FormBackgroundColor, Color),
    QZ_THEME_ELEMENT(FormBorderColor, Color),
    QZ_THEME_ELEMENT(FormBorderWidthInt, Integer),
    QZ_THEME_ELEMENT(MenuSelectedBorderColor, Color),
    QZ_THEME_ELEMENT(MenuSelectedBackgroundColor, Color),
    QZ_THEME_ELEMENT(MenuSelectedFontColor, Color),
    QZ_THEME_ELEMENT(MenuBackgroundColor, Color),
    QZ_THEME_ELEMENT(MenuFontColor, Color),
    QZ_THEME_ELEMENT(MenuBarColor, Color),
    QZ_THEME_ELEMENT(ProgressBarImage, Bitmap),
    QZ_THEME_ELEMENT(ControlBorderColor, Color),
    QZ_THEME_ELEMENT(ControlBackgroundColor, Color),
    QZ_THEME_ELEMENT(ControlFontColor, Color),
    QZ_THEME_ELEMENT(TrackBarBarImage, Bitmap),
    QZ_THEME_ELEMENT(TrackBarSliderImage, Bitmap),
    QZ_THEME_ELEMENT(TrackBarSliderVImage, Bitmap),
    QZ_THEME_ELEMENT(ScrollBarBackgroundColor, Color),
    QZ_THEME_ELEMENT(ScrollBarButtonImage, Bitmap),
    QZ_THEME_ELEMENT(ScrollBarSliderImage, Bitmap),
    QZ_THEME_ELEMENT(CheckListBoxImage, Bitmap),
    QZ_THEME_ELEMENT(ToolBarButtonBorderColor, Color),
    QZ_THEME_ELEMENT(ToolBarButtonBackgroundColor, Color),
    QZ_THEME_ELEMENT(ToolBarButtonDownBackgroundColor, Color),
    QZ_THEME_ELEMENT(ScrollButtonImage, Bitmap),
    QZ_THEME_ELEMENT(TabControlTabImage, Bitmap),
    QZ_THEME_ELEMENT(TabControlBarImage, Bitmap),
    QZ_THEME_ELEMENT(SideChannelHandleImage, Bitmap),
    QZ_THEME_ELEMENT(SideChannelBarImage, Bitmap),
}};

#undef QZ_THEME_ELEMENT

}  // namespace SuiThemeDetail
