#include <cstdio>
#include <cstdlib>

#include <QApplication>
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
