#include "qt/main_loop.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QTimer>
#include <QWindow>

#include "app/frame.h"
#include "app/gl_window.h"
#include "qt/ending.h"
#include "qt/gl_window.h"
#include "qt/platform/qt_platform.h"
#include "qt/startup_report.h"
#include "qt/window_proc.h"

namespace {

// How long start-up waits for the new window to be exposed before it shows a
// first cleared picture; a window that takes longer gets its first frame later.
constexpr int EXPOSE_WAIT_MS = 250;
// The clear colour of the fixed GL state (white), set again there.
constexpr GLfloat FIRST_CLEAR_COLOUR[4] = {1.0f, 1.0f, 1.0f, 0.5f};

bool s_exposureReported = false;

void NoteFirstExposure()
{
    if (StartupReportOn() && !s_exposureReported && g_qtWindow.area != nullptr && g_qtWindow.area->isExposed()) {
        s_exposureReported = true;
        ReportStartupEvent("window exposed");
    }
}

// Whether anything of the top-level window can be seen. The GL area alone is
// no guide: it stays exposed while the top-level is unmapped or covered.
bool TopLevelSeen(const QMainWindow* frame)
{
    const QWindow* top = frame->windowHandle();
    if (top == nullptr || !top->isExposed() || QtPlatformWindowCovered()) {
        return false;
    }
    const QWindow::Visibility visibility = top->visibility();
    return visibility != QWindow::Hidden && visibility != QWindow::Minimized;
}

// Frames run while the window is shown, not minimised, and not unmapped or
// wholly covered; without a window manager minimising only changes the state,
// so that is asked as well.
int CanBeSeen()
{
    const QtWindow& window = g_qtWindow;
    return g_glWindow.visible && window.window != nullptr && window.area != nullptr && window.area->isExposed() &&
           !window.window->isMinimized() && TopLevelSeen(window.window);
}

int MakeCurrent() { return MakeWindowCurrent(g_glWindow); }

void SwapBuffers() { g_qtWindow.renderContext->swapBuffers(g_qtWindow.area); }

constexpr FrameSurface QT_SURFACE = {CanBeSeen, MakeCurrent, SwapBuffers};

// Sleeps until the next event, or at most `ms` milliseconds when >= 0: a
// timer's expiry is an event of its own and ends the wait.
void WaitForEvents(int32_t ms)
{
    QTimer timer;
    if (ms >= 0) {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        timer.start(ms);
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MakeQtFrame()
{
    if (MakeFrame(QT_SURFACE) && ReportFirstFrame()) {
        // A measuring run: it ends here and saves nothing, now or at exit.
        g_glWindow.quitPosted = true;
        g_glWindow.statsOwed = false;
    }
}

}  // namespace

int RunLoopOnce(int32_t longestWaitMs)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // processEvents never deletes what was handed to deleteLater.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FlushPendingPress();
    NoteFirstExposure();
    TakeCloseRequest();
    if (g_glWindow.quitPosted) {
        return 0;
    }
    int32_t wait = FrameWait(CanBeSeen() != 0);
    if (wait == 0) {
        MakeQtFrame();
    } else {
        if (longestWaitMs >= 0 && (wait < 0 || wait > longestWaitMs)) {
            wait = longestWaitMs;
        }
        WaitForEvents(wait);
        LoopWoke();
        TakeCloseRequest();
    }
    return g_glWindow.quitPosted ? 0 : 1;
}

int RunLoopFor(int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (qint64 left = ms; left > 0; left = ms - elapsed.elapsed()) {
        if (RunLoopOnce(static_cast<int32_t>(left)) == 0) {
            return 0;
        }
    }
    return 1;
}

void RepresentQtFrame()
{
    RepresentLastFrame(QT_SURFACE);
}

// Making the pictures takes a good part of a second on a slow renderer: the
// window shows its menu bar and the table's white at once instead of whatever
// lay under it. Input waits in the queue; nothing but painting is handled.
void ShowClearedWindow()
{
    QTimer wait;  // its expiry wakes the wait for events
    wait.setSingleShot(true);
    wait.start(EXPOSE_WAIT_MS);
    while (g_qtWindow.area != nullptr && !g_qtWindow.area->isExposed() && !g_glWindow.quitPosted &&
           wait.isActive()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
    NoteFirstExposure();
    if (g_glWindow.quitPosted || !CanBeSeen() || !MakeCurrent()) {
        return;
    }
    glClearColor(FIRST_CLEAR_COLOUR[0], FIRST_CLEAR_COLOUR[1], FIRST_CLEAR_COLOUR[2], FIRST_CLEAR_COLOUR[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SwapBuffers();
    ReportStartupEvent("cleared window swapped");
}
