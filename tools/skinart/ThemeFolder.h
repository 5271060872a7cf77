#pragma once
// A sample theme's source folder: one BMP per bitmap element, named by the
// element's key ("ButtonImage.bmp", same strip layout and size as the
// DeepBlue picture), and values.txt with a Key=value line for every other
// element: integers in decimal, colours as 0xBBGGRR, booleans as True or
// False. The theme packer turns such a folder into a .sui file.

#include "tools/skinart/Look.h"

#include <filesystem>
#include <string>

// The text of values.txt for a sample look; throws EInvalidOperation for a
// look that is not a sample theme.
[[nodiscard]] std::string ThemeValuesText(const Look& look);
// Writes the folder (made when missing). Throws EFOpenError or EWriteError.
void WriteThemeFolder(const Look& look, const std::filesystem::path& folder);
