#include "platform/win/backends/sdl/X11ErrorPolicy.h"

#include <X11/Xlib.h>

namespace win {

namespace {

using ErrorHandler = int (*)(Display*, XErrorEvent*);

ErrorHandler g_previous = nullptr;
int g_installed = 0;  // sessions may overlap: the first installs, the last removes

int DropRequestsAboutGoneWindows(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow) return 0;
    return g_previous ? g_previous(display, error) : 0;
}

}  // namespace

X11ErrorPolicy::X11ErrorPolicy()
{
    if (g_installed++ == 0) g_previous = XSetErrorHandler(&DropRequestsAboutGoneWindows);
}

X11ErrorPolicy::~X11ErrorPolicy()
{
    if (--g_installed > 0) return;
    XSetErrorHandler(g_previous);
    g_previous = nullptr;
}

}  // namespace win
