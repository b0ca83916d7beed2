#include "qt/x_windows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// A connection of its own, so the requests come from another client.
Display* Connection()
{
    static Display* s_display = XOpenDisplay(nullptr);
    return s_display;
}

}  // namespace

namespace x_test {

unsigned long Cover(int x, int y, int width, int height, unsigned long colour)
{
    Display* display = Connection();
    if (display == nullptr) {
        return 0;
    }
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = colour;
    const Window window = XCreateWindow(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                                        static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                                        CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(display, window);
    XSync(display, False);
    return window;
}

void Uncover(unsigned long window)
{
    if (Display* display = Connection()) {
        XDestroyWindow(display, window);
        XSync(display, False);
    }
}

void Unmap(unsigned long window)
{
    if (Display* display = Connection()) {
        XUnmapWindow(display, window);
        XSync(display, False);
    }
}

void Map(unsigned long window)
{
    if (Display* display = Connection()) {
        XMapWindow(display, window);
        XSync(display, False);
    }
}

unsigned long ScreenPixel(int x, int y)
{
    Display* display = Connection();
    if (display == nullptr) {
        return 0xFFFFFFFFul;
    }
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 0xFFFFFFFFul;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFFul;
    XDestroyImage(image);
    return pixel;
}

}  // namespace x_test
