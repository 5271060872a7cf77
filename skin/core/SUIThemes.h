#pragma once
// The built-in theme values of the five built-in styles, read by element id
// (ThemeElements.h), and the style a new skinned component starts with.
//
// Each getter answers only for elements of its own kind and gives a fixed
// default otherwise: Int -1, Color 0 (black), Bool false, Bitmap leaves
// the bitmap alone. FromThemeFile has no built-in values, so it always
// gets the defaults.

#include "platform/core/Color.h"
#include "skin/core/UIStyle.h"

class TBitmap;
class TComponent;

[[nodiscard]] int GetInsideThemeInt(TsuiUIStyle style, int id);
[[nodiscard]] TColor GetInsideThemeColor(TsuiUIStyle style, int id);
[[nodiscard]] bool GetInsideThemeBool(TsuiUIStyle style, int id);
// Loads the element's bitmap resource into buf (nullptr: nothing happens).
// With count > 0, buf receives only frame index (counted from 1) of count
// equal-width frames (SpitBitmap). A missing resource raises EResNotFound.
void GetInsideThemeBitmap(TsuiUIStyle style, int id, TBitmap* buf, int count = 0, int index = 0);

// The UIStyle of the first TsuiForm among form's direct child controls;
// DeepBlue when form is null, has no child controls or holds no TsuiForm.
[[nodiscard]] TsuiUIStyle GetSUIFormStyle(TComponent* form);
