#pragma once
// The title bar's enumerations and its button event, shared by the title
// bar, its collections and the skinned form that republishes them.

#include "platform/core/EnumInfo.h"

#include <functional>

class TObject;

QZ_ENUM(TsuiTitleBarBtnType, suiMax, suiMin, suiClose, suiHelp, suiControlBox, suiCustom)
QZ_ENUM(TsuiTitleBarAlign, suiLeft, suiRight, suiClient)

// Raised with the title bar and the index of the clicked button in Buttons.
using TsuiTitleBarButtonClickEvent = std::function<void(TObject* Sender, int ButtonIndex)>;
