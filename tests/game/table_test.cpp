#include <gtest/gtest.h>

#include "game/lifting.h"
#include "game/table.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

class Table : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        StartLayout(GAME_KLONDIKE);
    }
};

}  // namespace

TEST_F(Table, TurnOverAimsHalfATurnFurther)
{
    Card card;
    card.TurnOver();
    EXPECT_EQ(card.flipping, 1);
    EXPECT_EQ(card.targetRotY, 360.0f);
    card.rotY = 360.0f;
    card.TurnOver();
    EXPECT_EQ(card.targetRotY, 540.0f);
}

TEST_F(Table, FaceDownOnlyStrictlyBetween175And185)
{
    Card card;
    for (const float rot : {176.0f, 180.0f, 184.9f}) {
        card.rotY = rot;
        EXPECT_TRUE(IsFaceDown(card)) << rot;
    }
    for (const float rot : {0.0f, 175.0f, 185.0f, 190.0f, 360.0f}) {
        card.rotY = rot;
        EXPECT_FALSE(IsFaceDown(card)) << rot;
    }
}

TEST_F(Table, EmptyAndSingleCardPiles)
{
    EXPECT_EQ(TopCard(4), -1);
    EXPECT_EQ(TopSlot(4), -1);
    EXPECT_EQ(CardCount(4), 0);
    PutCard(30, 4);
    EXPECT_EQ(TopCard(4), 30);
    EXPECT_EQ(TopSlot(4), 0);
    EXPECT_EQ(CardCount(4), 1);
}

TEST_F(Table, MovingTheOnlyCardEmptiesItsPile)
{
    PutCard(7, 3);
    MoveCardToPile(7, 5);
    EXPECT_EQ(CardCount(3), 0);
    EXPECT_EQ(TopCard(5), 7);
    EXPECT_EQ(g_cards[7].pile, 5);
    EXPECT_EQ(g_cards[7].slot, 0);
    const PileSlot& slot = CurrentLayout().piles[5].slots[0];
    EXPECT_EQ(g_cards[7].targetX, slot.x);
    EXPECT_EQ(g_cards[7].targetY, slot.y);
    EXPECT_EQ(g_cards[7].targetZ, slot.z);
    EXPECT_EQ(g_cards[7].moving, 1);
}

TEST_F(Table, MovingAMiddleCardLeavesTheCardsAboveAndUnlinksTheOneBelow)
{
    PutCards(6, {12, 37, 11, 36});
    LinkPile(6);
    MoveCardToPile(37, 8);
    EXPECT_EQ(CurrentLayout().piles[6].slots[1].card, -1);
    EXPECT_EQ(CurrentLayout().piles[6].slots[2].card, 11);
    EXPECT_EQ(g_cards[12].above, -1);
    EXPECT_EQ(g_cards[37].above, 11);  // the moved card keeps its own link
    EXPECT_EQ(TopCard(8), 37);
    EXPECT_EQ(CardCount(6), 1);  // counting stops at the gap
}

TEST_F(Table, MoveLandsOnTopOfTheTarget)
{
    PutCards(7, {25, 11});
    PutCard(10, 3);
    MoveCardToPile(10, 7);
    EXPECT_EQ(g_cards[10].slot, 2);
    EXPECT_NEAR(g_cards[10].targetY, 3.0f - 2 * 0.5f, 1e-6);
    EXPECT_NEAR(g_cards[10].targetZ, -24.99f + 2 * 0.02f, 1e-5);
}

TEST_F(Table, LinkToCardBelow)
{
    PutCards(3, {12, 37});
    LinkToCardBelow(37);
    EXPECT_EQ(g_cards[12].above, 37);
    LinkToCardBelow(12);  // slot 0: nothing below
    EXPECT_EQ(g_cards[12].above, 37);
}

TEST_F(Table, FoundationTakesAnAceWhenEmptyThenTheNextOfTheSuit)
{
    for (int card = 0; card < 52; ++card) {
        g_heldCard = card;
        EXPECT_EQ(FoundationAccepts(10), card == 0 || card == 13 || card == 26 || card == 39) << card;
    }
    PutCards(10, {13, 14});
    for (int card = 0; card < 52; ++card) {
        g_heldCard = card;
        EXPECT_EQ(FoundationAccepts(10), card == 15) << card;
    }
}

TEST_F(Table, FoundationToppedByAKingTakesNothing)
{
    PutCard(12, 11);  // only the top matters
    for (int card = 0; card < 52; ++card) {
        g_heldCard = card;
        EXPECT_FALSE(FoundationAccepts(11)) << card;
    }
}
