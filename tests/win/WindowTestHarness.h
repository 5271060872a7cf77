#pragma once
// What the window-manager tests share: a fresh window system over a headless
// desktop, a window class whose procedure records every message (and lets a
// test answer some of them), and message-sequence checks against expected
// tables with optional entries.

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace wintest {

struct Recorded {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// One row of an expected table.
struct Step {
    HWND hwnd = nullptr;
    UINT message = 0;
    bool optional = false;
};
inline Step Maybe(HWND hwnd, UINT message) { return {hwnd, message, true}; }

inline std::string MessageName(UINT m)
{
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"}, {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"}, {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"}, {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"}, {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"}, {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"}, {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"},
        {WM_HSCROLL, "WM_HSCROLL"}, {WM_VSCROLL, "WM_VSCROLL"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_SIZING, "WM_SIZING"}, {WM_MOVING, "WM_MOVING"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"}, {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"}, {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"}, {WM_DROPFILES, "WM_DROPFILES"},
        {WM_SETTEXT, "WM_SETTEXT"}, {WM_CANCELMODE, "WM_CANCELMODE"}, {WM_USER, "WM_USER"},
    };
    const auto it = names.find(m);
    if (it != names.end()) return it->second;
    std::ostringstream s;
    s << "0x" << std::hex << m;
    return s.str();
}

// The recorded messages whose numbers appear in the table must follow it in
// order; optional rows may be missing. Other messages are not looked at.
inline ::testing::AssertionResult FollowsTable(const std::vector<Recorded>& log, std::initializer_list<Step> table)
{
    std::vector<UINT> watched;
    for (const Step& s : table) watched.push_back(s.message);
    std::vector<Recorded> seen;
    for (const Recorded& r : log)
        if (std::find(watched.begin(), watched.end(), r.message) != watched.end()) seen.push_back(r);
    const std::vector<Step> steps(table);
    // Optional rows may or may not match: try both ways.
    const std::function<bool(std::size_t, std::size_t)> matches = [&](std::size_t i, std::size_t j) -> bool {
        if (i == steps.size()) return j == seen.size();
        const bool here = j < seen.size() && seen[j].hwnd == steps[i].hwnd && seen[j].message == steps[i].message;
        if (here && matches(i + 1, j + 1)) return true;
        return steps[i].optional && matches(i + 1, j);
    };
    if (!matches(0, 0)) {
        std::ostringstream out;
        out << "expected:";
        for (const Step& s : steps) out << ' ' << MessageName(s.message) << (s.optional ? "?" : "") << '@' << s.hwnd;
        out << "\n  actual:";
        for (const Recorded& r : seen) out << ' ' << MessageName(r.message) << '@' << r.hwnd;
        return ::testing::AssertionFailure() << out.str();
    }
    return ::testing::AssertionSuccess();
}

// A window system on a fresh headless desktop (1280 x 800, work area 1280 x 760).
class WindowTest : public ::testing::Test {
protected:
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    WindowTest()
        : m_backend(new win::HeadlessBackend()),
          m_system(std::unique_ptr<win::Backend>(m_backend))
    {
        WNDCLASS wc;
        wc.lpszClassName = "Recorder";
        wc.lpfnWndProc = MakeObjectInstance([this](HWND h, UINT m, WPARAM w, LPARAM l) { return Record(h, m, w, l); });
        wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
        RegisterClass(wc);
        wc.lpszClassName = "DoubleClicker";
        wc.style = CS_DBLCLKS;
        RegisterClass(wc);
    }

    [[nodiscard]] win::HeadlessBackend& Desktop() { return *m_backend; }
    [[nodiscard]] WindowSystem& System() { return m_system; }

    // A top-level window of the recording class (screen coordinates).
    HWND TopLevel(TRect r, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0, HWND owner = nullptr)
    {
        return CreateWindowEx(exStyle, "Recorder", "top", style, r.Left, r.Top, r.Width(), r.Height(), owner,
                              nullptr, nullptr);
    }
    // A child window of the recording class (parent client coordinates).
    HWND Child(HWND parent, TRect r, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0,
               const char* className = "Recorder")
    {
        return CreateWindowEx(exStyle, className, "child", style, r.Left, r.Top, r.Width(), r.Height(), parent,
                              nullptr, nullptr);
    }

    // Runs everything that is due, as the application's loop would.
    void Pump() { m_system.ProcessPending(); }

    // The messages hwnd received, in order (only those numbers).
    [[nodiscard]] std::vector<UINT> MessagesOf(HWND hwnd, std::initializer_list<UINT> numbers) const
    {
        std::vector<UINT> out;
        for (const Recorded& r : log)
            if (r.hwnd == hwnd && std::find(numbers.begin(), numbers.end(), r.message) != numbers.end())
                out.push_back(r.message);
        return out;
    }
    [[nodiscard]] std::vector<Recorded> Received(HWND hwnd, UINT message) const
    {
        std::vector<Recorded> out;
        for (const Recorded& r : log)
            if (r.hwnd == hwnd && r.message == message) out.push_back(r);
        return out;
    }

    std::vector<Recorded> log;
    // Lets a test answer a message itself; nothing means DefWindowProc.
    Handler handler;

private:
    LRESULT Record(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        log.push_back({h, m, w, l});
        if (handler)
            if (const std::optional<LRESULT> r = handler(h, m, w, l)) return *r;
        return DefWindowProc(h, m, w, l);
    }

    win::HeadlessBackend* m_backend;
    WindowSystem m_system;
};

}  // namespace wintest
