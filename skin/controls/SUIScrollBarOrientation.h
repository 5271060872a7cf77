#pragma once
// The direction of scroll bars, track bars and progress bars.

#include "platform/core/EnumInfo.h"

QZ_ENUM(TsuiProgressBarOrientation, suiHorizontal, suiVertical)
