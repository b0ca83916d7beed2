#include "qt/ending.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QSessionManager>
#include <QSocketNotifier>

#include "app/gl_window.h"

namespace {

constexpr int END_SIGNALS[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int MAX_STACKED_DIALOGS = 8;

int s_signalPipe[2] = {-1, -1};
bool s_closeRequested = false;

// Only async-signal-safe work: one byte into the pipe the loop watches. A full
// pipe already holds a request, so a failed write loses nothing.
void OnEndSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(s_signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void TakeSignalBytes()
{
    char bytes[64];
    while (read(s_signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    RequestClose();
}

// Qt's session support answers the session manager's last word ("die") with a
// quit event to the application; it ends the program the same way.
class QuitFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
            RequestClose();
            return true;
        }
        return false;
    }
};

void CloseModalDialogs()
{
    for (int i = 0; i < MAX_STACKED_DIALOGS; ++i) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        for (QPushButton* button : buttons) {
            if (button->isDefault() && button->isEnabled()) {
                button->click();
                break;
            }
        }
        // The dialogs without a caption refuse a plain reject.
        if (dialog->isVisible()) {
            dialog->done(QDialog::Rejected);
        }
    }
}

}  // namespace

void WatchEndRequests()
{
    QCoreApplication* app = QCoreApplication::instance();
    static QCoreApplication* s_watchedApplication = nullptr;
    if (app == nullptr || app == s_watchedApplication) {
        return;
    }
    s_watchedApplication = app;
    app->installEventFilter(new QuitFilter(app));
    if (auto* gui = qobject_cast<QGuiApplication*>(app)) {
        QObject::connect(gui, &QGuiApplication::commitDataRequest, gui, [](QSessionManager&) { RequestClose(); });
    }
    if (s_signalPipe[0] < 0 && pipe2(s_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // the signals keep their usual effect
    }
    auto* notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { TakeSignalBytes(); });
    for (const int number : END_SIGNALS) {
        struct sigaction action {};
        // A signal ignored from the start (nohup) stays ignored.
        if (sigaction(number, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) {
            continue;
        }
        action = {};
        action.sa_handler = OnEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(number, &action, nullptr);
    }
}

void RequestClose()
{
    s_closeRequested = true;
    CloseModalDialogs();
    // Wakes a loop that waits for events.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QCoreApplication::postEvent(app, new QEvent(QEvent::User));
    }
}

void TakeCloseRequest()
{
    if (!s_closeRequested) {
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        CloseModalDialogs();
        return;
    }
    s_closeRequested = false;
    TerminateApplication(g_glWindow);
}

void SaveAtProcessEnd()
{
    static bool s_registered = false;
    if (!s_registered) {
        s_registered = true;
        std::atexit([] { SaveStatsIfOwed(g_glWindow); });
    }
}
