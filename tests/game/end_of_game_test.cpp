#include <gtest/gtest.h>

#include "ui/ids.h"
#include "game/end_of_game.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "store/stats_store.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

class Winning : public GameTest {};

// Suit s from the ace up to `lastRank` onto the pile.
void BuildFoundation(int32_t pile, int suit, int lastRank = 12)
{
    for (int rank = 0; rank <= lastRank; ++rank) {
        PutCard(suit * 13 + rank, pile);
    }
}

// Suit s from the king down to `lowestRank` onto the pile, linked.
void BuildScorpionColumn(int32_t pile, int suit, int lowestRank = 0)
{
    for (int rank = 12; rank >= lowestRank; --rank) {
        PutCard(suit * 13 + rank, pile);
    }
    LinkPile(pile);
}

// Every foundation but the last holds a whole suit; the last lacks its king,
// which lies on `from`. Dragging it home must win the game.
void NearlyWonByFoundations(int32_t game, int32_t firstFoundation, int32_t from)
{
    StartLayout(game);
    for (int suit = 0; suit < 3; ++suit) {
        BuildFoundation(firstFoundation + suit, suit);
    }
    BuildFoundation(firstFoundation + 3, 3, 11);
    PutCard(51, from);
}

void ExpectOneWinIn(int slot)
{
    for (int i = 0; i < 11; ++i) {
        const int expected = i == slot ? 1 : 0;
        EXPECT_EQ(GetSessionCount(i), i == STATS_GAMES_DEALT ? 1 : expected) << "count " << i;
        EXPECT_EQ(GetLifetimeCount(i), i == STATS_GAMES_DEALT ? 1 : expected) << "record " << i;
    }
    EXPECT_EQ(g_gameMode, MODE_WIN);
    EXPECT_EQ(g_gameFinished, 1);
    EXPECT_EQ(g_winDetected, 0);
    EXPECT_EQ(g_winCounted, 1);
    EXPECT_EQ(g_headless.menuEnabled.at(COMMAND_REDEAL), 0);
}

}  // namespace

TEST_F(Winning, Klondike)
{
    NearlyWonByFoundations(GAME_KLONDIKE, 10, 5);
    Drag(51, 13);
    ExpectOneWinIn(0);
    EXPECT_EQ(g_moveCount, 1);
}

TEST_F(Winning, Freecell)
{
    NearlyWonByFoundations(GAME_FREECELL, 11, 16);
    Drag(51, 14);
    ExpectOneWinIn(1);
}

TEST_F(Winning, MountSunflowerCountsInSlotFour)
{
    NearlyWonByFoundations(GAME_MOUNT_SUNFLOWER, 10, 9);
    Drag(51, 13);
    ExpectOneWinIn(4);
}

TEST_F(Winning, BakersDozenCountsInSlotThree)
{
    NearlyWonByFoundations(GAME_BAKERS_DOZEN, 16, 15);
    Drag(51, 19);
    ExpectOneWinIn(3);
}

TEST_F(Winning, Scorpion)
{
    StartLayout(GAME_SCORPION);
    BuildScorpionColumn(3, 0);
    BuildScorpionColumn(5, 1);
    BuildScorpionColumn(7, 2);
    BuildScorpionColumn(9, 3, 1);
    PutCard(39, 4);
    Drag(39, 9);
    ExpectOneWinIn(2);
}

TEST_F(Winning, NotYetWhileAFoundationLacksItsKing)
{
    NearlyWonByFoundations(GAME_KLONDIKE, 10, 5);
    MoveCardToPile(50, 6);  // the queen of the last suit leaves its foundation
    Drag(50, 13);
    EXPECT_EQ(g_gameMode, GAME_KLONDIKE);
    EXPECT_EQ(g_gameFinished, 0);
    EXPECT_EQ(GetLifetimeCount(0), 0);
}

TEST_F(Winning, ScorpionAcesOnTopButOneSuitOutOfOrderIsNoWin)
{
    StartLayout(GAME_SCORPION);
    BuildScorpionColumn(9, 0);
    BuildScorpionColumn(4, 2, 1);
    BuildScorpionColumn(5, 3);
    for (const int card : {25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 14, 15, 13}) {
        PutCard(card, 3);  // suit 1 with its two and three swapped, ace on top
    }
    PutCard(26, 8);
    Drag(26, 4);
    EXPECT_EQ(TopCard(4), 26);
    EXPECT_EQ(g_gameMode, GAME_SCORPION);
    EXPECT_EQ(GetLifetimeCount(2), 0);
}

TEST_F(Winning, ScorpionCardsStackedOnAFinishedSuitAreNoWin)
{
    // Every tableau pile is empty or topped by an ace and starts with a whole
    // suit, but six clubs lie on one of them and seven are still in the stock.
    StartLayout(GAME_SCORPION);
    BuildScorpionColumn(3, 1);
    for (int card = 5; card >= 0; --card) {
        PutCard(card, 3);
    }
    BuildScorpionColumn(4, 2, 1);
    BuildScorpionColumn(5, 3);
    for (int card = 12; card >= 6; --card) {
        PutCard(card, 1, false);
    }
    PutCard(26, 8);
    Drag(26, 4);
    EXPECT_EQ(TopCard(4), 26);
    EXPECT_EQ(g_gameMode, GAME_SCORPION);
    EXPECT_EQ(GetLifetimeCount(2), 0);
}

TEST_F(Winning, ReleasesOnTheWinScreenCountNothingMore)
{
    NearlyWonByFoundations(GAME_KLONDIKE, 10, 5);
    Drag(51, 13);
    DropHeldCards();
    DropHeldCards();
    EXPECT_EQ(g_gameMode, MODE_WIN);
    EXPECT_EQ(GetSessionCount(0), 1);
    EXPECT_EQ(g_moveCount, 1);
}

TEST_F(Winning, AReleaseInTheMainMenuAfterAWinStaysThere)
{
    NearlyWonByFoundations(GAME_KLONDIKE, 10, 5);
    Drag(51, 13);
    g_gameMode = MODE_MAIN_MENU;  // the "Main Menu" command
    DropHeldCards();
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
}
