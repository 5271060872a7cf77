#pragma once
// The table of resources a generated resource library holds (see
// cmake/Resources.cmake). A program registers each table it links with
// RegisterResources(Table()) (Resources.h) before looking anything up.

#include <span>

enum class TResourceKind {
    Bitmap,       // skins/**/NAME.bmp -> NAME
    Form,         // forms/**/CLASS.qzf -> CLASS (a form description)
    Icon,         // icons/**/NAME.* -> NAME (MAINICON is the program's icon)
    StringTable,  // strings.txt -> "strings": NAME=text lines
    Data,         // any other file -> its path in the folder, "themes/Blue.sui"
};

// Begin and End enclose the file's bytes.
struct TResourceEntry {
    TResourceKind Kind;
    const char* Name;
    const unsigned char* Begin;
    const unsigned char* End;
};

struct TResourceTable {
    std::span<const TResourceEntry> Entries;
};

// Declares the function a resource library generated with TABLE <Name> defines.
#define QZ_DECLARE_RESOURCE_TABLE(Name) const TResourceTable& Name()
