#include <gtest/gtest.h>

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

class Placing : public GameTest {};

// The held cards are on their way back to their own slots.
void ExpectFlyingHome(int32_t card)
{
    const Card& c = g_cards[card];
    const PileSlot& home = CurrentLayout().piles[c.pile].slots[c.slot];
    EXPECT_EQ(home.card, card);
    EXPECT_EQ(c.moving, 1) << card;
    EXPECT_EQ(c.targetX, home.x);
    EXPECT_EQ(c.targetY, home.y);
    EXPECT_EQ(c.targetZ, home.z);
}

size_t Ticks() { return g_headless.sounds.size(); }

}  // namespace

TEST_F(Placing, DropBackOnTheOriginCountsAMoveAndTicks)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(5, {38, 11});
    Drag(11, 5);
    EXPECT_EQ(g_moveCount, 1);
    EXPECT_EQ(g_holding, 0);
    ASSERT_EQ(Ticks(), 1u);
    EXPECT_EQ(g_headless.sounds[0], "tick.wav");
    EXPECT_EQ(g_cards[11].slot, 1);
    ExpectFlyingHome(11);
}

TEST_F(Placing, DropOffEveryPileCountsNoMoveButTicks)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(5, {38, 11});
    Press(11);
    ReleaseAt(-2.0f, -12.0f);
    EXPECT_EQ(g_moveCount, 0);
    EXPECT_EQ(Ticks(), 1u);
    ExpectFlyingHome(11);
}

TEST_F(Placing, RefusedDropCountsAMove)
{
    StartLayout(GAME_KLONDIKE);
    PutCard(38, 5);
    PutCard(10, 7);  // jack of suit 0
    Drag(10, 5);     // a jack on a king: refused
    EXPECT_EQ(g_moveCount, 1);
    EXPECT_EQ(TopCard(5), 38);
    ExpectFlyingHome(10);
}

TEST_F(Placing, SoundOffPlaysNothing)
{
    StartLayout(GAME_KLONDIKE);
    PutCard(11, 5);
    g_soundOn = 0;
    Drag(11, 5);
    EXPECT_EQ(Ticks(), 0u);
    EXPECT_EQ(g_moveCount, 1);
}

TEST_F(Placing, RunMovesWholeInOrderAndLinksToTheTarget)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(4, {2, 38, 11, 36});  // K red, Q black, J red on a face card
    PutCard(51, 8);                // K of suit 3 (red)
    PutCard(25, 9);                // K of suit 1 (black)
    Drag(11, 9);                   // black queen on a black king: refused
    EXPECT_EQ(CardCount(4), 4);
    Drag(11, 5);                   // on an empty pile: refused (not a king)
    EXPECT_EQ(CardCount(4), 4);
    Drag(11, 8);
    EXPECT_EQ(CardCount(4), 2);
    EXPECT_EQ(CardCount(8), 3);
    EXPECT_EQ(CurrentLayout().piles[8].slots[1].card, 11);
    EXPECT_EQ(CurrentLayout().piles[8].slots[2].card, 36);
    EXPECT_EQ(g_cards[51].above, 11);
    EXPECT_EQ(g_cards[11].above, 36);
    EXPECT_EQ(g_cards[38].above, -1);
    EXPECT_EQ(g_moveCount, 3);
}

TEST_F(Placing, EmptyFreecellColumnTakesOnlyAKingWithItsRun)
{
    StartLayout(GAME_FREECELL);
    PutCards(3, {0, 11});       // a queen on top
    PutCards(4, {1, 38, 24});   // a king of suit 2 with the queen of suit 1 on it
    Drag(11, 7);
    EXPECT_EQ(TopCard(7), -1);
    Drag(38, 7);
    EXPECT_EQ(CardCount(7), 2);
    EXPECT_EQ(TopCard(7), 24);
    EXPECT_EQ(TopCard(4), 1);
}

TEST_F(Placing, FoundationTakesOneCardAtATime)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(10, {13, 14, 15});  // ace, two, three of suit 1
    PutCards(6, {17, 29});       // five of suit 1 with the four of suit 2 on it
    PutCard(16, 7);              // four of suit 1
    Drag(16, 10);
    EXPECT_EQ(TopCard(10), 16);
    Drag(17, 10);
    EXPECT_EQ(TopCard(10), 16);
    ExpectFlyingHome(17);
    ExpectFlyingHome(29);
    MoveCardToPile(29, 9);
    Drag(17, 10);
    EXPECT_EQ(TopCard(10), 17);
}

TEST_F(Placing, AceOfANewSuitBouncesOffAKing)
{
    StartLayout(GAME_KLONDIKE);
    PutCard(12, 10);
    PutCard(13, 5);
    Drag(13, 10);
    EXPECT_EQ(TopCard(10), 12);
    EXPECT_EQ(TopCard(5), 13);
    Drag(13, 11);
    EXPECT_EQ(TopCard(11), 13);
}

TEST_F(Placing, FreeCellHoldsOneCard)
{
    StartLayout(GAME_FREECELL);
    PutCards(3, {38, 11});
    PutCard(40, 4);
    PutCard(5, 17);
    Drag(38, 15);  // a run of two into an empty cell
    EXPECT_EQ(TopCard(15), -1);
    ExpectFlyingHome(38);
    ExpectFlyingHome(11);
    Drag(40, 17);  // an occupied cell
    EXPECT_EQ(TopCard(17), 5);
    ExpectFlyingHome(40);
    Drag(40, 18);
    EXPECT_EQ(TopCard(18), 40);
    EXPECT_EQ(g_moveCount, 3);
}

TEST_F(Placing, StockAndWasteAreNeverTargets)
{
    StartLayout(GAME_KLONDIKE);
    PutCard(20, 1, false);
    PutCard(21, 2);
    PutCard(19, 5);
    Drag(19, 1);
    Drag(19, 2);
    EXPECT_EQ(TopCard(5), 19);
    EXPECT_EQ(g_moveCount, 2);
}

TEST_F(Placing, ScorpionBuildsDownInSuitWithAnyCardsOnTop)
{
    StartLayout(GAME_SCORPION);
    PutCards(3, {40, 44, 2});  // two of suit 3 with its six and the three of suit 0 on it
    LinkPile(3);
    PutCard(41, 4);            // three of suit 3
    PutCard(42, 5);            // four of suit 3
    Drag(41, 3);               // onto the three of suit 0: refused
    EXPECT_EQ(CardCount(3), 3);
    Drag(41, 5);
    EXPECT_EQ(TopCard(5), 41);
    EXPECT_EQ(g_cards[42].above, 41);
    Drag(40, 6);               // not a king: an empty pile refuses it
    EXPECT_EQ(CardCount(3), 3);
}

TEST_F(Placing, DropAreaReachesOneLeftTwoRightAndThreeBelowTheTop)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(6, {38, 11, 36});  // slot 0 at x 1, y 3; top slot 2 at y 2
    PutCard(20, 9);
    Press(20);
    const float inside[][2] = {{0.01f, 3.9f}, {2.99f, -0.99f}};
    const float outside[][2] = {{0.0f, 2.0f}, {3.0f, 2.0f}, {1.5f, 4.0f}, {1.5f, -1.0f}};
    for (const auto& at : inside) {
        g_cards[20].x = at[0];
        g_cards[20].y = at[1];
        EXPECT_EQ(FindDropPile(), 6) << at[0] << ", " << at[1];
    }
    for (const auto& at : outside) {
        g_cards[20].x = at[0];
        g_cards[20].y = at[1];
        EXPECT_NE(FindDropPile(), 6) << at[0] << ", " << at[1];
    }
}

TEST_F(Placing, OverlappingAreasGoToTheLowerPile)
{
    StartLayout(GAME_BAKERS_DOZEN);
    for (int card = 0; card < 14; ++card) {
        PutCard(card, 3);  // a column whose top lies at y 0.5: its area reaches down to -2.5
    }
    PutCard(40, 10);
    Press(40);
    g_cards[40].x = -9.2f;
    g_cards[40].y = -2.0f;
    EXPECT_EQ(FindDropPile(), 3);
}

TEST_F(Placing, UnusedPileEntriesAreCloth)
{
    // Scorpion's pile 10 is never set up: its zero position lies mid-table.
    StartLayout(GAME_SCORPION);
    PutCard(12, 3);
    Press(12);
    ReleaseAt(0.5f, -2.5f);
    EXPECT_EQ(g_moveCount, 0);
    ExpectFlyingHome(12);
}

TEST_F(Placing, KlondikeWasteTurnsOverAfterTheStockRunsOut)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(1, {30, 31}, false);
    PutCard(12, 5);
    Press(31);
    DropHeldCards();
    Press(30);
    ASSERT_EQ(CardCount(1), 0);
    ASSERT_EQ(CardCount(2), 2);
    EXPECT_EQ(g_stockEmptyArmed, 0);
    DropHeldCards();  // the release of that press arms the turn-over
    EXPECT_EQ(g_stockEmptyArmed, 1);
    EXPECT_EQ(CardCount(2), 2);
    Drag(12, 5);  // a drag in between turns nothing over
    EXPECT_EQ(CardCount(2), 2);
    EXPECT_EQ(g_stockEmptyArmed, 1);
    DropHeldCards();  // a click on the empty stock hits no card: only its release arrives
    EXPECT_EQ(CardCount(2), 0);
    ASSERT_EQ(CardCount(1), 2);
    EXPECT_EQ(TopCard(1), 31);  // the first card dealt is on top again
    EXPECT_EQ(CurrentLayout().piles[1].slots[0].card, 30);
    for (const int card : {30, 31}) {
        EXPECT_EQ(g_cards[card].rotY, 180.0f);
        EXPECT_EQ(g_cards[card].flipping, 0);  // the turn from the press is cancelled
        EXPECT_EQ(g_cards[card].pile, 1);
        ExpectFlyingHome(card);
    }
    EXPECT_EQ(g_stockEmptyArmed, 0);
    EXPECT_EQ(g_moveCount, 1);
    EXPECT_EQ(Ticks(), 1u);
}

TEST_F(Placing, OtherGamesNeverTurnAWasteOver)
{
    StartLayout(GAME_SCORPION);
    DropHeldCards();
    EXPECT_EQ(g_stockEmptyArmed, 1);
    DropHeldCards();
    EXPECT_EQ(TopCard(1), -1);
    EXPECT_EQ(TopCard(2), -1);

    g_stockEmptyArmed = 0;
    for (const int game : {GAME_FREECELL, GAME_BAKERS_DOZEN, MODE_MAIN_MENU}) {
        StartLayout(game);
        DropHeldCards();
        EXPECT_EQ(g_stockEmptyArmed, 0) << game;
    }
}

TEST_F(Placing, WasteCardsComeBackFromTheStockAlone)
{
    // A press on a lower waste card (visible while the top one is still in
    // flight) links the waste cards upward; the turn-over reverses their order.
    StartLayout(GAME_KLONDIKE);
    PutCards(2, {30, 31, 32});
    PutCard(5, 5);  // the six of suit 0 takes the five of suit 2 (30)
    Press(30);
    ASSERT_EQ(g_cards[30].above, 31);
    DropHeldCards();  // arms
    DropHeldCards();  // turns the waste over: 30 is the stock's top again
    ASSERT_EQ(TopCard(1), 30);
    Press(30);
    ASSERT_EQ(TopCard(2), 30);
    g_cards[30].rotY = 360.0f;  // its turn has run
    g_cards[30].flipping = 0;
    Drag(30, 5);
    EXPECT_EQ(CardCount(5), 2);
    EXPECT_EQ(TopCard(5), 30);
    EXPECT_EQ(CardCount(1), 2);
    EXPECT_EQ(CardCount(2), 0);
}
