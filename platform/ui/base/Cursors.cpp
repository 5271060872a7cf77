#include "platform/ui/base/Cursors.h"

#include "platform/core/SysUtils.h"
#include "platform/win/WinConst.h"

#include <array>

namespace {

struct CursorEntry {
    TCursor Cursor;
    std::string_view Name;
    int Shape;  // IDC_*
};

constexpr std::array kCursors{
    CursorEntry{crDefault, "crDefault", IDC_ARROW},     CursorEntry{crNone, "crNone", 0},
    CursorEntry{crArrow, "crArrow", IDC_ARROW},         CursorEntry{crCross, "crCross", IDC_CROSS},
    CursorEntry{crIBeam, "crIBeam", IDC_IBEAM},         CursorEntry{crSizeNESW, "crSizeNESW", IDC_SIZENESW},
    CursorEntry{crSizeNS, "crSizeNS", IDC_SIZENS},      CursorEntry{crSizeNWSE, "crSizeNWSE", IDC_SIZENWSE},
    CursorEntry{crSizeWE, "crSizeWE", IDC_SIZEWE},      CursorEntry{crUpArrow, "crUpArrow", IDC_UPARROW},
    CursorEntry{crHourGlass, "crHourGlass", IDC_WAIT},  CursorEntry{crDrag, "crDrag", IDC_ARROW},
    CursorEntry{crNoDrop, "crNoDrop", IDC_NO},          CursorEntry{crHSplit, "crHSplit", IDC_SIZEWE},
    CursorEntry{crVSplit, "crVSplit", IDC_SIZENS},      CursorEntry{crMultiDrag, "crMultiDrag", IDC_ARROW},
    CursorEntry{crSQLWait, "crSQLWait", IDC_WAIT},      CursorEntry{crNo, "crNo", IDC_NO},
    CursorEntry{crAppStart, "crAppStart", IDC_APPSTARTING}, CursorEntry{crHelp, "crHelp", IDC_HELP},
    CursorEntry{crHandPoint, "crHandPoint", IDC_HAND},  CursorEntry{crSizeAll, "crSizeAll", IDC_SIZEALL},
};

const CursorEntry* Find(TCursor cursor)
{
    for (const CursorEntry& e : kCursors) {
        if (e.Cursor == cursor) return &e;
    }
    return nullptr;
}

}  // namespace

int CursorShapeOf(TCursor cursor)
{
    const CursorEntry* e = Find(cursor);
    return e ? e->Shape : int(IDC_ARROW);
}

std::optional<TCursor> IdentToCursor(std::string_view ident)
{
    if (SameText(ident, "crSize")) return crSize;
    for (const CursorEntry& e : kCursors) {
        if (SameText(e.Name, ident)) return e.Cursor;
    }
    return std::nullopt;
}
