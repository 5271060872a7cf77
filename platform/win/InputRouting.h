#pragma once
// Raw pointer and keyboard events into window messages.

#include "platform/win/Backend.h"

#include <optional>
#include <vector>

namespace win {

// Mouse events: hit test, WM_SETCURSOR, click activation, double clicks, leave tracking.
[[nodiscard]] std::vector<MSG> TranslatePointerEvent(const BackendEvent& e);
// Keys to the focus window (or the active one), Alt combinations as system keys.
[[nodiscard]] std::vector<MSG> TranslateKeyEvent(const BackendEvent& e);
// Text: one WM_CHAR per code point.
[[nodiscard]] std::vector<MSG> TranslateTextEvent(const BackendEvent& e);
// As an event arrives from the backend: the asynchronous key state follows it.
void NoteArrivingEvent(const BackendEvent& e);
// The pointer is now over target: the tracked window is told when it was left.
[[nodiscard]] std::optional<MSG> UpdateHover(HWND hwnd, int hitCode, const BackendEvent& e);
[[nodiscard]] int ButtonVirtualKey(MouseButton b);
// The current MK_* state.
[[nodiscard]] WPARAM MouseKeyState();

}  // namespace win
