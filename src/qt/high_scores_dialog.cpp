#include <QLabel>
#include <QPushButton>

#include "qt/platform/captionless_dialog.h"
#include "qt/platform/dialog_units.h"
#include "qt/score_dialogs.h"
#include "store/stats_store.h"

namespace {

constexpr int DIALOG_WIDTH = 150;
constexpr int DIALOG_HEIGHT = 178;
constexpr int FIRST_ROW_Y = 25, ROW_STEP = 12;
constexpr int NAME_X = 20, NAME_WIDTH = 82;
constexpr int SCORE_X = 85, SCORE_WIDTH = 43;
constexpr int FIELD_HEIGHT = 11;

QLabel* AddField(QWidget* parent, int controlId, QRect rect, Qt::Alignment align)
{
    auto* field = new QLabel(parent);
    field->setObjectName(QString::number(controlId));
    field->setAlignment(align | Qt::AlignVCenter);
    field->setGeometry(rect);
    // Painted opaque, so a long name is cut where the score field starts.
    field->setAutoFillBackground(true);
    return field;
}

QString RecordText(int index)
{
    char text[STATS_RECORD_SIZE];
    CopyRecordText(index, text);
    return QString::fromLatin1(text);
}

void FillHighScores(QDialog* dialog)
{
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        if (auto* name = dialog->findChild<QLabel*>(QString::number(HIGH_SCORE_NAME_FIELDS[rank]))) {
            name->setText(RecordText(STATS_FIRST_NAME + rank));
        }
        if (auto* score = dialog->findChild<QLabel*>(QString::number(HIGH_SCORE_SCORE_FIELDS[rank]))) {
            score->setText(RecordText(STATS_FIRST_SCORE + rank));
        }
    }
}

}  // namespace

int ShowHighScoresDialog(QWidget* owner)
{
    CaptionlessDialog dialog(owner);
    const DialogUnits units = SetUpDialog(&dialog, DIALOG_WIDTH, DIALOG_HEIGHT);

    auto* heading = new QLabel(QStringLiteral("High Scores"), &dialog);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameStyle(QFrame::Box | QFrame::Plain);
    heading->setGeometry(units.Rect(7, 7, 136, 16));
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        const int y = FIRST_ROW_Y + ROW_STEP * rank;
        AddField(&dialog, HIGH_SCORE_NAME_FIELDS[rank], units.Rect(NAME_X, y, NAME_WIDTH, FIELD_HEIGHT),
                 Qt::AlignLeft);
        AddField(&dialog, HIGH_SCORE_SCORE_FIELDS[rank], units.Rect(SCORE_X, y, SCORE_WIDTH, FIELD_HEIGHT),
                 Qt::AlignRight);
    }

    auto* clear = new QPushButton(QStringLiteral("Clear"), &dialog);
    clear->setObjectName(QString::number(CONTROL_CLEAR_HIGH_SCORES));
    clear->setGeometry(units.Rect(7, 156, 62, 15));
    clear->setAutoDefault(false);
    QObject::connect(clear, &QPushButton::clicked, &dialog, [&dialog] {
        ClearHighScores();
        FillHighScores(&dialog);
    });
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QString::number(CONTROL_OK));
    ok->setGeometry(units.Rect(81, 156, 62, 15));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    FillHighScores(&dialog);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}
