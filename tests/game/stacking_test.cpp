// The three stacking tests, against the rules stated in words: which cards a
// card may lie on, in both ways of calling them (a pile's top or a card id).

#include <gtest/gtest.h>

#include "game/lifting.h"
#include "game/table.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

class Stacking : public GameTest {};

int Suit(int card) { return card / 13; }
int Rank(int card) { return card % 13; }
bool Red(int card) { return Suit(card) >= 2; }

using Test = bool (*)(int32_t);

void CheckAgainstRule(Test test, bool (*rule)(int upper, int lower))
{
    g_testAgainstPile = 0;
    for (int upper = 0; upper < 52; ++upper) {
        g_heldCard = upper;
        for (int lower = 0; lower < 52; ++lower) {
            ASSERT_EQ(test(lower), rule(upper, lower)) << "upper " << upper << " lower " << lower;
        }
        ASSERT_EQ(test(-1), Rank(upper) == 12) << "upper " << upper << " on nothing";
    }
}

}  // namespace

TEST_F(Stacking, AlternateColourIsOneRankLowerOfTheOtherColour)
{
    CheckAgainstRule(AlternateColourAccepts, [](int u, int l) { return Rank(l) == Rank(u) + 1 && Red(l) != Red(u); });
}

TEST_F(Stacking, SameSuitIsOneRankLowerOfTheSameSuit)
{
    CheckAgainstRule(SameSuitAccepts, [](int u, int l) { return Rank(l) == Rank(u) + 1 && Suit(l) == Suit(u); });
}

TEST_F(Stacking, NextRankIsOneRankLowerOfAnySuit)
{
    CheckAgainstRule(NextRankAccepts, [](int u, int l) { return Rank(l) == Rank(u) + 1; });
}

TEST_F(Stacking, AgainstAPileTheTopCardCounts)
{
    StartLayout(GAME_KLONDIKE);
    g_testAgainstPile = 1;
    g_heldCard = 11;  // queen of suit 0
    EXPECT_FALSE(AlternateColourAccepts(5));  // empty: kings only
    PutCards(5, {38, 24});
    EXPECT_FALSE(AlternateColourAccepts(5));  // top is the jack of suit 1
    MoveCardToPile(24, 6);
    EXPECT_TRUE(AlternateColourAccepts(5));   // top is now the king of suit 2
    g_heldCard = 51;
    EXPECT_TRUE(AlternateColourAccepts(7));  // pile 7 is empty: a king fits
    EXPECT_TRUE(SameSuitAccepts(7));
    EXPECT_TRUE(NextRankAccepts(7));
}

TEST_F(Stacking, FollowsInRunUsesTheOriginPileKind)
{
    StartLayout(GAME_FREECELL);
    g_testAgainstPile = 0;
    g_heldCard = 11;  // queen of suit 0 on the king of suit 2
    g_originPile = 3;  // tableau
    EXPECT_TRUE(FollowsInRun(38));
    g_originPile = 15;  // a free cell holds no runs
    EXPECT_FALSE(FollowsInRun(38));
    g_originPile = 11;  // nor does a foundation
    EXPECT_FALSE(FollowsInRun(38));

    StartLayout(GAME_SCORPION);
    g_originPile = 4;
    EXPECT_FALSE(FollowsInRun(38));
    EXPECT_TRUE(FollowsInRun(12));
    StartLayout(GAME_BAKERS_DOZEN);
    g_originPile = 12;
    EXPECT_TRUE(FollowsInRun(25));
}
