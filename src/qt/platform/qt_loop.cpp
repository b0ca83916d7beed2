#include <QCoreApplication>
#include <QEvent>

#include "platform/platform.h"

void SysPostQuit()
{
    // Any posted event wakes a loop that waits for events; the loop then sees
    // the end that was asked for.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QCoreApplication::postEvent(app, new QEvent(QEvent::User));
    }
}
