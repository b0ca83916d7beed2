#include "qt/score_dialogs.h"

#include <QPushButton>

#include "qt/platform/dialog_builder.h"

int ShowScoreDialog(int32_t id, int32_t clearControl, void (*clear)(), void (*fill)(QDialog*), QWidget* owner)
{
    const std::unique_ptr<QDialog> dialog = BuildDialog(id, owner);
    QDialog* open = dialog.get();
    QObject::connect(DialogItem<QPushButton>(open, clearControl), &QPushButton::clicked, open, [open, clear, fill] {
        clear();
        fill(open);
    });
    QObject::connect(DialogItem<QPushButton>(open, CONTROL_OK), &QPushButton::clicked, open, &QDialog::accept);
    fill(open);
    return open->exec() == QDialog::Accepted ? 1 : 0;
}
