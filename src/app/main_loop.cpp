#include "app/main_loop.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QWindow>

#include "app/gl_window.h"
#include "app/window_proc.h"
#include "gfx/textures.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "scene/draw.h"
#include "scene/update.h"

namespace {

constexpr const char* WINDOW_TITLE = "Tarvik Solitaire";
constexpr int WINDOW_WIDTH = 640;
constexpr int WINDOW_HEIGHT = 480;
constexpr int WINDOW_COLOUR_BITS = 16;

// Frames run while the window is shown and not minimised; without a window
// manager minimising only changes the state, so both are asked.
bool FrameWanted()
{
    const GLWindow& window = g_glWindow;
    return window.visible && window.window != nullptr && window.area != nullptr && window.area->isExposed() &&
           !window.window->isMinimized();
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
    // The cursors come before the window, as the window shows the arrow.
    LoadPointerCursors();
    if (!CreateWindowGL(g_glWindow)) {
        SysErrorBox("Error Creating OpenGL Window");
        return {false, 0};
    }
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
    if (g_glWindow.quitPosted) {
        return 0;
    }
    if (FrameWanted()) {
        MakeFrame();
    } else {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return g_glWindow.quitPosted ? 0 : 1;
}

void FinishApplication(Application& application)
{
    DestroyWindowGL(g_glWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    UnregisterWindowClass(application);
}

int RunApplication(int argc, char** argv)
{
    Application application;
    application.argc = argc;
    application.argv = argv;
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
