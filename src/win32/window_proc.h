#pragma once
// The window procedure, the Win32 half (the rules are the shared half,
// app/window_proc.h): turns the main window's messages into the core's
// inputs; menu commands go to menu_commands.h.

#include <windows.h>

// Rows of the first viewport hidden under the menu bar, added to the
// pointer's y until the window is maximised.
constexpr int HIDDEN_MENU_ROWS = 20;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
