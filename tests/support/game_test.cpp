#include "support/game_test.h"

#include <filesystem>
#include <random>
#include <system_error>

#include "support/reset.h"

void GameTest::SetUp()
{
    ResetGameState();
    namespace fs = std::filesystem;
    savedDir_ = fs::current_path().string();
    std::random_device random;
    std::error_code error;
    for (int attempt = 0; attempt < 100 && workDir_.empty(); ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("tarvik-game-" + std::to_string(random()));
        if (fs::create_directory(candidate, error)) {
            workDir_ = candidate.string();
        }
    }
    ASSERT_FALSE(workDir_.empty()) << "no fresh folder in " << fs::temp_directory_path();
    fs::current_path(workDir_, error);
    ASSERT_FALSE(error) << error.message();
}

void GameTest::TearDown()
{
    std::error_code ignored;
    if (!savedDir_.empty()) {
        std::filesystem::current_path(savedDir_, ignored);
        EXPECT_FALSE(ignored) << ignored.message();
    }
    if (!workDir_.empty()) {
        std::filesystem::remove_all(workDir_, ignored);
    }
}
