#pragma once
// The standard cursor shapes (IDC_*) as SDL system cursors, each made once.

#include "platform/win/Backend.h"

#include <map>

struct SDL_Cursor;

namespace win {

class SdlCursors {
public:
    SdlCursors() = default;
    ~SdlCursors();
    SdlCursors(const SdlCursors&) = delete;
    SdlCursors& operator=(const SdlCursors&) = delete;

    // Unknown shapes show the arrow.
    void Show(CursorShape shape);

private:
    std::map<int, SDL_Cursor*> m_cursors;  // by SDL_SystemCursor; owned
    int m_shown = -1;                      // SDL_SystemCursor, -1 before the first
};

}  // namespace win
