// GetMessage, PeekMessage and WaitMessage: the order messages come out in,
// and the one place that waits.

#include "platform/win/MessagePump.h"

#include "platform/core/Exception.h"
#include "platform/win/InputRouting.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <algorithm>

namespace win {

namespace {

// A safety net for ProcessPending: a window that never validates its update
// region would otherwise keep it busy for ever.
constexpr int kMaxMessagesPerPass = 100000;

bool Matches(const MessageFilter& f, const MSG& m)
{
    return f.MatchesNumber(m.message) && FilterMatchesWindow(f, m.hwnd);
}

std::size_t FindTicket(std::deque<MessageQueue::Entry>& entries, std::uint64_t ticket)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (const InFlight* f = std::get_if<InFlight>(&entries[i]); f && f->ticket == ticket) return i;
    return entries.size();
}

// Turns the raw event at index i into messages in place; returns where they start.
std::size_t TranslateInPlace(MessageQueue& queue, std::size_t i)
{
    auto& entries = queue.Input();
    BackendEvent event = std::move(std::get<BackendEvent>(entries[i]));
    const std::uint64_t ticket = queue.NextTicket();
    entries[i] = InFlight{ticket};
    // Translation sends messages; their handlers may retrieve messages themselves.
    const std::vector<MSG> made = TranslateBackendEvent(event);
    auto& after = queue.Input();
    std::size_t at = FindTicket(after, ticket);
    if (at == after.size()) return at;
    after.erase(after.begin() + std::ptrdiff_t(at));
    after.insert(after.begin() + std::ptrdiff_t(at), made.begin(), made.end());
    return at;
}

std::optional<MSG> FromPosted(const MessageFilter& filter, bool remove)
{
    std::deque<MSG>& posted = Sys().queue.Posted();
    const auto it = std::find_if(posted.begin(), posted.end(), [&](const MSG& m) { return Matches(filter, m); });
    if (it == posted.end()) return std::nullopt;
    const MSG out = *it;
    if (remove) posted.erase(it);
    return out;
}

// Input, oldest first. Raw events are translated strictly in order: once one
// is passed over, none after it is touched.
std::optional<MSG> FromInput(const MessageFilter& filter, bool remove)
{
    MessageQueue& queue = Sys().queue;
    bool rawPassed = false;
    std::size_t i = 0;
    while (i < queue.Input().size()) {
        auto& entries = queue.Input();
        if (const MSG* msg = std::get_if<MSG>(&entries[i])) {
            if (!Matches(filter, *msg)) {
                ++i;
                continue;
            }
            const MSG out = *msg;
            if (remove) entries.erase(entries.begin() + std::ptrdiff_t(i));
            return out;
        }
        const BackendEvent* event = std::get_if<BackendEvent>(&entries[i]);
        if (rawPassed || !event || (IsInputEvent(event->type) && !filter.WantsInput())) {
            rawPassed = true;
            ++i;
            continue;
        }
        i = TranslateInPlace(queue, i);
    }
    return std::nullopt;
}

// Posted messages first, then input, as classically.
std::optional<MSG> FromQueue(const MessageFilter& filter, bool remove)
{
    if (auto m = FromPosted(filter, remove)) return m;
    return FromInput(filter, remove);
}

std::optional<MSG> QuitMessage(const MessageFilter& filter, bool remove)
{
    MessageQueue& queue = Sys().queue;
    if (!queue.QuitPending() || !filter.MatchesNumber(WM_QUIT)) return std::nullopt;
    if (filter.hwnd && filter.hwnd != reinterpret_cast<HWND>(std::intptr_t(-1))) return std::nullopt;
    if (remove) queue.ClearQuit();
    return MSG{nullptr, WM_QUIT, WPARAM(queue.ExitCode()), 0, Sys().backend->NowMs(), Sys().backend->CursorPos()};
}

std::optional<MSG> TimerMessage(const MessageFilter& filter, bool remove)
{
    WindowSystem::Impl& sys = Sys();
    if (!filter.MatchesNumber(WM_TIMER)) return std::nullopt;
    const std::uint32_t now = sys.backend->NowMs();
    const std::optional<Timer> due = sys.timers.FirstDue(now, [&](const Timer& t) {
        return (!t.hwnd || LookUp(t.hwnd)) && FilterMatchesWindow(filter, t.hwnd);
    });
    if (!due) return std::nullopt;
    if (remove) sys.timers.Restart(due->hwnd, due->id, now);
    return MSG{due->hwnd, WM_TIMER, due->id, reinterpret_cast<LPARAM>(due->proc), now, sys.backend->CursorPos()};
}

std::optional<MSG> FromAnySource(const MessageFilter& filter, bool remove)
{
    if (auto m = FromQueue(filter, remove)) return m;
    if (auto m = QuitMessage(filter, remove)) return m;
    if (auto m = NextPaintMessage(filter)) return m;
    return TimerMessage(filter, remove);
}

}  // namespace

bool FilterMatchesWindow(const MessageFilter& filter, HWND hwnd)
{
    if (!filter.hwnd) return true;
    if (filter.hwnd == reinterpret_cast<HWND>(std::intptr_t(-1))) return hwnd == nullptr;
    return hwnd && IsSelfOrDescendant(filter.hwnd, hwnd);
}

std::optional<MSG> RetrieveMessage(const MessageFilter& filter, bool remove)
{
    // What is queued comes before what the backend has not handed over yet.
    std::optional<MSG> m = FromQueue(filter, remove);
    if (!m) {
        PullBackendEvents(0);
        m = FromAnySource(filter, remove);
    }
    if (m && remove) Sys().queue.SetLastMessage(m->time, m->pt);
    return m;
}

std::size_t PullBackendEvents(std::optional<std::uint32_t> timeoutMs)
{
    WindowSystem::Impl& sys = Sys();
    std::vector<BackendEvent> events = sys.backend->WaitEvents(timeoutMs);
    for (BackendEvent& e : events) {
        NoteArrivingEvent(e);
        sys.queue.PushEvent(std::move(e));
    }
    return events.size();
}

void PresentIdle()
{
    WindowSystem::Impl& sys = Sys();
    sys.compositor.PresentAll(*sys.backend, sys.windows);
}

bool IdleWait()
{
    PresentIdle();
    WindowSystem::Impl& sys = Sys();
    const std::optional<std::uint32_t> timeout = sys.timers.MsUntilNext(sys.backend->NowMs());
    return PullBackendEvents(timeout) > 0 || timeout.has_value() || sys.backend->HasOutsideInput();
}

bool ProcessPendingMessages()
{
    for (int n = 0; n < kMaxMessagesPerPass; ++n) {
        const std::optional<MSG> m = RetrieveMessage({}, true);
        if (!m) break;
        if (m->message == WM_QUIT) return false;
        TranslateMessage(*m);
        DispatchMessage(*m);
    }
    PresentIdle();
    return true;
}

}  // namespace win

using namespace win;

bool PeekMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    const MessageFilter filter{hwnd, filterMin, filterMax};
    const std::optional<MSG> m = RetrieveMessage(filter, (removeFlags & PM_REMOVE) != 0);
    if (!m) {
        if (!hwnd && filterMin == 0 && filterMax == 0) PresentIdle();
        return false;
    }
    msg = *m;
    return true;
}

bool GetMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    const MessageFilter filter{hwnd, filterMin, filterMax};
    for (;;) {
        if (const std::optional<MSG> m = RetrieveMessage(filter, true)) {
            msg = *m;
            return msg.message != WM_QUIT;
        }
        if (!IdleWait())
            throw EInvalidOperation("GetMessage would wait for ever: the display backend has nothing more to deliver "
                                    "and no timer is set");
    }
}

// False when nothing can come any more (see IdleWait).
bool WaitMessage()
{
    return RetrieveMessage({}, false) || IdleWait();
}
