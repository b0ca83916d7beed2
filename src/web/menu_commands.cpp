#include "web/menu_commands.h"

#include <emscripten.h>

#include "app/gl_window.h"
#include "app/menu.h"
#include "web/application.h"
#include "web/main_loop.h"
#include "web/score_dialogs.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void WebMenuCommand(int32_t command)
{
    if (g_glWindow.quitPosted) {
        return;
    }
    switch (HandleMenuCommand(command)) {
    case SHELL_HIGH_SCORES:
        ShowHighScoresDialog();
        break;
    case SHELL_STATISTICS:
        ShowStatisticsDialog();
        break;
    case SHELL_ABOUT:
        ShowAboutBox();
        break;
    case SHELL_EXIT:
        // What the close box does: the statistics saved, the loop ended; the
        // page then says the game has ended (SysPostQuit).
        TerminateApplication(g_glWindow);
        EndApplication();
        break;
    case SHELL_NOTHING:
        break;
    }
    WakeLoop();
}

}  // extern "C"
