#include "win32/menu_commands.h"

#include "app/gl_window.h"
#include "win32/about_box.h"
#include "win32/gl_window.h"
#include "win32/score_dialogs.h"
#include "win32/trace.h"

void WindowCommand(int32_t command)
{
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
        // The window goes first; the quit message then goes to the thread.
        DestroyWindowGL(g_glWindow);
        TerminateApplication(g_glWindow);
        Trace("statistics saved: exit");
        break;
    case SHELL_NOTHING:
        break;
    }
}
