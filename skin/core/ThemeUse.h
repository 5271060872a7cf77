#pragma once
// The style contract of skinned components. Each publishes UIStyle and
// FileTheme (a TsuiFileTheme on its form, not owned) and reads every element
// of its look through one TThemeReader (ThemeReader.h), which asks
// UsingFileTheme once whether the file theme or a built-in style answers:
//
//   const TThemeReader theme(FileTheme(), UIStyle());
//   const int top = theme.Int(TitleBarButtonTopInt);
//
// Its FileTheme setter stores the reference and runs the UIStyle setter
// again; on the removal of its file theme (Notification) it sets FileTheme
// to null and UIStyle to DeepBlue.

#include "skin/core/UIStyle.h"

class TsuiFileTheme;
class TWinControl;

// Where a component's look comes from.
struct TThemeSource {
    bool FromFile = false;         // read the file theme's values
    TsuiUIStyle Style = DeepBlue;  // otherwise the built-in values of this style
};

// An explicit built-in style wins. FromThemeFile reads the file theme when
// there is a usable one and falls back to DeepBlue otherwise (Style then
// reads DeepBlue while the component's UIStyle stays FromThemeFile).
[[nodiscard]] TThemeSource UsingFileTheme(const TsuiFileTheme* fileTheme, TsuiUIStyle style);

// Hands a style and a file theme on to the container's direct child
// controls in index order (not recursively, not the components it owns):
// each child that publishes both FileTheme and UIStyle gets its FileTheme
// and then its UIStyle set by name, so that its own setters run. Others are
// left alone. A null container does nothing.
void ContainerApplyUIStyle(TWinControl* container, TsuiUIStyle style, TsuiFileTheme* fileTheme);
