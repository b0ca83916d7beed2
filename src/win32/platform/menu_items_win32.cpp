// Menu item states by command number, on the main window's menu.

#include "platform/platform.h"
#include "win32/platform/win32_platform.h"

HWND g_mainWindow = nullptr;

void SysEnableMenuItem(int command, int enabled)
{
    if (g_mainWindow != nullptr) {
        // Greyed means grey and disabled (MF_GRAYED | MF_DISABLED).
        EnableMenuItem(GetMenu(g_mainWindow), static_cast<UINT>(command),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
    }
}

void SysCheckMenuItem(int command, int checked)
{
    if (g_mainWindow != nullptr) {
        CheckMenuItem(GetMenu(g_mainWindow), static_cast<UINT>(command),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}
