// The orderly ways out of a running program: the close box and "E&xit" both
// save the statistics and end the loop. Each runs in a process of its own,
// since the window is gone afterwards.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QAction>
#include <QMainWindow>

#include "app/app_fixture.h"
#include "app/gl_window.h"
#include "app/main_loop.h"
#include "app/menu_commands.h"
#include "game/table.h"
#include "scores/stats_store.h"

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
    EXPECT_EQ(g_glWindow.window, nullptr);
    EXPECT_EQ(g_glWindow.area, nullptr);
    EXPECT_EQ(RunLoopOnce(), 0);
    EXPECT_EQ(SavedFile(), Records());
    EXPECT_EQ(DestroyWindowGL(g_glWindow), 1);
}
