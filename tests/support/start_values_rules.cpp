#include "game/deal.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "store/score_tables.h"
#include "store/stats_store.h"
#include "support/start_values.h"

namespace {

const StartValues s_rules(g_cards, g_dealOrder, g_layouts, g_gameMode, g_holding, g_heldCard, g_originPile,
                          g_testAgainstPile, g_pressPending, g_newGameRequested, g_previewGame, g_moveCount,
                          g_stockEmptyArmed, g_soundOn, g_winDetected, g_gameFinished, g_winCounted, g_stats,
                          g_highScoreName);

}  // namespace

void RestoreRulesStartValues()
{
    s_rules.Restore();
    SeedRandom(RANDOM_START_SEED);
}
