#pragma once
// The one place where SDL events become backend events.
//
//   SDL event                         backend event
//   X MotionNotify / ButtonPress /    MouseMove / MouseDown / MouseUp /
//     ButtonRelease (SDL_SYSWMEVENT)    MouseWheel, root coordinates
//   SDL_KEYDOWN / SDL_KEYUP           KeyDown / KeyUp (keys with a VK_ code)
//   SDL_TEXTINPUT                     Text
//   window CLOSE                      CloseRequest
//   window FOCUS_GAINED / LOST        FocusIn / FocusOut (never for pop-ups)
//   window MOVED / RESIZED            Moved, once per batch, echoes left out
//   window EXPOSED / SIZE_CHANGED     Exposed, once per window and batch
//   window MINIMIZED / RESTORED       MinimizeRequest, when the state differs from ours
//   DROPBEGIN, DROPFILE.., COMPLETE   FilesDropped with every file of the drop
//   SDL_QUIT                          Quit

#include "platform/win/Backend.h"
#include "platform/win/backends/sdl/SdlWindowTable.h"

#include <SDL_events.h>

#include <set>
#include <vector>

namespace win {

struct X11PointerEvent;
class X11PointerFeed;

class SdlEventTranslator {
public:
    static constexpr std::size_t kMaxDroppedFiles = 4096;  // files kept of one drop

    SdlEventTranslator(SdlWindowTable& windows, X11PointerFeed& pointerFeed)
        : m_windows(windows), m_pointerFeed(pointerFeed)
    {
    }

    // Adds what one SDL event means to out (nothing for most).
    void Translate(const SDL_Event& event, std::vector<BackendEvent>& out);
    // Ends a batch: Moved for the windows the desktop moved or sized.
    void FinishBatch(std::uint32_t nowMs, std::vector<BackendEvent>& out);
    // A window's bounds are still settling: the caller should look again soon.
    [[nodiscard]] bool Settling() const { return !m_changed.empty(); }

    // The pointer's last known root position.
    [[nodiscard]] std::optional<TPoint> Pointer() const { return m_pointer; }
    void SetPointer(TPoint root) { m_pointer = root; }
    // Drops what is kept about a destroyed window.
    void Forget(HWND window);

private:
    void TranslateWindowEvent(const SDL_WindowEvent& e, std::vector<BackendEvent>& out);
    void TranslatePointer(const X11PointerEvent& p, std::uint32_t timeMs, std::vector<BackendEvent>& out);
    void TranslateKey(const SDL_KeyboardEvent& e, std::vector<BackendEvent>& out);
    void TranslateDrop(const SDL_DropEvent& e, std::vector<BackendEvent>& out);
    void AddExposed(HWND window, std::uint32_t timeMs, std::vector<BackendEvent>& out);

    SdlWindowTable& m_windows;
    X11PointerFeed& m_pointerFeed;
    std::optional<TPoint> m_pointer;
    std::set<HWND> m_changed;         // windows to compare with the desktop's report
    std::set<HWND> m_exposedInBatch;  // windows already given an Exposed this batch
    struct Drop {
        HWND window = nullptr;
        std::vector<std::string> files;
    };
    Drop m_drop;
};

}  // namespace win
