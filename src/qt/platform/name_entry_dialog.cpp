#include <algorithm>
#include <cstring>

#include <QLineEdit>
#include <QPushButton>

#include "platform/platform.h"
#include "qt/platform/dialog_builder.h"
#include "qt/platform/qt_platform.h"
#include "store/score_tables.h"

int SysAskHighScoreName(char* answer, int capacity)
{
    if (capacity > 0) {
        answer[0] = '\0';
    }
    // No caption, no close box: "OK" is the only way out.
    const std::unique_ptr<QDialog> dialog = BuildDialog(DIALOG_NAME_ENTRY, g_mainWindow);
    QDialog* open = dialog.get();
    auto* field = DialogItem<QLineEdit>(open, CONTROL_NAME_FIELD);
    QObject::connect(DialogItem<QPushButton>(open, CONTROL_OK), &QPushButton::clicked, open,
                     [open, field, answer, capacity] {
                         // One byte per character (Latin-1), as the scene's font and the
                         // score file hold it.
                         const QByteArray bytes = field->text().toLatin1();
                         const qsizetype length =
                             std::min<qsizetype>(bytes.size(), capacity > 0 ? capacity - 1 : 0);
                         if (capacity > 0) {
                             std::memcpy(answer, bytes.constData(), static_cast<size_t>(length));
                             answer[length] = '\0';
                         }
                         open->accept();
                     });
    open->exec();
    return 1;
}
