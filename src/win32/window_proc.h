#pragma once
// The main window's procedure: turns the window's messages into the core's
// inputs (app/window_proc.h, app/menu.h) and carries out what a command
// leaves to the shell: the dialogs and the window's end.

#include <windows.h>

// Rows of the first viewport hidden under the menu bar, added to the
// pointer's y until the window is maximised.
constexpr int HIDDEN_MENU_ROWS = 20;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
