#pragma once
// The About box (dialog 103): the program's icon and name, a thank-you line,
// OK, and the product page as a link that the shell opens.

#include <windows.h>

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Opens the About box over the main window and returns when it is closed.
void ShowAboutBox();
