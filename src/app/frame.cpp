#include "app/frame.h"

#include "app/gl_window.h"
#include "platform/platform.h"
#include "scene/draw.h"
#include "scene/scene_state.h"
#include "scene/update.h"

namespace {

bool Ready(const FrameSurface& surface)
{
    return !g_glWindow.quitPosted && surface.canBeSeen() && surface.makeCurrent();
}

void Present(const FrameSurface& surface)
{
    surface.swapBuffers();
    ++g_glWindow.framesPresented;
}

}  // namespace

int MakeFrame(const FrameSurface& surface)
{
    if (!surface.makeCurrent()) {
        return 0;
    }
    const uint32_t now = SysTickCount();
    UpdateFrame(now - g_glWindow.lastTickCount);
    g_glWindow.lastTickCount = now;
    if (!Ready(surface)) {
        return 0;
    }
    DrawFrame();
    Present(surface);
    return 1;
}

int RepresentLastFrame(const FrameSurface& surface)
{
    if (g_glWindow.framesPresented == 0 || !Ready(surface)) {
        return 0;
    }
    // The table's background changes only in a frame: the redraw must not be
    // the one that switches it on the full or half minute.
    const int32_t lastBackgroundSecond = g_lastBackgroundSecond;
    g_lastBackgroundSecond = SysSecondOfMinute();
    DrawFrame();
    g_lastBackgroundSecond = lastBackgroundSecond;
    Present(surface);
    return 1;
}
