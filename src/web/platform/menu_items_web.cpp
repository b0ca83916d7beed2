// Menu states on the page's HTML menu bar, by command number.

#include <emscripten.h>

#include "platform/platform.h"

EM_JS(void, PageEnableMenuItem, (int command, int enabled), { tarvikPage.menuBar.enable(command, enabled); });
EM_JS(void, PageCheckMenuItem, (int command, int checked), { tarvikPage.menuBar.check(command, checked); });

void SysEnableMenuItem(int command, int enabled)
{
    PageEnableMenuItem(command, enabled);
}

void SysCheckMenuItem(int command, int checked)
{
    PageCheckMenuItem(command, checked);
}
