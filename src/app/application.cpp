#include "app/application.h"

#include "app/gl_window.h"
#include "gfx/textures.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"

namespace {

void Milestone(const ApplicationSteps& steps, const char* what)
{
    if (steps.milestone != nullptr) {
        steps.milestone(what);
    }
}

}  // namespace

StartResult StartProgram(const ApplicationSteps& steps)
{
    g_glWindow = GLWindow();
    g_glWindow.settings = MAIN_WINDOW_SETTINGS;
    if (!steps.startWindowSystem()) {
        SysErrorBox("RegisterClassEx Failed!");
        SysErrorBox("Error Registering Window Class!");
        return {false, -1};
    }
    // A second copy in the same folder only brings the first one forward.
    if (!steps.claimWorkingFolder()) {
        return {false, 0};
    }
    Milestone(steps, "started");
    // The cursors come before the class, which shows the arrow.
    LoadPointerCursors();
    if (!steps.registerWindowClass()) {
        SysErrorBox("RegisterClassEx Failed!");
        SysErrorBox("Error Registering Window Class!");
        return {false, -1};
    }
    if (steps.watchEndRequests != nullptr) {
        steps.watchEndRequests();
    }
    // The store's pictures are decoded on the other processor while the
    // window and its context are made; the textures are made from them below.
    StartDecodingPicturesAhead();
    if (!steps.createWindowGL()) {
        StopDecodingPicturesAhead();
        SysErrorBox("Error Creating OpenGL Window");
        return {false, 0};
    }
    if (steps.windowShown != nullptr) {
        steps.windowShown();
    }
    Milestone(steps, "window made, statistics loaded");
    if (!InitializeGraphics()) {
        TerminateApplication(g_glWindow);
        Milestone(steps, "statistics saved: no picture store");
        return {false, 0};
    }
    Milestone(steps, "graphics made");
    return {true, 0};
}

void EndProgram(const ApplicationSteps& steps)
{
    steps.destroyWindowGL();
    if (steps.unregisterWindowClass != nullptr) {
        steps.unregisterWindowClass();
    }
    steps.stopWindowSystem();
    Milestone(steps, "ended");
}

int RunProgram(const ApplicationSteps& steps)
{
    if (!steps.prepare()) {
        return 0;
    }
    const StartResult start = StartProgram(steps);
    if (start.exitCode == 0) {
        if (start.runLoop) {
            steps.runLoop();
        }
        EndProgram(steps);
    }
    if (steps.cleanUp != nullptr) {
        steps.cleanUp();
    }
    return start.exitCode;
}
