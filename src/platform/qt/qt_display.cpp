#include "platform/qt/qt_platform.h"

#include <cstdlib>
#include <cstring>

// Last: Xlib's macros would break the Qt headers.
#include <X11/Xlib.h>

int QtPlatformDisplayAvailable()
{
    // Qt's X11 plugin aborts the process when it cannot connect, so the
    // connection is tried here first. Other platform plugins report their own
    // failures, and are trusted to start.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && platform[0] != '\0' && std::strncmp(platform, "xcb", 3) != 0) {
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 0;
    }
    XCloseDisplay(display);
    return 1;
}
