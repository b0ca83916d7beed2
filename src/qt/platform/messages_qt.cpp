// Message boxes and the program's end on Qt (the question for a high-score
// name is the name-entry dialog's).

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include "platform/platform.h"

void SysErrorBox(const char* text)
{
    // Without a running QApplication (no display could be reached) no box can
    // be shown, so the message goes to the terminal instead.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "Error: %s\n", text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), QString::fromLocal8Bit(text), QMessageBox::Ok);
    box.exec();
}

void SysExitProcess(int code)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(code);
}

void SysPostQuit()
{
    // Any posted event wakes a loop that waits for events; the loop then sees
    // the end that was asked for.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QCoreApplication::postEvent(app, new QEvent(QEvent::User));
    }
}
