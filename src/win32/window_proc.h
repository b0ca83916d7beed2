#pragma once
// The window procedure, the Win32 half (the rules are the shared half,
// app/window_proc.h): turns the main window's messages into the core's
// inputs; menu commands go to menu_commands.h.

#include <windows.h>

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
