#include <QLabel>

#include "qt/platform/dialog_builder.h"
#include "qt/score_dialogs.h"
#include "store/stats_store.h"

namespace {

void ShowRecord(QDialog* dialog, int controlId, int record)
{
    if (auto* field = DialogItem<QLabel>(dialog, controlId)) {
        char text[STATS_RECORD_SIZE];
        CopyRecordText(record, text);
        field->setText(QString::fromLatin1(text));
    }
}

void FillHighScores(QDialog* dialog)
{
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        ShowRecord(dialog, HIGH_SCORE_NAME_FIELDS[rank], STATS_FIRST_NAME + rank);
        ShowRecord(dialog, HIGH_SCORE_SCORE_FIELDS[rank], STATS_FIRST_SCORE + rank);
    }
}

}  // namespace

int ShowHighScoresDialog(QWidget* owner)
{
    return ShowScoreDialog(DIALOG_HIGH_SCORES, CONTROL_CLEAR_HIGH_SCORES, ClearHighScores, FillHighScores, owner);
}
