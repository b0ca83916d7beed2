#include <QLabel>
#include <QPushButton>

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
    const std::unique_ptr<QDialog> dialog = BuildDialog(DIALOG_HIGH_SCORES, owner);
    QDialog* open = dialog.get();
    QObject::connect(DialogItem<QPushButton>(open, CONTROL_CLEAR_HIGH_SCORES), &QPushButton::clicked, open, [open] {
        ClearHighScores();
        FillHighScores(open);
    });
    QObject::connect(DialogItem<QPushButton>(open, CONTROL_OK), &QPushButton::clicked, open, &QDialog::accept);
    FillHighScores(open);
    return open->exec() == QDialog::Accepted ? 1 : 0;
}
