#include "support/game_test.h"

#include "support/reset.h"

void GameTest::SetUp()
{
    ResetGameState();
    folder_ = std::make_unique<ScratchFolder>("tarvik-game");
    ASSERT_FALSE(folder_->Path().empty()) << "no fresh temporary folder";
}

void GameTest::TearDown() { folder_.reset(); }
