#pragma once
// A theme as a folder, the form in which themes are drawn and edited:
//   <Key>.bmp    one BMP file per bitmap element, named by its key
//   values.txt   one "Key=value" line per integer, colour and Boolean
//                element: integers in decimal, colours as 0xBBGGRR (one to
//                eight hex digits), Booleans as True, False, 1 or 0.
//                Blank lines and lines starting with '#' are ignored.
// Keys are the theme element keys (ThemeElements.h), letter case ignored.
//
// Packing refuses unknown keys, values of the wrong form, values given
// twice, values for bitmap elements, and BMP files that do not decode
// (EReadError naming the file and line). Elements the folder lacks are
// only reported: a theme file may leave elements out.

#include <string>
#include <vector>

struct TThemeFolderResult {
    std::vector<std::string> Warnings;  // elements left out, entries skipped
};

// Writes the folder's theme to outFile (created or replaced).
TThemeFolderResult PackThemeFolder(const std::string& folder, const std::string& outFile);

// Writes the elements of a theme file into folder (created when missing).
// Existing files are never replaced: raises EWriteError naming the first
// one before anything is written. Entries that are no theme element, or
// whose type does not fit their element, are skipped with a warning.
TThemeFolderResult UnpackThemeFile(const std::string& file, const std::string& folder);

// One line per element ("Key<TAB>kind<TAB>value"), in id order, then one
// per entry of the file that is no element. Bitmaps show their size, or
// "missing" / "damaged: <reason>".
[[nodiscard]] std::vector<std::string> ListThemeFile(const std::string& file);
