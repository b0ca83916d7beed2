#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include "qt/platform/qt_platform.h"

// Last: Xlib's macros would break the Qt headers.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace {

xcb_window_t s_watched = 0;
bool s_covered = false;

// Sees every X event before Qt handles it; visibility reports are Qt's to
// ignore, so nothing is taken away from it.
class CoveringFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t" || s_watched == 0) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_VISIBILITY_NOTIFY) {
            const auto* visibility = reinterpret_cast<const xcb_visibility_notify_event_t*>(event);
            if (visibility->window == s_watched) {
                s_covered = visibility->state == XCB_VISIBILITY_FULLY_OBSCURED;
            }
        }
        return false;
    }
};

Display* XDisplayOfQt()
{
    auto* app = qGuiApp;
    if (app == nullptr) {
        return nullptr;
    }
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

}  // namespace

void QtPlatformWatchCovering(QWindow* topLevel)
{
    s_watched = 0;
    s_covered = false;
    Display* display = XDisplayOfQt();
    if (topLevel == nullptr || display == nullptr) {
        return;
    }
    // Never destroyed: the process may end from inside Qt's event handling
    // (a broken X connection), when nothing of Qt's should be torn down first.
    static auto* s_filter = new CoveringFilter();
    static QCoreApplication* s_filteredApplication = nullptr;
    if (s_filteredApplication != QCoreApplication::instance()) {
        s_filteredApplication = QCoreApplication::instance();
        s_filteredApplication->installNativeEventFilter(s_filter);
    }
    // Added to the events Qt chose, which stay as they were.
    const auto id = static_cast< ::Window>(topLevel->winId());
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, id, &attributes) == 0) {
        return;
    }
    XSelectInput(display, id, attributes.your_event_mask | VisibilityChangeMask);
    XFlush(display);
    s_watched = static_cast<xcb_window_t>(id);
}

bool QtPlatformWindowCovered()
{
    return s_watched != 0 && s_covered;
}
