#include <QLabel>

#include "qt/platform/dialog_builder.h"
#include "qt/score_dialogs.h"
#include "store/stats_store.h"

void FillStatisticsDialog(QDialog* dialog)
{
    for (const StatisticsField& field : STATISTICS_FIELDS) {
        if (auto* value = DialogItem<QLabel>(dialog, field.controlId)) {
            char text[32];
            StatisticsFieldText(field, text);
            value->setText(QString::fromLatin1(text));
        }
    }
}

int ShowStatisticsDialog(QWidget* owner)
{
    return ShowScoreDialog(DIALOG_STATISTICS, CONTROL_CLEAR_ALL_STATS, ClearAllStats, FillStatisticsDialog, owner);
}
