#pragma once
// The statistics dialog (129) and the high-score dialog (133), modal, owned
// by the main window, filled from the shared tables of their fields.

#include <windows.h>

INT_PTR CALLBACK StatisticsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK HighScoresDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Writes the 22 value fields of the open statistics dialog.
void FillStatisticsDialog(HWND dialog);

// Open the dialog and return when it is closed.
void ShowStatisticsDialog();
void ShowHighScoresDialog();
