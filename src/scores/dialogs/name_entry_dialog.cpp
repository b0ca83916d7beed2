#include <cstring>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/qt_platform.h"
#include "scores/dialogs/captionless_dialog.h"
#include "scores/dialogs/dialog_units.h"
#include "scores/dialogs/score_dialogs.h"
#include "scores/high_score.h"

namespace {

constexpr int DIALOG_WIDTH = 186;
constexpr int DIALOG_HEIGHT = 65;

// The entered name as the scene's font and the score file hold it: one byte
// per character (Latin-1), at most 29 characters, NUL-terminated.
void TakeName(const QString& text)
{
    const QByteArray bytes = text.left(HIGH_SCORE_NAME_SIZE - 1).toLatin1();
    std::memset(g_highScoreName, 0, sizeof g_highScoreName);
    std::memcpy(g_highScoreName, bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

int AskHighScoreName()
{
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
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog, field] {
        TakeName(field->text());
        dialog.accept();
    });
    // The dialog opens with the focus on the first control that takes it.
    ok->setFocus();

    dialog.exec();
    return 1;
}
