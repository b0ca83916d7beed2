// The statistics and high-score dialogs, the About box with its link, and
// the instructions page, each opened through its menu command.
#include <cstring>
#include <string>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>
#include <QtTest/QTest>

#include "qt/about_box.h"
#include "qt/app_fixture.h"
#include "qt/gl_window.h"
#include "qt/menu_commands.h"
#include "qt/platform/qt_platform.h"
#include "qt/score_dialogs.h"
#include "store/stats_store.h"

using namespace app_test;

namespace {

std::string Record(int index)
{
    char text[STATS_RECORD_SIZE];
    CopyRecordText(index, text);
    return text;
}

// Every record and counter 0..10 different, so a field that shows the wrong
// one is seen: record i holds 100 + i, counter i holds 200 + i.
void FillDistinctCounts()
{
    for (int i = 0; i <= STATS_GAMES_DEALT; ++i) {
        SetLifetimeCount(i, 100 + i);
        SetSessionCount(i, 200 + i);
    }
}

struct ExpectedField {
    int controlId;
    int value;
};

// The statistics dialog's fields by game, as the player reads them.
constexpr ExpectedField STATISTICS_EXPECTED[] = {
    // Klondike: lifetime wins, losses; session wins, losses
    {1006, 100}, {1007, 105}, {1005, 200}, {1004, 205},
    // Freecell
    {1008, 101}, {1009, 106}, {1010, 201}, {1011, 206},
    // Scorpion
    {1024, 102}, {1028, 107}, {1014, 202}, {1015, 207},
    // Mount Sunflower: statistics slot 4
    {1029, 104}, {1030, 109}, {1018, 204}, {1019, 209},
    // Baker's Dozen: statistics slot 3
    {1031, 103}, {1032, 108}, {1022, 203}, {1023, 208},
    // games dealt
    {1033, 110}, {1025, 210},
};
static_assert(sizeof STATISTICS_EXPECTED / sizeof STATISTICS_EXPECTED[0] == 22);

}  // namespace

TEST_F(AppTest, StatisticsShowEveryFieldAndClearAllKeepsHighScores)
{
    FillDistinctCounts();
    SetRecordText(STATS_FIRST_NAME, "Ann");
    SetRecordText(STATS_FIRST_SCORE, "77");
    bool answered = false;
    AnswerModal([&](QDialog* dialog) {
        answered = true;
        EXPECT_TRUE(dialog->windowTitle().isEmpty());
        for (const ExpectedField& field : STATISTICS_EXPECTED) {
            EXPECT_EQ(ControlText(dialog, field.controlId), std::to_string(field.value)) << field.controlId;
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible()) << "Escape closed the statistics";
        ClickControl(dialog, CONTROL_CLEAR_ALL_STATS);
        EXPECT_TRUE(dialog->isVisible()) << "Clear All Stats closed the dialog";
        for (const ExpectedField& field : STATISTICS_EXPECTED) {
            EXPECT_EQ(ControlText(dialog, field.controlId), "0") << field.controlId;
        }
        ClickControl(dialog, CONTROL_OK);
    });
    MenuAction(COMMAND_STATISTICS)->trigger();
    ASSERT_TRUE(answered);
    for (int i = 0; i <= STATS_GAMES_DEALT; ++i) {
        EXPECT_EQ(GetSessionCount(i), 0);
        // "0" then NULs over the first five bytes of the record.
        EXPECT_EQ(std::memcmp(g_stats.records[i].text, "0\0\0\0\0", 5), 0) << i;
    }
    EXPECT_EQ(Record(STATS_FIRST_NAME), "Ann");
    EXPECT_EQ(Record(STATS_FIRST_SCORE), "77");
}

TEST_F(AppTest, StatisticsShowRecordsAsStored)
{
    SetRecordText(2, "12abc");
    bool answered = false;
    AnswerModal([&](QDialog* dialog) {
        answered = true;
        EXPECT_EQ(ControlText(dialog, 1024), "12abc");
        ClickControl(dialog, CONTROL_OK);
    });
    MenuAction(COMMAND_STATISTICS)->trigger();
    EXPECT_TRUE(answered);
}

TEST_F(AppTest, HighScoresShowRanksAndClearStaysOpen)
{
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        SetRecordText(STATS_FIRST_NAME + rank, ("name" + std::to_string(rank + 1)).c_str());
        SetRecordText(STATS_FIRST_SCORE + rank, std::to_string(rank + 11).c_str());
    }
    bool answered = false;
    AnswerModal([&](QDialog* dialog) {
        answered = true;
        for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
            EXPECT_EQ(ControlText(dialog, HIGH_SCORE_NAME_FIELDS[rank]), "name" + std::to_string(rank + 1));
            EXPECT_EQ(ControlText(dialog, HIGH_SCORE_SCORE_FIELDS[rank]), std::to_string(rank + 11));
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible()) << "Escape closed the high scores";
        EXPECT_EQ(Record(STATS_FIRST_NAME), "name1") << "Escape cleared the table";
        ClickControl(dialog, CONTROL_CLEAR_HIGH_SCORES);
        EXPECT_TRUE(dialog->isVisible());
        for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
            EXPECT_EQ(ControlText(dialog, HIGH_SCORE_NAME_FIELDS[rank]), "-");
            EXPECT_EQ(ControlText(dialog, HIGH_SCORE_SCORE_FIELDS[rank]), "10000");
        }
        ClickControl(dialog, CONTROL_OK);
    });
    const uint32_t framesBefore = g_glWindow.lastTickCount;
    MenuAction(COMMAND_HIGH_SCORES)->trigger();
    ASSERT_TRUE(answered);
    EXPECT_EQ(g_glWindow.lastTickCount, framesBefore);
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        EXPECT_EQ(Record(STATS_FIRST_NAME + rank), "-");
        EXPECT_EQ(Record(STATS_FIRST_SCORE + rank), "10000");
    }
}

TEST_F(AppTest, AboutBoxLinkIsBlueUnderlinedUnderThePointerAndOpensThePage)
{
    const std::string page =
        QUrl::fromLocalFile(QDir(QString::fromStdString(WorkDir())).absoluteFilePath("instructions.htm"))
            .toString()
            .toStdString();
    bool answered = false;
    AnswerModal([&](QDialog* dialog) {
        answered = true;
        EXPECT_EQ(dialog->windowTitle().toStdString(), "About");
        bool name = false, thanks = false;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            name = name || label->text() == "Tarvik Solitaire 1.0";
            thanks = thanks || label->text() == "Thanks for playing!";
        }
        EXPECT_TRUE(name);
        EXPECT_TRUE(thanks);
        auto* link = dialog->findChild<QLabel*>(QString::number(CONTROL_PRODUCT_LINK));
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(link->font().underline());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(link, &enter);
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
        EXPECT_FALSE(link->font().underline());

        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(link->width() / 2, link->height() / 2));
        EXPECT_EQ(QtPlatformLastDocument().toStdString(), page);
        EXPECT_TRUE(dialog->isVisible()) << "the link closed the About box";
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    MenuAction(COMMAND_ABOUT)->trigger();
    EXPECT_TRUE(answered);
}

TEST_F(AppTest, InstructionsOpenThePageBesideTheProgram)
{
    MenuAction(COMMAND_INSTRUCTIONS)->trigger();
    const std::string expected =
        QUrl::fromLocalFile(QDir(QString::fromStdString(WorkDir())).absoluteFilePath("instructions.htm"))
            .toString()
            .toStdString();
    EXPECT_EQ(QtPlatformLastDocument().toStdString(), expected);
}
