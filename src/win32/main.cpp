// The program's entry on Windows.

#include <windows.h>

#include "win32/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunApplication(instance);
}
