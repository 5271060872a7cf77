#pragma once
// Retrieval of messages inside the window system: the order GetMessage and
// PeekMessage follow, the backend wait, presenting when idle.

#include "platform/win/Backend.h"
#include "platform/win/MessageQueue.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace win {

// The next message the filter accepts, without waiting: queued messages and
// raw input first (in order of arrival), then WM_QUIT, WM_PAINT, WM_TIMER.
// remove takes a queued message out and restarts a timer that fired.
[[nodiscard]] std::optional<MSG> RetrieveMessage(const MessageFilter& filter, bool remove);
[[nodiscard]] bool FilterMatchesWindow(const MessageFilter& filter, HWND hwnd);

// Fetches what the backend has, waiting at most timeoutMs (nothing: until an
// event comes); returns how many events came.
std::size_t PullBackendEvents(std::optional<std::uint32_t> timeoutMs);
// Presents what changed, then waits for input, a wake-up or the next timer.
// Never busy-waits. False when nothing can come any more: no timer is set
// and the backend returned empty-handed from a wait without a timeout (the
// headless desktop with nothing injected).
bool IdleWait();
// Shows the changed parts of the top-level windows.
void PresentIdle();
// Everything due now, dispatched; false once WM_QUIT was seen.
bool ProcessPendingMessages();

// BackendEvents.cpp: one raw event into messages. Mouse and keyboard events
// become queued messages (after the synchronous hit test, activation and
// so on); desktop notifications are handled at once and give none.
[[nodiscard]] bool IsInputEvent(BackendEvent::Type type);
[[nodiscard]] std::vector<MSG> TranslateBackendEvent(const BackendEvent& event);

// Painting.cpp: a WM_PAINT for the first window needing one (parents before children).
[[nodiscard]] std::optional<MSG> NextPaintMessage(const MessageFilter& filter);

}  // namespace win
