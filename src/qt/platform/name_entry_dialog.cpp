#include <algorithm>
#include <cstring>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/platform.h"
#include "qt/platform/captionless_dialog.h"
#include "qt/platform/dialog_units.h"
#include "qt/platform/qt_platform.h"
#include "store/score_tables.h"

namespace {

constexpr int DIALOG_WIDTH = 186;
constexpr int DIALOG_HEIGHT = 65;

}  // namespace

int SysAskHighScoreName(char* answer, int capacity)
{
    if (capacity > 0) {
        answer[0] = '\0';
    }
    CaptionlessDialog dialog(g_mainWindow);
    // No close box: "OK" is the only way out.
    dialog.setWindowFlag(Qt::WindowCloseButtonHint, false);
    const DialogUnits units = SetUpDialog(&dialog, DIALOG_WIDTH, DIALOG_HEIGHT);

    auto* prompt = new QLabel(QStringLiteral("Enter Name For High Score:"), &dialog);
    prompt->setGeometry(units.Rect(7, 7, 110, 9));
    auto* field = new QLineEdit(&dialog);
    field->setObjectName(QString::number(CONTROL_NAME_FIELD));
    field->setGeometry(units.Rect(18, 19, 152, 14));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QString::number(CONTROL_OK));
    ok->setGeometry(units.Rect(67, 39, 50, 14));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog, field, answer, capacity] {
        // One byte per character (Latin-1), as the scene's font and the
        // score file hold it.
        const QByteArray bytes = field->text().toLatin1();
        const qsizetype length = std::min<qsizetype>(bytes.size(), capacity > 0 ? capacity - 1 : 0);
        if (capacity > 0) {
            std::memcpy(answer, bytes.constData(), static_cast<size_t>(length));
            answer[length] = '\0';
        }
        dialog.accept();
    });
    // The dialog opens with the focus on the first control that takes it.
    ok->setFocus();

    dialog.exec();
    return 1;
}
