#include "win32/score_dialogs.h"

#include "store/score_tables.h"
#include "store/stats_store.h"
#include "win32/platform/win32_platform.h"
#include "ui/ids.h"
#include "win32/trace.h"

namespace {

void FillHighScores(HWND dialog)
{
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        char text[STATS_RECORD_SIZE];
        CopyRecordText(STATS_FIRST_NAME + rank, text);
        SetDlgItemTextA(dialog, HIGH_SCORE_NAME_FIELDS[rank], text);
        CopyRecordText(STATS_FIRST_SCORE + rank, text);
        SetDlgItemTextA(dialog, HIGH_SCORE_SCORE_FIELDS[rank], text);
    }
}

void Show(int resource, DLGPROC procedure, const char* name)
{
    Trace(name);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), g_mainWindow, procedure, 0);
}

}  // namespace

void FillStatisticsDialog(HWND dialog)
{
    for (const StatisticsField& field : STATISTICS_FIELDS) {
        char text[32];
        StatisticsFieldText(field, text);
        SetDlgItemTextA(dialog, field.controlId, text);
    }
}

// Escape (IDCANCEL) and any other command do nothing: only "OK" closes it.
INT_PTR CALLBACK StatisticsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        FillStatisticsDialog(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case CONTROL_OK:
        EndDialog(dialog, 1);
        return TRUE;
    case CONTROL_CLEAR_ALL_STATS:
        ClearAllStats();
        FillStatisticsDialog(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

// "Clear" has its own command; Escape clears nothing and closes nothing.
INT_PTR CALLBACK HighScoresDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        FillHighScores(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case CONTROL_OK:
        EndDialog(dialog, 1);
        return TRUE;
    case CONTROL_CLEAR_HIGH_SCORES:
        ClearHighScores();
        FillHighScores(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

void ShowStatisticsDialog()
{
    Show(DIALOG_STATISTICS, StatisticsDialogProc, "statistics dialog");
}

void ShowHighScoresDialog()
{
    Show(DIALOG_HIGH_SCORES, HighScoresDialogProc, "high-score dialog");
}
