#include "qt/platform/qt_platform.h"

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
    // Some virtual X servers reset a connection that follows a closed one
    // too quickly; the probe is therefore tried a few times and then kept open
    // for the life of the process instead of being closed right before Qt
    // opens its own.
    static Display* s_probe = nullptr;
    for (int attempt = 0; s_probe == nullptr && attempt < 3; ++attempt) {
        s_probe = XOpenDisplay(nullptr);
    }
    return s_probe != nullptr ? 1 : 0;
}
