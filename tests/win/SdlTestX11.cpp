#include "SdlTestX11.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <dlfcn.h>

namespace win::test {

namespace {

using FakeMotionFn = int (*)(Display*, int, int, int, unsigned long);
using FakeButtonFn = int (*)(Display*, unsigned, int, unsigned long);
using FakeKeyFn = int (*)(Display*, unsigned, int, unsigned long);

int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

struct X11Probe::Impl {
    Display* display = nullptr;
    void* xtest = nullptr;
    FakeMotionFn fakeMotion = nullptr;
    FakeButtonFn fakeButton = nullptr;
    FakeKeyFn fakeKey = nullptr;
};

X11Probe::X11Probe() : m_impl(std::make_unique<Impl>())
{
    m_impl->display = XOpenDisplay(nullptr);
    m_impl->xtest = dlopen("libXtst.so.6", RTLD_NOW | RTLD_LOCAL);
    if (m_impl->xtest) {
        m_impl->fakeMotion = reinterpret_cast<FakeMotionFn>(dlsym(m_impl->xtest, "XTestFakeMotionEvent"));
        m_impl->fakeButton = reinterpret_cast<FakeButtonFn>(dlsym(m_impl->xtest, "XTestFakeButtonEvent"));
        m_impl->fakeKey = reinterpret_cast<FakeKeyFn>(dlsym(m_impl->xtest, "XTestFakeKeyEvent"));
    }
}

X11Probe::~X11Probe()
{
    if (m_impl->display) XCloseDisplay(m_impl->display);
    if (m_impl->xtest) dlclose(m_impl->xtest);
}

bool X11Probe::Ok() const { return m_impl->display != nullptr; }

TRect X11Probe::RootBounds(unsigned long window)
{
    Display* d = m_impl->display;
    XWindowAttributes a{};
    XGetWindowAttributes(d, window, &a);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(d, window, DefaultRootWindow(d), 0, 0, &x, &y, &child);
    return TRect::FromSize(x, y, a.width, a.height);
}

bool X11Probe::Viewable(unsigned long window)
{
    XWindowAttributes a{};
    XGetWindowAttributes(m_impl->display, window, &a);
    return a.map_state == IsViewable;
}

TPixel X11Probe::PixelAt(unsigned long window, TPoint p)
{
    // Asking outside a window that is still being sized is an error: read as 0.
    XSync(m_impl->display, False);
    const auto previous = XSetErrorHandler(&IgnoreError);
    XImage* image = XGetImage(m_impl->display, window, p.X, p.Y, 1, 1, AllPlanes, ZPixmap);
    XSync(m_impl->display, False);
    XSetErrorHandler(previous);
    if (!image) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    // A 24-bit TrueColor visual: 0xRRGGBB.
    return 0xFF000000u | TPixel(pixel & 0xFFFFFF);
}

std::vector<TRect> X11Probe::ShapeRects(unsigned long window)
{
    int count = 0;
    int ordering = 0;
    XRectangle* rects = XShapeGetRectangles(m_impl->display, window, ShapeBounding, &count, &ordering);
    std::vector<TRect> out;
    for (int i = 0; i < count; ++i) out.push_back(TRect::FromSize(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
    if (rects) XFree(rects);
    return out;
}

unsigned long X11Probe::FocusedWindow()
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(m_impl->display, &focus, &revert);
    return focus;
}

unsigned long X11Probe::TransientFor(unsigned long window)
{
    Window owner = 0;
    return XGetTransientForHint(m_impl->display, window, &owner) ? owner : 0;
}

namespace {

// The 32-bit items of a property (at most a megabyte of them); empty when it is missing.
std::vector<unsigned long> PropertyItems(Display* display, unsigned long window, const char* property)
{
    constexpr long kMaxItems = 1 << 20;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    const Atom name = XInternAtom(display, property, False);
    if (XGetWindowProperty(display, window, name, 0, kMaxItems, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data) XFree(data);
    return items;
}

}  // namespace

std::vector<std::string> X11Probe::AtomNames(unsigned long window, const char* property)
{
    std::vector<std::string> names;
    for (unsigned long atom : PropertyItems(m_impl->display, window, property)) {
        char* name = XGetAtomName(m_impl->display, atom);
        names.emplace_back(name ? name : "");
        if (name) XFree(name);
    }
    return names;
}

unsigned long X11Probe::PropertyLength(unsigned long window, const char* property)
{
    return PropertyItems(m_impl->display, window, property).size();
}

void X11Probe::MoveWindow(unsigned long window, TPoint root)
{
    XMoveWindow(m_impl->display, window, root.X, root.Y);
    XSync(m_impl->display, False);
}

void X11Probe::SendClientMessage(unsigned long window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_impl->display, "_QZ_TEST_MESSAGE", False);
    event.xclient.format = 32;
    XSendEvent(m_impl->display, window, False, NoEventMask, &event);
    XSync(m_impl->display, False);
}

void X11Probe::TranslateToRoot(unsigned long window)
{
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(m_impl->display, window, DefaultRootWindow(m_impl->display), 0, 0, &x, &y, &child);
}

unsigned long X11Probe::CreateWindow()
{
    const Window w = XCreateSimpleWindow(m_impl->display, DefaultRootWindow(m_impl->display), 0, 0, 10, 10, 0, 0, 0);
    XSync(m_impl->display, False);
    return w;
}

void X11Probe::DestroyWindow(unsigned long window)
{
    XDestroyWindow(m_impl->display, window);
    XSync(m_impl->display, False);
}

bool X11Probe::HasXTest() const
{
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    return m_impl->fakeMotion && m_impl->fakeButton && m_impl->fakeKey &&
           XQueryExtension(m_impl->display, "XTEST", &opcode, &eventBase, &errorBase);
}

void X11Probe::MovePointer(TPoint root)
{
    m_impl->fakeMotion(m_impl->display, -1, root.X, root.Y, CurrentTime);
    XSync(m_impl->display, False);
}

void X11Probe::PressButton(unsigned button)
{
    m_impl->fakeButton(m_impl->display, button, True, CurrentTime);
    XSync(m_impl->display, False);
}

void X11Probe::ReleaseButton(unsigned button)
{
    m_impl->fakeButton(m_impl->display, button, False, CurrentTime);
    XSync(m_impl->display, False);
}

void X11Probe::TapKey(const char* keysymName)
{
    const unsigned code = XKeysymToKeycode(m_impl->display, XStringToKeysym(keysymName));
    m_impl->fakeKey(m_impl->display, code, True, CurrentTime);
    m_impl->fakeKey(m_impl->display, code, False, CurrentTime);
    XSync(m_impl->display, False);
}

}  // namespace win::test
