#pragma once
// The start and the end of the program on Win32: the steps the shared order
// (app/application.h) takes here.

#include <windows.h>

// The whole program, in its working folder: start, loop, end. Returns the
// process exit code: 0 after a normal end or a failed window, -1 when the
// window class could not be registered.
int RunApplication(HINSTANCE instance);
