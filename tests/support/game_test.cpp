#include "support/game_test.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/reset.h"

void GameTest::SetUp()
{
    ResetGameState();
    savedDir_ = std::filesystem::current_path().string();
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-game-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    workDir_ = pattern;
    ASSERT_EQ(::chdir(workDir_.c_str()), 0);
}

void GameTest::TearDown()
{
    if (!savedDir_.empty()) {
        EXPECT_EQ(::chdir(savedDir_.c_str()), 0);
    }
    if (!workDir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(workDir_, ignored);
    }
}
