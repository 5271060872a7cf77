#pragma once
// The queues of the one GUI thread, as classically: posted messages, which
// come out first, and input, in order of arrival. Raw backend events become
// messages only when retrieval reaches them (see MessageRetrieval.cpp), so
// that hit testing sees the state left by the messages before them (capture
// set by a press, a window moved).

#include "platform/win/Backend.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <deque>
#include <variant>

namespace win {

// Which messages a GetMessage or PeekMessage call asks for.
struct MessageFilter {
    HWND hwnd = nullptr;  // nullptr: any; (HWND)-1: only messages without a window; else it and its children
    UINT min = 0;         // min == max == 0: any message
    UINT max = 0;

    [[nodiscard]] bool MatchesNumber(UINT message) const;
    // Whether the range takes in any mouse or keyboard message.
    [[nodiscard]] bool WantsInput() const;
};

// A raw event being turned into messages: its place in the queue, kept while
// the translation sends messages that may look at the queue themselves.
struct InFlight {
    std::uint64_t ticket = 0;
};

class MessageQueue {
public:
    // Input: raw events, the messages made of them, and events being turned into messages.
    using Entry = std::variant<MSG, BackendEvent, InFlight>;

    void Post(const MSG& msg) { m_posted.push_back(msg); }
    // Ahead of everything else: characters made by TranslateMessage come next.
    void PostFront(const MSG& msg) { m_posted.push_front(msg); }
    void PushEvent(BackendEvent event) { m_input.push_back(std::move(event)); }
    [[nodiscard]] std::deque<MSG>& Posted() { return m_posted; }
    [[nodiscard]] std::deque<Entry>& Input() { return m_input; }
    [[nodiscard]] std::uint64_t NextTicket() { return ++m_lastTicket; }
    // Drops what was posted to a window that goes away.
    void DropMessagesFor(HWND hwnd);

    void PostQuit(int exitCode)
    {
        m_quitPending = true;
        m_exitCode = exitCode;
    }
    [[nodiscard]] bool QuitPending() const { return m_quitPending; }
    [[nodiscard]] int ExitCode() const { return m_exitCode; }
    void ClearQuit() { m_quitPending = false; }

    // The time and pointer position of the last message retrieved.
    void SetLastMessage(DWORD time, POINT pt)
    {
        m_lastTime = time;
        m_lastPos = pt;
    }
    [[nodiscard]] DWORD LastTime() const { return m_lastTime; }
    [[nodiscard]] POINT LastPos() const { return m_lastPos; }

private:
    std::deque<MSG> m_posted;
    std::deque<Entry> m_input;
    std::uint64_t m_lastTicket = 0;
    bool m_quitPending = false;
    int m_exitCode = 0;
    DWORD m_lastTime = 0;
    POINT m_lastPos;
};

}  // namespace win
