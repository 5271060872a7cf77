#include "platform/win/backends/sdl/SdlCursors.h"

#include "platform/win/WinConst.h"

#include <SDL.h>

namespace win {

namespace {

SDL_SystemCursor SystemCursorOf(CursorShape shape)
{
    switch (shape) {
    case IDC_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
    case IDC_WAIT: return SDL_SYSTEM_CURSOR_WAIT;
    case IDC_CROSS: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case IDC_SIZENWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case IDC_SIZENESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case IDC_SIZEWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case IDC_SIZENS: return SDL_SYSTEM_CURSOR_SIZENS;
    case IDC_SIZEALL: return SDL_SYSTEM_CURSOR_SIZEALL;
    case IDC_NO: return SDL_SYSTEM_CURSOR_NO;
    case IDC_HAND: return SDL_SYSTEM_CURSOR_HAND;
    case IDC_APPSTARTING: return SDL_SYSTEM_CURSOR_WAITARROW;
    default: return SDL_SYSTEM_CURSOR_ARROW;  // also IDC_ARROW, IDC_UPARROW, IDC_HELP
    }
}

}  // namespace

SdlCursors::~SdlCursors()
{
    for (auto& [id, cursor] : m_cursors) SDL_FreeCursor(cursor);
}

void SdlCursors::Show(CursorShape shape)
{
    const SDL_SystemCursor id = SystemCursorOf(shape);
    if (id == m_shown) return;
    SDL_Cursor*& cursor = m_cursors[id];
    if (!cursor) cursor = SDL_CreateSystemCursor(id);
    if (!cursor) return;  // the desktop keeps its cursor
    SDL_SetCursor(cursor);
    m_shown = id;
}

}  // namespace win
