// The orderly ways out of a running program: the close box, "E&xit", a
// signal while a dialog is open and the session's end all save the statistics
// and end the loop. Each runs in a process of its own, since the window is
// gone afterwards.
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QSessionManager>

#include "qt/app_fixture.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "qt/menu_commands.h"
#include "game/table.h"
#include "store/stats_store.h"

using namespace app_test;

namespace {

std::string SavedFile()
{
    std::ifstream file("stats.hsf", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Records()
{
    return std::string(reinterpret_cast<const char*>(g_stats.records), STATS_FILE_SIZE);
}

}  // namespace

TEST_F(AppTest, EndingCloseBoxSavesAndEndsTheLoop)
{
    std::filesystem::remove("stats.hsf");
    ASSERT_TRUE(StartGame(GAME_SCORPION));
    ASSERT_FALSE(std::filesystem::exists("stats.hsf")) << "saved before the end";
    Frame()->close();
    EXPECT_TRUE(Frame()->isVisible()) << "the window goes only when the loop has ended";
    EXPECT_EQ(RunLoopOnce(), 0);
    EXPECT_EQ(SavedFile(), Records());
    EXPECT_EQ(GetLifetimeCount(STATS_GAMES_DEALT), 1);
}

TEST_F(AppTest, EndingExitDestroysTheWindowSavesAndEndsTheLoop)
{
    std::filesystem::remove("stats.hsf");
    MenuAction(COMMAND_EXIT)->trigger();
    EXPECT_EQ(g_qtWindow.window, nullptr);
    EXPECT_EQ(g_qtWindow.area, nullptr);
    EXPECT_EQ(RunLoopOnce(), 0);
    EXPECT_EQ(SavedFile(), Records());
    EXPECT_EQ(DestroyWindowGL(g_glWindow), 1);
}

// The signal reaches the program inside the dialog's own loop: the dialog
// closes as its "OK" does, the menu command returns, and only then does the
// loop save and end. A second request saves nothing more.
TEST_F(AppTest, EndingSignalWhileADialogIsOpenClosesItThenSavesOnce)
{
    std::filesystem::remove("stats.hsf");
    ASSERT_TRUE(StartGame(GAME_FREECELL));
    bool open = false;
    AnswerModal([&](QDialog*) {
        open = true;
        kill(getpid(), SIGTERM);
    });
    MenuAction(COMMAND_STATISTICS)->trigger();
    ASSERT_TRUE(open);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(std::filesystem::exists("stats.hsf")) << "saved before the dialog closed";
    EXPECT_EQ(RunLoopOnce(), 0);
    EXPECT_EQ(SavedFile(), Records());
    EXPECT_EQ(GetLifetimeCount(STATS_GAMES_DEALT), 1);

    std::filesystem::remove("stats.hsf");
    kill(getpid(), SIGINT);
    EXPECT_EQ(RunLoopOnce(), 0);
    EXPECT_FALSE(std::filesystem::exists("stats.hsf")) << "saved twice";
}

// The session manager asks every program to commit its data when the session
// ends; Qt hands that on as commitDataRequest with its own manager object.
TEST_F(AppTest, EndingSessionCommitSavesAndEndsTheLoop)
{
    std::filesystem::remove("stats.hsf");
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    auto* manager = QCoreApplication::instance()->findChild<QSessionManager*>();
    ASSERT_NE(manager, nullptr);
    Q_EMIT qApp->commitDataRequest(*manager);
    EXPECT_EQ(RunLoopOnce(), 0);
    EXPECT_EQ(SavedFile(), Records());
    EXPECT_EQ(GetLifetimeCount(STATS_GAMES_DEALT), 1);
}

// The manager's last word: Qt sends the application a quit event.
TEST_F(AppTest, EndingSessionDieSavesAndEndsTheLoop)
{
    std::filesystem::remove("stats.hsf");
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(RunLoopOnce(), 0);
    EXPECT_EQ(SavedFile(), Records());
}
