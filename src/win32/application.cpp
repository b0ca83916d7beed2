#include "win32/application.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/application.h"
#include "win32/gl_window.h"
#include "win32/main_loop.h"
#include "win32/player_folder.h"
#include "win32/single_instance.h"
#include "win32/trace.h"

namespace {

Application s_application;
bool s_oleStarted = false;

// The OLE picture object decodes the backgrounds; the dialogs' buttons and
// fields are the common controls the manifest asks for.
int StartSystem()
{
    s_oleStarted = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return 1;
}

int RegisterMainClass() { return RegisterWindowClass(s_application); }
int CreateMainWindow() { return CreateWindowGL(g_glWindow, s_application); }
void PublishWindow() { PublishMainWindow(g_win32Window.window); }
void DestroyMainWindow() { DestroyWindowGL(g_glWindow); }
void UnregisterMainClass() { UnregisterWindowClass(s_application); }

void StopSystem()
{
    if (s_oleStarted) {
        OleUninitialize();
        s_oleStarted = false;
    }
}

constexpr ApplicationSteps WIN32_STEPS = {
    .prepare = EnterWorkingFolder,
    .startWindowSystem = StartSystem,
    .claimWorkingFolder = ClaimWorkingFolder,
    .registerWindowClass = RegisterMainClass,
    .watchEndRequests = nullptr,  // the end of the session reaches the window procedure
    .createWindowGL = CreateMainWindow,
    .windowShown = PublishWindow,
    .runLoop = RunMessageLoop,
    .destroyWindowGL = DestroyMainWindow,
    .unregisterWindowClass = UnregisterMainClass,
    .stopWindowSystem = StopSystem,
    .milestone = Trace,
    .cleanUp = nullptr,
};

}  // namespace

int RunApplication(HINSTANCE instance)
{
    s_application.instance = instance;
    return RunProgram(WIN32_STEPS);
}
