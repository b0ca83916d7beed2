// The program's entry on the page. The page's script starts it once it holds
// the one-copy lock, has the player's folder filled from the browser's
// storage and the pictures decoded (page/loader.js): then the cursors, the
// GL surface with the statistics loaded, the graphics, and the loop.

#include <emscripten.h>

#include <cstdint>

#include "app/gl_window.h"
#include "gfx/textures.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "web/gl_window.h"
#include "web/main_loop.h"
#include "web/player_folder.h"

extern "C" {

// Starts the game on a canvas of w x h device pixels. 1 when it runs.
EMSCRIPTEN_KEEPALIVE int WebStart(int32_t width, int32_t height)
{
    if (!EnterPlayerFolder()) {
        SysErrorBox("Error Creating OpenGL Window");
        return 0;
    }
    g_glWindow = GLWindow();
    g_glWindow.settings = MAIN_WINDOW_SETTINGS;
    LoadPointerCursors();
    if (!CreateWindowGL(g_glWindow, width, height)) {
        SysErrorBox("Error Creating OpenGL Window");
        return 0;
    }
    if (!InitializeGraphics()) {
        TerminateApplication(g_glWindow);
        return 0;
    }
    RunMainLoop();
    return 1;
}

}  // extern "C"

// The page starts the game itself (WebStart); the runtime only gets ready.
int main()
{
    return 0;
}
