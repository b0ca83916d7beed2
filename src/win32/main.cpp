// The program's entry: the working folder, one copy per folder, the window
// class, the window with its graphics, the loop, and the end.

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/gl_window.h"
#include "gfx/textures.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "win32/gl_window.h"
#include "win32/main_loop.h"
#include "win32/player_folder.h"
#include "win32/platform/win32_platform.h"
#include "win32/trace.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (!EnterWorkingFolder() || !ClaimWorkingFolder()) {
        return 0;
    }
    Trace("started");
    // The OLE picture object decodes the backgrounds; the dialogs' buttons
    // and fields are the common controls the manifest asks for.
    const bool oleStarted = SUCCEEDED(OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Application application;
    application.instance = instance;
    g_glWindow = GLWindow();
    g_glWindow.settings = MAIN_WINDOW_SETTINGS;
    // The cursors come before the class, which shows the arrow.
    LoadPointerCursors();
    if (!RegisterWindowClass(application)) {
        SysErrorBox("Error Registering Window Class!");
        return -1;
    }
    // The store's pictures are decoded on the other processor while the
    // window and its context are made.
    StartDecodingPicturesAhead();
    if (!CreateWindowGL(g_glWindow, application)) {
        StopDecodingPicturesAhead();
        SysErrorBox("Error Creating OpenGL Window");
    } else {
        PublishMainWindow(g_win32Window.window);
        Trace("window made, statistics loaded");
        if (InitializeGraphics()) {
            Trace("graphics made");
            RunMessageLoop();
        } else {
            TerminateApplication(g_glWindow);
            Trace("statistics saved: no picture store");
        }
    }
    DestroyWindowGL(g_glWindow);
    UnregisterWindowClass(application);
    if (oleStarted) {
        OleUninitialize();
    }
    Trace("ended");
    return 0;
}
