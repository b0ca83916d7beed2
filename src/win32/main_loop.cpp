#include "win32/main_loop.h"

#include <windows.h>

#include <cstdint>

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

// The loop's one wait: until the next message arrives, or at most `ms`
// milliseconds when >= 0 (the next frame of a paced animation, or the next
// switch of the table's background). Nothing else in the loop sleeps.
void WaitForNextMessage(int32_t ms)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, ms < 0 ? INFINITE : static_cast<DWORD>(ms), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
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
            continue;
        }
        // A frame only when the picture can change; minimised, or with
        // nothing to draw, the loop sleeps until a message comes.
        const int32_t wait = g_glWindow.quitPosted ? -1 : FrameWait(CanBeSeen() != 0);
        if (wait == 0) {
            if (MakeFrame(WIN32_SURFACE) && !firstFrameTraced) {
                firstFrameTraced = true;
                Trace("first frame");
            }
        } else {
            WaitForNextMessage(wait);
            LoopWoke();
        }
    }
}

void RepresentWin32Frame()
{
    RepresentLastFrame(WIN32_SURFACE);
}
