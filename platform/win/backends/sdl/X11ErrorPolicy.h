#pragma once
// While an X11ErrorPolicy lives, a request about a window that has gone
// meanwhile is dropped instead of ending the program. Windows go at any
// moment on the X server's side: the window manager destroys a frame as it
// lets go of a window we hide, and a dialog we destroy may be gone before
// the server reads SDL's requests about it (SDL ends its own waits by
// sending an event, on a connection of its own, to its newest window; it
// reads a move through the frame around the window). Xlib's default handler
// would exit on such an error, from inside the message loop. Every other
// error goes to the handler that was there before.

namespace win {

class X11ErrorPolicy {
public:
    X11ErrorPolicy();
    ~X11ErrorPolicy();
    X11ErrorPolicy(const X11ErrorPolicy&) = delete;
    X11ErrorPolicy& operator=(const X11ErrorPolicy&) = delete;
};

}  // namespace win
