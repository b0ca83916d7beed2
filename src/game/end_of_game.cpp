#include "game/end_of_game.h"

#include "ui/ids.h"
#include "game/table.h"
#include "platform/platform.h"
#include "store/stats_store.h"

uint8_t g_winDetected = 0;
uint8_t g_gameFinished = 0;
int32_t g_winCounted = 0;

namespace {

constexpr int32_t FOUNDATION_COUNT = 4;
constexpr int32_t SCORPION_FIRST_TABLEAU = 3;
constexpr int32_t SCORPION_LAST_TABLEAU = 9;

// game (g_gameMode)           menu  Klondike  Freecell  Scorpion  Mount Sunflower  Baker's Dozen  win
constexpr int32_t STATS_SLOT[] =       {-1,  0,        1,        2,        4,               3,             -1};
constexpr int32_t FIRST_FOUNDATION[] = {-1,  10,       11,       -1,       10,              16,            -1};
static_assert(sizeof STATS_SLOT / sizeof STATS_SLOT[0] == MODE_WIN + 1);
static_assert(sizeof FIRST_FOUNDATION / sizeof FIRST_FOUNDATION[0] == MODE_WIN + 1);

// Empty, or exactly one whole suit from the king in slot 0 up to the ace on
// top. The count of 13 matters: 13 descending ids ending in an ace form a
// suit, but further cards stacked on that ace would not be one.
bool HoldsOneSuit(int32_t pile)
{
    const Pile& p = CurrentLayout().piles[pile];
    if (p.slots[0].card == -1) {
        return true;
    }
    int32_t i = 0;
    while (i + 1 < SLOTS_PER_PILE && p.slots[i + 1].card != -1 && p.slots[i].card == p.slots[i + 1].card + 1) {
        ++i;
    }
    return i == RANKS_PER_SUIT - 1 && (i + 1 >= SLOTS_PER_PILE || p.slots[i + 1].card == -1);
}

}  // namespace

int32_t StatsSlot(int32_t game) { return game >= 0 && game <= MODE_WIN ? STATS_SLOT[game] : -1; }

void TestFoundationWin()
{
    const int32_t first = g_gameMode >= 0 && g_gameMode <= MODE_WIN ? FIRST_FOUNDATION[g_gameMode] : -1;
    if (first < 0) {
        g_winDetected = 0;
        return;
    }
    // Foundations build up one suit from its ace, so four kings on top mean all 52 are home.
    for (int32_t pile = first; pile < first + FOUNDATION_COUNT; ++pile) {
        if (!IsKing(TopCard(pile))) {
            g_winDetected = 0;
            return;
        }
    }
    g_winDetected = 1;
}

void TestScorpionWin()
{
    for (int32_t pile = SCORPION_FIRST_TABLEAU; pile <= SCORPION_LAST_TABLEAU; ++pile) {
        const int32_t top = TopCard(pile);
        if (top != -1 && !IsAce(top)) {
            g_winDetected = 0;
            return;
        }
    }
    bool won = true;
    for (int32_t pile = SCORPION_FIRST_TABLEAU; pile <= SCORPION_LAST_TABLEAU; ++pile) {
        won = won && HoldsOneSuit(pile);
    }
    g_winDetected = won ? 1 : 0;
}

void EndOfGameStep()
{
    if (g_winDetected) {
        const int32_t slot = StatsSlot(g_gameMode);
        if (slot >= 0) {
            CountStatsEvent(slot);
        }
        g_winDetected = 0;
        g_gameFinished = 1;
        MarkWinCounted();
    }
    // In the main menu a won game already left the win screen: a release there
    // must not bring it back.
    if (g_gameFinished && g_gameMode != MODE_MAIN_MENU) {
        g_gameMode = MODE_WIN;
        DisableRedeal();
    }
}

void MarkWinCounted() { g_winCounted = 1; }

void DisableRedeal() { SysEnableMenuItem(COMMAND_REDEAL, 0); }

void EnableGameMenu()
{
    SysEnableMenuItem(COMMAND_REDEAL, 1);
    SysEnableMenuItem(COMMAND_MAIN_MENU, 1);
}
