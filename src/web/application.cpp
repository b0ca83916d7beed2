#include "web/application.h"

#include "app/application.h"
#include "app/gl_window.h"
#include "web/gl_window.h"
#include "web/main_loop.h"
#include "web/player_folder.h"

namespace {

int32_t s_width = 0;   // of the canvas at the start, device pixels
int32_t s_height = 0;

// The page is the window system, up before the program.
int StartPage() { return 1; }
void StopPage() {}
// The page held the one-copy lock before it started the program
// (page/single_instance.js).
int PageClaimed() { return 1; }
// A canvas has no window class; its pointer is set on it (window_proc.cpp).
int NoClass() { return 1; }
int CreateCanvasGL() { return CreateWindowGL(g_glWindow, s_width, s_height); }

constexpr ApplicationSteps WEB_STEPS = {
    .prepare = EnterPlayerFolder,
    .startWindowSystem = StartPage,
    .claimWorkingFolder = PageClaimed,
    .registerWindowClass = NoClass,
    .watchEndRequests = nullptr,  // the page hands hiding and closing to window_proc.cpp
    .createWindowGL = CreateCanvasGL,
    .windowShown = nullptr,
    .runLoop = RunMainLoop,
    .destroyWindowGL = DestroyWindowGL,
    .unregisterWindowClass = nullptr,
    .stopWindowSystem = StopPage,
    .milestone = nullptr,
    .cleanUp = nullptr,
};

}  // namespace

// The shared RunProgram would end the program as soon as the loop returns;
// the browser's loop returns at once and runs on, so the steps are taken here
// one by one, and the end comes with the command that asks for it.
int StartApplication(int32_t width, int32_t height)
{
    s_width = width;
    s_height = height;
    if (!WEB_STEPS.prepare()) {
        return 0;
    }
    const StartResult start = StartProgram(WEB_STEPS);
    if (!start.runLoop) {
        if (start.exitCode == 0) {
            EndProgram(WEB_STEPS);
        }
        return 0;
    }
    WEB_STEPS.runLoop();
    return 1;
}

void EndApplication()
{
    EndProgram(WEB_STEPS);
}
