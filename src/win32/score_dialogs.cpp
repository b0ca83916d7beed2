#include "win32/score_dialogs.h"

#include "store/score_tables.h"
#include "store/stats_store.h"
#include "ui/ids.h"
#include "win32/platform/win32_platform.h"
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

namespace {

// A score dialog's commands: "OK" closes it, its clear button clears and
// fills it again; Escape (IDCANCEL) and any other command do nothing.
INT_PTR ScoreDialogCommand(HWND dialog, UINT message, WPARAM wParam, int32_t clearControl, void (*clear)(),
                           void (*fill)(HWND))
{
    if (message == WM_INITDIALOG) {
        fill(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    if (LOWORD(wParam) == CONTROL_OK) {
        EndDialog(dialog, 1);
        return TRUE;
    }
    if (LOWORD(wParam) == clearControl) {
        clear();
        fill(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK StatisticsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return ScoreDialogCommand(dialog, message, wParam, CONTROL_CLEAR_ALL_STATS, ClearAllStats, FillStatisticsDialog);
}

// "Clear" has its own command; Escape clears nothing and closes nothing.
INT_PTR CALLBACK HighScoresDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return ScoreDialogCommand(dialog, message, wParam, CONTROL_CLEAR_HIGH_SCORES, ClearHighScores, FillHighScores);
}

void ShowStatisticsDialog()
{
    Show(DIALOG_STATISTICS, StatisticsDialogProc, "statistics dialog");
}

void ShowHighScoresDialog()
{
    Show(DIALOG_HIGH_SCORES, HighScoresDialogProc, "high-score dialog");
}
