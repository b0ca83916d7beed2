#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "qt/platform/captionless_dialog.h"
#include "qt/platform/dialog_units.h"
#include "qt/score_dialogs.h"
#include "store/stats_store.h"

namespace {

constexpr int DIALOG_WIDTH = 186;
constexpr int DIALOG_HEIGHT = 291;

// One group box per game, top to bottom; group g shows the fields 4g..4g+3 of
// STATISTICS_FIELDS (lifetime wins, lifetime losses, session wins, losses).
struct GameGroup {
    const char* title;
    int y;
};

constexpr GameGroup GAME_GROUPS[] = {
    {"Klondike",        13},
    {"Freecell",        55},
    {"Scorpion",        95},
    {"Mount Sunflower", 135},
    {"Baker's Dozen",   175},
};
constexpr int GAME_GROUP_COUNT = sizeof GAME_GROUPS / sizeof GAME_GROUPS[0];
static_assert(GAME_GROUP_COUNT * 4 + 2 == STATISTICS_FIELD_COUNT);

constexpr int GROUP_X = 13, GROUP_WIDTH = 158, GROUP_HEIGHT = 36;
constexpr int WINS_LINE = 10, LOSSES_LINE = 21;            // below the group's top
constexpr int LIFETIME_VALUE_X = 71, SESSION_VALUE_X = 147;
constexpr int VALUE_WIDTH = 22, VALUE_HEIGHT = 8;
// Labels end just left of their values. The session labels reach into the
// lifetime value fields, whose counts are short: the dialog font on this
// system is wider for these words than the average character width says.
constexpr int LIFETIME_LABEL_X = 14, SESSION_LABEL_X = 86;
constexpr int GROUP_TITLE_INDENT = 5, GROUP_TITLE_HEIGHT = 8;
constexpr int TOTALS_Y = 218;

QLabel* AddLabel(QWidget* parent, const DialogUnits& units, const char* text, int x, int y, int right)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(units.Rect(x, y, right - x, VALUE_HEIGHT));
    return label;
}

void AddValue(QWidget* parent, const DialogUnits& units, int controlId, int x, int y)
{
    auto* value = new QLabel(QStringLiteral("0"), parent);
    value->setObjectName(QString::number(controlId));
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    value->setGeometry(units.Rect(x, y, VALUE_WIDTH, VALUE_HEIGHT));
}

void AddLine(QWidget* parent, const DialogUnits& units, int y, const char* lifetime, int lifetimeId,
             const char* session, int sessionId)
{
    AddLabel(parent, units, lifetime, LIFETIME_LABEL_X, y, LIFETIME_VALUE_X - 2);
    AddValue(parent, units, lifetimeId, LIFETIME_VALUE_X, y);
    AddLabel(parent, units, session, SESSION_LABEL_X, y, SESSION_VALUE_X - 2);
    AddValue(parent, units, sessionId, SESSION_VALUE_X, y);
}

// A frame whose title sits on its top line, the line broken behind the title.
void AddGroupBox(QWidget* parent, const DialogUnits& units, const char* title, int y)
{
    const int half = GROUP_TITLE_HEIGHT / 2;
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(units.Rect(GROUP_X, y + half, GROUP_WIDTH, GROUP_HEIGHT - half));
    frame->lower();
    auto* label = new QLabel(QString::fromLatin1(title), parent);
    label->setAutoFillBackground(true);
    label->move(units.Rect(GROUP_X + GROUP_TITLE_INDENT, y, 0, 0).topLeft());
    label->adjustSize();
}

}  // namespace

void FillStatisticsDialog(QDialog* dialog)
{
    for (const StatisticsField& field : STATISTICS_FIELDS) {
        auto* value = dialog->findChild<QLabel*>(QString::number(field.controlId));
        if (value == nullptr) {
            continue;
        }
        char text[32];
        StatisticsFieldText(field, text);
        value->setText(QString::fromLatin1(text));
    }
}

int ShowStatisticsDialog(QWidget* owner)
{
    CaptionlessDialog dialog(owner);
    const DialogUnits units = SetUpDialog(&dialog, DIALOG_WIDTH, DIALOG_HEIGHT);
    for (int g = 0; g < GAME_GROUP_COUNT; ++g) {
        const GameGroup& group = GAME_GROUPS[g];
        const StatisticsField* fields = &STATISTICS_FIELDS[4 * g];
        AddGroupBox(&dialog, units, group.title, group.y);
        AddLine(&dialog, units, group.y + WINS_LINE, "Lifetime Wins:", fields[0].controlId, "Session Wins:",
                fields[2].controlId);
        AddLine(&dialog, units, group.y + LOSSES_LINE, "Lifetime Losses:", fields[1].controlId,
                "Session Losses:", fields[3].controlId);
    }
    const StatisticsField* totals = &STATISTICS_FIELDS[4 * GAME_GROUP_COUNT];
    AddLine(&dialog, units, TOTALS_Y, "Lifetime Games:", totals[0].controlId, "Session Games:",
            totals[1].controlId);

    auto* clear = new QPushButton(QStringLiteral("Clear All Stats"), &dialog);
    clear->setObjectName(QString::number(CONTROL_CLEAR_ALL_STATS));
    clear->setGeometry(units.Rect(23, 258, 50, 14));
    clear->setAutoDefault(false);
    QObject::connect(clear, &QPushButton::clicked, &dialog, [&dialog] {
        ClearAllStats();
        FillStatisticsDialog(&dialog);
    });
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QString::number(CONTROL_OK));
    ok->setGeometry(units.Rect(111, 258, 50, 14));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    FillStatisticsDialog(&dialog);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}
