#include <gtest/gtest.h>

#include "game/lifting.h"
#include "game/table.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

class Lifting : public GameTest {};

// What the frame update does when a turn has run its course.
void FinishTurn(int32_t card)
{
    g_cards[card].rotY = g_cards[card].targetRotY;
    g_cards[card].flipping = 0;
}

}  // namespace

TEST_F(Lifting, FaceDownTopCardTurnsFirstAndLiftsOnTheNextPress)
{
    StartLayout(GAME_KLONDIKE);
    PutCard(20, 5, false);
    Press(20);
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(g_cards[20].flipping, 1);
    EXPECT_EQ(g_pressPending, 0);
    FinishTurn(20);
    Press(20);
    EXPECT_EQ(g_holding, 1);
    EXPECT_EQ(g_heldCard, 20);
    EXPECT_NEAR(g_cards[20].z, -23.96f, 1e-5);
    EXPECT_EQ(g_originPile, 5);
}

TEST_F(Lifting, KlondikeRunLiftsLinked)
{
    StartLayout(GAME_KLONDIKE);
    PutCard(0, 4, false);
    PutCards(4, {38, 11, 36, 9});  // K red, Q black, J red, 10 black
    Press(11);
    ASSERT_EQ(g_holding, 1);
    EXPECT_EQ(g_heldCard, 11);
    EXPECT_EQ(g_cards[11].above, 36);
    EXPECT_EQ(g_cards[36].above, 9);
    EXPECT_EQ(g_cards[9].above, -1);
    EXPECT_EQ(g_testAgainstPile, 1);
}

TEST_F(Lifting, KlondikeMiddleCardWithoutARunLiftsNothing)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(4, {38, 11, 10});  // two black cards in a row
    g_heldCard = 33;
    Press(38);
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(g_heldCard, 33);
    EXPECT_EQ(g_testAgainstPile, 1);
    Press(11);
    EXPECT_EQ(g_holding, 0);
}

TEST_F(Lifting, AKingLiftsOnlyAsTheLowestCardOfARun)
{
    StartLayout(GAME_FREECELL);
    PutCards(3, {1, 38});  // a king on a two
    Press(1);
    EXPECT_EQ(g_holding, 0);
    Press(38);
    EXPECT_EQ(g_holding, 1);
    EXPECT_EQ(g_heldCard, 38);
}

TEST_F(Lifting, FreecellRunAndFreeCell)
{
    StartLayout(GAME_FREECELL);
    PutCards(6, {5, 30, 3, 28, 1});  // 6 black, 5 red, 4 black, 3 red, 2 black
    Press(30);
    EXPECT_EQ(g_holding, 1);
    g_holding = 0;
    PutCard(44, 16);
    Press(44);
    EXPECT_EQ(g_holding, 1);
    EXPECT_EQ(g_heldCard, 44);
}

TEST_F(Lifting, NothingLeavesAFoundation)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(11, {0, 1});
    Press(1);
    Press(0);
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(g_cards[1].flipping, 0);
}

TEST_F(Lifting, ScorpionLiftsAnyFaceUpCardWithEverythingOnIt)
{
    StartLayout(GAME_SCORPION);
    PutCards(5, {50, 7});
    PutCards(5, {20, 3, 45, 18});  // any order, any suits
    LinkPile(5);
    Press(20);
    ASSERT_EQ(g_holding, 1);
    EXPECT_EQ(g_heldCard, 20);
    EXPECT_EQ(g_cards[20].above, 3);
    EXPECT_EQ(g_cards[45].above, 18);
}

TEST_F(Lifting, ScorpionFaceDownCardUnderOthersStays)
{
    StartLayout(GAME_SCORPION);
    PutCard(50, 5, false);
    PutCards(5, {20, 3});
    Press(50);
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(g_cards[50].flipping, 0);
}

TEST_F(Lifting, WasteTopLiftsTheCardsUnderItDoNot)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(2, {3, 17, 40});
    Press(17);
    EXPECT_EQ(g_holding, 0);
    Press(40);
    EXPECT_EQ(g_holding, 1);
}

TEST_F(Lifting, KlondikeStockTopGoesFaceUpToTheWaste)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(1, {5, 6, 7}, false);
    Press(6);  // below the top: nothing
    EXPECT_EQ(CardCount(1), 3);
    EXPECT_EQ(g_cards[6].flipping, 0);
    Press(7);
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(TopCard(2), 7);
    EXPECT_EQ(CardCount(1), 2);
    EXPECT_EQ(g_cards[7].flipping, 1);
    EXPECT_EQ(g_cards[7].targetRotY, 360.0f);
}

TEST_F(Lifting, ScorpionStockPressAnywhereDealsThreeCards)
{
    StartLayout(GAME_SCORPION);
    for (int p = 3; p <= 9; ++p) {
        PutCard(20 + p, p);
    }
    PutCards(1, {0, 1, 2}, false);
    LinkPile(1);
    Press(0);  // the bottom card deals like the top one
    EXPECT_EQ(CardCount(1), 0);
    EXPECT_EQ(TopCard(3), 2);
    EXPECT_EQ(TopCard(4), 1);
    EXPECT_EQ(TopCard(5), 0);
    EXPECT_EQ(CardCount(6), 1);
    EXPECT_EQ(g_cards[23].above, 2);
    EXPECT_EQ(g_cards[24].above, 1);
    EXPECT_EQ(g_cards[25].above, 0);
    for (const int card : {0, 1, 2}) {
        EXPECT_EQ(g_cards[card].flipping, 1);
    }
    EXPECT_EQ(g_holding, 0);
}

TEST_F(Lifting, MountSunflowerStockDealsARoundWhileItLasts)
{
    StartLayout(GAME_MOUNT_SUNFLOWER);
    PutCards(1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, false);
    Press(19);
    EXPECT_EQ(CardCount(1), 3);
    for (int p = 3; p <= 9; ++p) {
        EXPECT_EQ(TopCard(p), 19 - (p - 3));
    }
    Press(12);
    EXPECT_EQ(CardCount(1), 0);
    EXPECT_EQ(TopCard(3), 12);
    EXPECT_EQ(TopCard(5), 10);
    EXPECT_EQ(CardCount(6), 1);
    EXPECT_EQ(CardCount(9), 1);
}

TEST_F(Lifting, MainMenuPressStartsAGameAndHoverPreviewsIt)
{
    HandlePick(104);  // hover
    EXPECT_EQ(g_previewGame, 4);
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
    EXPECT_EQ(g_newGameRequested, 0);
    g_pressPending = 1;
    HandlePick(103);
    EXPECT_EQ(g_gameMode, GAME_SCORPION);
    EXPECT_EQ(g_newGameRequested, 1);
    EXPECT_EQ(g_pressPending, 0);
    EXPECT_EQ(g_previewGame, 4);
}

TEST_F(Lifting, MenuBackdropOnlyClearsThePress)
{
    g_pressPending = 1;
    HandlePick(0);
    EXPECT_EQ(g_pressPending, 0);
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
    EXPECT_EQ(g_previewGame, 1);
    EXPECT_EQ(g_cards[0].flipping, 0);
}

TEST_F(Lifting, NamesThatAreNoCardLiftNothing)
{
    StartLayout(GAME_KLONDIKE);
    for (const int name : {-1, 52, 100}) {
        g_pressPending = 1;
        HandlePick(name);
        EXPECT_EQ(g_pressPending, 0);
        EXPECT_EQ(g_holding, 0);
    }
    g_pressPending = 1;
    HandlePick(106);  // no such button
    EXPECT_EQ(g_gameMode, GAME_KLONDIKE);
    EXPECT_EQ(g_newGameRequested, 0);
}
