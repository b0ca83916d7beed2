#include "web/main_loop.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <cstdint>

#include "app/frame.h"
#include "app/gl_window.h"
#include "web/gl_window.h"

namespace {

bool s_running = false;     // the browser calls Step each refresh
bool s_dialogOpen = false;
int s_timer = 0;            // the rest's timer, 0 when none

EM_JS(int, PageShown, (), { return document.visibilityState === 'visible' ? 1 : 0; });

int MakeCurrent() { return MakeWindowCurrent(); }

// The browser shows what was drawn when the frame callback returns.
void Swap() {}

int SurfaceSeen() { return CanBeSeen(); }

constexpr FrameSurface WEB_SURFACE = {SurfaceSeen, MakeCurrent, Swap};

void CancelTimer()
{
    if (s_timer != 0) {
        emscripten_clear_timeout(s_timer);
        s_timer = 0;
    }
}

void TimerExpired(void*)
{
    s_timer = 0;
    WakeLoop();
}

// Nothing changes: no frame callbacks until an event, or until the timed
// change of the cloth the core names. Hidden or in a dialog: until an event.
void Rest()
{
    const int32_t wait = FrameWait(CanBeSeen() != 0);
    if (s_running) {
        emscripten_pause_main_loop();
        s_running = false;
    }
    CancelTimer();
    if (wait > 0) {
        s_timer = emscripten_set_timeout(TimerExpired, wait, nullptr);
    }
}

// One refresh: a frame when the picture can change, otherwise the rest. The
// browser paces the frames (the display's refresh): the core's own pacing
// by whole milliseconds would skip every other refresh.
void Step()
{
    if (g_glWindow.quitPosted) {
        return;
    }
    if (CanBeSeen() && FrameNeeded()) {
        MakeFrame(WEB_SURFACE);
        return;
    }
    Rest();
}

}  // namespace

int CanBeSeen()
{
    return g_glWindow.visible && !g_glWindow.quitPosted && !s_dialogOpen && PageShown() ? 1 : 0;
}

void RunMainLoop()
{
    s_running = true;
    emscripten_set_main_loop(Step, 0, 0);
}

void WakeLoop()
{
    if (s_running || g_glWindow.quitPosted) {
        return;
    }
    if (!CanBeSeen() || !FrameNeeded()) {
        Rest();
        return;
    }
    CancelTimer();
    LoopWoke();
    s_running = true;
    emscripten_resume_main_loop();
}

void SetDialogOpen(int open)
{
    s_dialogOpen = open != 0;
    if (!s_dialogOpen) {
        WakeLoop();
    }
}
