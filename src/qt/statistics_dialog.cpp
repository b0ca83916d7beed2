#include <QLabel>
#include <QPushButton>

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
    const std::unique_ptr<QDialog> dialog = BuildDialog(DIALOG_STATISTICS, owner);
    QDialog* open = dialog.get();
    QObject::connect(DialogItem<QPushButton>(open, CONTROL_CLEAR_ALL_STATS), &QPushButton::clicked, open, [open] {
        ClearAllStats();
        FillStatisticsDialog(open);
    });
    QObject::connect(DialogItem<QPushButton>(open, CONTROL_OK), &QPushButton::clicked, open, &QDialog::accept);
    FillStatisticsDialog(open);
    return open->exec() == QDialog::Accepted ? 1 : 0;
}
