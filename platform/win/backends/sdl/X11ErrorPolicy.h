#pragma once
// While an X11ErrorPolicy lives, an event sent to a window that has gone
// meanwhile is dropped instead of ending the program. SDL ends its own waits
// by sending an event, on a connection of its own, to its newest window; a
// window destroyed on the main connection just after (a dialog closed) may
// be gone by the time the X server reads that request, and Xlib's default
// handler would exit on the error, in the middle of the message loop.
// Every other error goes to the handler that was there before.

namespace win {

class X11ErrorPolicy {
public:
    X11ErrorPolicy();
    ~X11ErrorPolicy();
    X11ErrorPolicy(const X11ErrorPolicy&) = delete;
    X11ErrorPolicy& operator=(const X11ErrorPolicy&) = delete;
};

}  // namespace win
