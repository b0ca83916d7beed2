#include "win32/main_loop.h"

#include <windows.h>

#include "app/frame.h"
#include "app/gl_window.h"
#include "win32/gl_window.h"
#include "win32/trace.h"

namespace {

int CanBeSeen()
{
    const HWND window = g_win32Window.window;
    return g_glWindow.visible && window != nullptr && !IsIconic(window) ? 1 : 0;
}

int MakeCurrent() { return MakeWindowCurrent(); }

void Swap() { SwapBuffers(g_win32Window.deviceContext); }

constexpr FrameSurface WIN32_SURFACE = {CanBeSeen, MakeCurrent, Swap};

// The loop's one wait: until the next message arrives. Nothing else in the
// loop sleeps.
void WaitForNextMessage()
{
    WaitMessage();
}

}  // namespace

void RunMessageLoop()
{
    MSG message;
    bool firstFrameTraced = false;
    for (;;) {
        // Every message of the thread, not only the main window's: a message
        // posted to another of its windows would otherwise stay queued for
        // good, and WM_QUIT goes to the thread once the window is gone.
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return;
            }
            DispatchMessageA(&message);
        } else if (!g_glWindow.quitPosted && CanBeSeen()) {
            if (MakeFrame(WIN32_SURFACE) && !firstFrameTraced) {
                firstFrameTraced = true;
                Trace("first frame");
            }
        } else {
            WaitForNextMessage();
        }
    }
}

void RepresentWin32Frame()
{
    RepresentLastFrame(WIN32_SURFACE);
}
