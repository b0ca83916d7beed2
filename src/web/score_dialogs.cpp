#include "web/score_dialogs.h"

#include <emscripten.h>

#include "store/score_tables.h"
#include "store/stats_store.h"
#include "ui/ids.h"
#include "web/main_loop.h"

EM_JS(void, PageOpenDialog, (int dialog), { tarvikPage.dialogs.open(dialog); });
EM_JS(void, PageCloseDialog, (int dialog), { tarvikPage.dialogs.close(dialog); });
// A field's text, Windows-1252 bytes up to the NUL.
EM_JS(void, PageSetField, (int dialog, int control, const char* text), {
    tarvikPage.dialogs.setField(dialog, control, HEAPU8.subarray(text, HEAPU8.indexOf(0, text)));
});

namespace {

void FillStatistics()
{
    for (const StatisticsField& field : STATISTICS_FIELDS) {
        char text[32];
        StatisticsFieldText(field, text);
        PageSetField(DIALOG_STATISTICS, field.controlId, text);
    }
}

void FillHighScores()
{
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        char text[STATS_RECORD_SIZE];
        CopyRecordText(STATS_FIRST_NAME + rank, text);
        PageSetField(DIALOG_HIGH_SCORES, HIGH_SCORE_NAME_FIELDS[rank], text);
        CopyRecordText(STATS_FIRST_SCORE + rank, text);
        PageSetField(DIALOG_HIGH_SCORES, HIGH_SCORE_SCORE_FIELDS[rank], text);
    }
}

void Open(int dialog)
{
    SetDialogOpen(1);
    PageOpenDialog(dialog);
}

}  // namespace

void ShowStatisticsDialog()
{
    FillStatistics();
    Open(DIALOG_STATISTICS);
}

void ShowHighScoresDialog()
{
    FillHighScores();
    Open(DIALOG_HIGH_SCORES);
}

void ShowAboutBox()
{
    Open(DIALOG_ABOUT);
}

extern "C" {

// "OK" closes a dialog; Escape and the close box close the About box alone,
// and the score dialogs, which have neither, answer only their buttons.
EMSCRIPTEN_KEEPALIVE void WebDialogCommand(int32_t dialog, int32_t control)
{
    if (control == CONTROL_OK || (dialog == DIALOG_ABOUT && control == CONTROL_CANCEL)) {
        PageCloseDialog(dialog);
        SetDialogOpen(0);
    } else if (dialog == DIALOG_STATISTICS && control == CONTROL_CLEAR_ALL_STATS) {
        ClearAllStats();
        FillStatistics();
    } else if (dialog == DIALOG_HIGH_SCORES && control == CONTROL_CLEAR_HIGH_SCORES) {
        ClearHighScores();
        FillHighScores();
    }
}

}  // extern "C"
