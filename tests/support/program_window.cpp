#include "support/program_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

// Windows of other programs on the same display may vanish between listing
// and asking for their names; Xlib's own handler would end the test for it.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// Whether the window has this title and belongs to process `pid` (other
// tests may show the same window on the same display).
bool IsProgramWindow(Display* display, Window window, pid_t pid, const char* title)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
        return false;
    }
    bool titled = title == nullptr;
    char* name = nullptr;
    if (!titled && XFetchName(display, window, &name) && name != nullptr) {
        titled = std::strcmp(name, title) == 0;
        XFree(name);
    }
    if (!titled) {
        return false;
    }
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool owned = false;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        owned = count == 1 && format == 32 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
        XFree(data);
    }
    return titled && owned;
}

Window FindBelow(Display* display, Window window, pid_t pid, const char* title, Window except)
{
    if (window == except) {
        return 0;
    }
    if (IsProgramWindow(display, window, pid, title)) {
        return window;
    }
    Window root = 0, parent = 0, found = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            found = FindBelow(display, children[i], pid, title, except);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

}  // namespace

_XDisplay* OpenTestDisplay(const std::string& name)
{
    XSetErrorHandler(IgnoreXError);
    // The virtual display of the test machines now and then refuses a connection.
    for (int i = 0; i < 20; ++i) {
        if (Display* display = XOpenDisplay(name.empty() ? nullptr : name.c_str())) {
            return display;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

unsigned long FindProgramWindow(_XDisplay* display, pid_t pid, const char* title, unsigned long except)
{
    return FindBelow(display, DefaultRootWindow(display), pid, title, except);
}

void AskToClose(_XDisplay* display, unsigned long window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}
