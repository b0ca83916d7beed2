#include "qt/main_loop.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <GL/gl.h>

#include <QCoreApplication>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QTimer>
#include <QWindow>

#include "qt/ending.h"
#include "qt/gl_window.h"
#include "qt/window_proc.h"
#include "gfx/textures.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"
#include "scene/draw.h"
#include "scene/scene_state.h"
#include "scene/update.h"

namespace {

// A measuring hook and nothing else: with TARVIK_REPORT_STARTUP=1 the program
// prints when its window was first exposed and its first frame swapped (and
// ends there with TARVIK_EXIT_AFTER_FIRST_FRAME=1, saving nothing), so the
// start-up can be timed on the real executable. Play is never affected.
struct StartupReport {
    bool on = false;
    bool exitAfterFirstFrame = false;
    bool exposedSeen = false;
    bool frameSeen = false;
    double startMs = 0.0;
};
StartupReport s_report;

double MonotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

bool EnvironmentFlag(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && std::strcmp(value, "1") == 0;
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The clock is CLOCK_MONOTONIC, so a launcher can add the time before main.
void ReportStartupEvent(const char* what)
{
    const double now = MonotonicMs();
    std::printf("startup: %s at %.3f ms (monotonic), %.3f ms after entry, VmRSS %ld kB\n", what, now,
                now - s_report.startMs, ResidentKilobytes());
    std::fflush(stdout);
}

// How long start-up waits for the new window to be exposed before it shows a
// first cleared picture; a window that takes longer gets its first frame later.
constexpr int EXPOSE_WAIT_MS = 250;
// The clear colour of the fixed GL state (white), set again there.
constexpr GLfloat FIRST_CLEAR_COLOUR[4] = {1.0f, 1.0f, 1.0f, 0.5f};

void NoteFirstExposure()
{
    if (s_report.on && !s_report.exposedSeen && g_glWindow.area != nullptr && g_glWindow.area->isExposed()) {
        s_report.exposedSeen = true;
        ReportStartupEvent("window exposed");
    }
}

constexpr const char* WINDOW_TITLE = "Tarvik Solitaire";
constexpr int WINDOW_WIDTH = 640;
constexpr int WINDOW_HEIGHT = 480;
constexpr int WINDOW_COLOUR_BITS = 16;

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
bool FrameWanted()
{
    const GLWindow& window = g_glWindow;
    return window.visible && window.window != nullptr && window.area != nullptr && window.area->isExposed() &&
           !window.window->isMinimized() && TopLevelSeen(window.window);
}

void MakeFrame()
{
    if (!MakeWindowCurrent(g_glWindow)) {
        return;
    }
    const uint32_t now = SysTickCount();
    // Unsigned, so a counter that wrapped since the last frame still gives
    // the right difference.
    UpdateFrame(now - g_glWindow.lastTickCount);
    g_glWindow.lastTickCount = now;
    // A dialog opened by the update ran its own loop: the window may be gone
    // or hidden by now, and its context no longer current.
    if (g_glWindow.quitPosted || !FrameWanted() || !MakeWindowCurrent(g_glWindow)) {
        return;
    }
    DrawFrame();
    g_glWindow.renderContext->swapBuffers(g_glWindow.area);
    ++g_glWindow.framesPresented;
    if (s_report.on && !s_report.frameSeen) {
        s_report.frameSeen = true;
        glFinish();
        ReportStartupEvent("first frame swapped");
        if (s_report.exitAfterFirstFrame) {
            // A measuring run: it ends here and saves nothing, now or at exit.
            g_glWindow.quitPosted = true;
            g_glWindow.statsOwed = false;
        }
    }
}

// Making the pictures takes a good part of a second on a slow renderer: the
// window shows its menu bar and the table's white at once instead of whatever
// lay under it. Input waits in the queue; nothing but painting is handled.
void ShowClearedWindow()
{
    QTimer wait;  // its expiry wakes the wait for events
    wait.setSingleShot(true);
    wait.start(EXPOSE_WAIT_MS);
    while (g_glWindow.area != nullptr && !g_glWindow.area->isExposed() && !g_glWindow.quitPosted &&
           wait.isActive()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
    NoteFirstExposure();
    if (g_glWindow.quitPosted || !FrameWanted() || !MakeWindowCurrent(g_glWindow)) {
        return;
    }
    glClearColor(FIRST_CLEAR_COLOUR[0], FIRST_CLEAR_COLOUR[1], FIRST_CLEAR_COLOUR[2], FIRST_CLEAR_COLOUR[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g_glWindow.renderContext->swapBuffers(g_glWindow.area);
    if (s_report.on) {
        ReportStartupEvent("cleared window swapped");
    }
}

}  // namespace

StartResult StartApplication(Application& application)
{
    g_glWindow = GLWindow();
    g_glWindow.settings = {&application, WINDOW_TITLE, WINDOW_WIDTH, WINDOW_HEIGHT, WINDOW_COLOUR_BITS};
    if (!RegisterWindowClass(application)) {
        SysErrorBox("Error Registering Window Class!");
        return {false, -1};
    }
    WatchEndRequests();
    // The pictures are decoded on the other processor while the window and
    // its context are made; the textures are made from them below.
    StartDecodingPicturesAhead();
    // The cursors come before the window, as the window shows the arrow.
    LoadPointerCursors();
    if (!CreateWindowGL(g_glWindow)) {
        StopDecodingPicturesAhead();
        SysErrorBox("Error Creating OpenGL Window");
        return {false, 0};
    }
    ShowClearedWindow();
    if (!InitializeGraphics()) {
        TerminateApplication(g_glWindow);
        return {false, 0};
    }
    return {true, 0};
}

int RunLoopOnce()
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
    if (FrameWanted()) {
        MakeFrame();
    } else {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        TakeCloseRequest();
    }
    return g_glWindow.quitPosted ? 0 : 1;
}

void RepresentLastFrame()
{
    if (g_glWindow.framesPresented == 0 || g_glWindow.quitPosted || !FrameWanted() ||
        !MakeWindowCurrent(g_glWindow)) {
        return;
    }
    // The table's background changes only in a frame: the redraw must not be
    // the one that switches it on the full or half minute.
    const int32_t lastBackgroundSecond = g_lastBackgroundSecond;
    g_lastBackgroundSecond = SysSecondOfMinute();
    DrawFrame();
    g_lastBackgroundSecond = lastBackgroundSecond;
    g_glWindow.renderContext->swapBuffers(g_glWindow.area);
    ++g_glWindow.framesPresented;
}

void FinishApplication(Application& application)
{
    DestroyWindowGL(g_glWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    UnregisterWindowClass(application);
}

int RunApplication(int argc, char** argv)
{
    s_report.on = EnvironmentFlag("TARVIK_REPORT_STARTUP");
    s_report.exitAfterFirstFrame = s_report.on && EnvironmentFlag("TARVIK_EXIT_AFTER_FIRST_FRAME");
    s_report.startMs = MonotonicMs();
    if (s_report.on) {
        ReportStartupEvent("entry");
    }
    Application application;
    application.argc = argc;
    application.argv = argv;
    SaveAtProcessEnd();
    const StartResult start = StartApplication(application);
    if (start.exitCode != 0) {
        return start.exitCode;
    }
    if (start.runLoop) {
        while (RunLoopOnce() != 0) {
        }
    }
    FinishApplication(application);
    return 0;
}
