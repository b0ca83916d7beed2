#include "support/reset.h"

#include <cstring>

#include "game/deal.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "scores/high_score.h"
#include "store/stats_store.h"

void ResetGameState()
{
    for (Card& card : g_cards) {
        card = Card();
    }
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_dealOrder[i] = i;
    }
    for (GameLayout& layout : g_layouts) {
        layout = GameLayout();
    }
    g_gameMode = MODE_MAIN_MENU;
    SeedRandom(1);

    g_holding = 0;
    g_heldCard = 0;
    g_originPile = 0;
    g_testAgainstPile = 1;
    g_pressPending = 0;
    g_newGameRequested = 0;
    g_previewGame = GAME_KLONDIKE;

    g_moveCount = 0;
    g_stockEmptyArmed = 0;
    g_soundOn = 1;

    g_winDetected = 0;
    g_gameFinished = 0;
    g_winCounted = 0;

    std::memset(&g_stats, 0, sizeof g_stats);
    std::memset(g_highScoreName, 0, sizeof g_highScoreName);

    HeadlessReset();
}
