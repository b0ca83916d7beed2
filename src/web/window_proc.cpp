#include "web/window_proc.h"

#include <emscripten.h>

#include "app/frame.h"
#include "app/gl_window.h"
#include "app/window_proc.h"
#include "game/lifting.h"
#include "platform/common/cursors.h"
#include "web/gl_window.h"
#include "web/main_loop.h"
#include "web/player_folder.h"

void ShowClassCursor()
{
    // Without its file the canvas has no pointer of its own and keeps the
    // shape it has.
    if (!g_holding && g_arrowCursor != 0) {
        SetPointerCursor(0);
    }
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void WebPointerMoved(int32_t x, int32_t y)
{
    // The canvas is the whole drawing area: no rows lie hidden above it.
    UpdatePointer(x, y, 0);
    ShowClassCursor();
    WakeLoop();
}

EMSCRIPTEN_KEEPALIVE void WebPointerPressed(int32_t x, int32_t y, int32_t secondOfDouble)
{
    UpdatePointer(x, y, 0);
    if (!secondOfDouble && MakeWindowCurrent()) {
        PointerPressed();
    }
    WakeLoop();
}

EMSCRIPTEN_KEEPALIVE void WebPointerReleased(int32_t x, int32_t y)
{
    UpdatePointer(x, y, 0);
    PointerReleased();
    ShowClassCursor();
    WakeLoop();
}

EMSCRIPTEN_KEEPALIVE void WebResized(int32_t width, int32_t height)
{
    ResizeWindowGL(width, height);
    WakeLoop();
}

EMSCRIPTEN_KEEPALIVE void WebVisibilityChanged(int32_t shown)
{
    if (shown) {
        PictureChanged();
        WakeLoop();
    } else {
        KeepStats();
        WakeLoop();  // rests: no frames, no timer while hidden
    }
}

EMSCRIPTEN_KEEPALIVE void WebPageHidden()
{
    KeepStats();
}

}  // extern "C"
